#include "shell/maskedit/MaskedEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

namespace {

// Focus changes that come from another window or a menu opening, not from the focus
// moving between controls of this window.
bool IsWindowSwitch(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
         reason == Qt::MenuBarFocusReason;
}

bool IsTypedText(const QKeyEvent* event) {
  const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return !event->text().isEmpty() && event->text().front().isPrint() &&
         (event->modifiers() & commandKeys) == 0;
}

}  // namespace

TMaskedEdit::TMaskedEdit(MaskFormat format, QWidget* parent) : QLineEdit(parent), model_(format) {
  // Every change goes through the model: no input-method composition, drops or the
  // standard context menu's paste and undo.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAcceptDrops(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  ShowModel();
}

void TMaskedEdit::SetFieldText(const QString& text) {
  model_.SetFieldText(text);
  ShowModel();
}

void TMaskedEdit::keyPressEvent(QKeyEvent* event) {
  if (!entered_) BeginEditing();
  TakeCaretFromWidget();
  if (HandleEditingKey(event)) {
    event->accept();
    ShowModel();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    if (model_.RestoreOnEscape()) {
      ShowModel();
      event->accept();
    } else {
      event->ignore();
    }
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (RequiredCellsPass()) QLineEdit::keyPressEvent(event);
    return;
  }
  // Caret movement, selection and copying leave the cells alone.
  const bool plainMove = event->key() >= Qt::Key_Home && event->key() <= Qt::Key_PageDown;
  if (plainMove || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->ignore();
}

// The keys that edit the cells, or move the caret cell by cell skipping fixed cells.
bool TMaskedEdit::HandleEditingKey(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    TypeText(QGuiApplication::clipboard()->text());
  } else if (event->matches(QKeySequence::Cut)) {
    if (hasSelectedText()) QGuiApplication::clipboard()->setText(selectedText());
    model_.Delete();
  } else if (IsTypedText(event)) {
    TypeText(event->text());
  } else if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  } else if (event->key() == Qt::Key_Backspace) {
    model_.Backspace();
  } else if (event->key() == Qt::Key_Delete && !(event->modifiers() & Qt::ShiftModifier)) {
    model_.Delete();
  } else if (event->modifiers() & Qt::ShiftModifier) {
    return false;
  } else if (event->key() == Qt::Key_Left) {
    model_.MoveLeft();
  } else if (event->key() == Qt::Key_Right) {
    model_.MoveRight();
  } else if (event->key() == Qt::Key_Home) {
    model_.MoveHome();
  } else if (event->key() == Qt::Key_End) {
    model_.MoveEnd();
  } else {
    return false;
  }
  return true;
}

void TMaskedEdit::TypeText(const QString& text) {
  bool refused = false;
  for (const QChar key : text) {
    if (!model_.TypeKey(key)) refused = true;
  }
  if (refused) Beep();
}

void TMaskedEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (entered_) return;
  if (!IsWindowSwitch(event->reason())) {
    BeginEditing();
    return;
  }
  // The window came back with the focus here. Count it as entering only if the focus
  // stays: an owner putting the focus back into another field right after its message
  // box must not make this field believe it was entered and left.
  QTimer::singleShot(0, this, [this] {
    if (hasFocus() && !entered_) BeginEditing();
  });
}

void TMaskedEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!entered_ || IsWindowSwitch(event->reason())) return;
  if (!RequiredCellsPass()) return;
  entered_ = false;
  emit Exited();
}

void TMaskedEdit::mouseReleaseEvent(QMouseEvent* event) {
  // A middle click would paste the selection clipboard past the model.
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TMaskedEdit::TakeCaretFromWidget() {
  if (hasSelectedText()) {
    model_.Select(selectionStart(), static_cast<int>(selectedText().size()));
  } else {
    model_.PlaceCaret(cursorPosition());
  }
}

void TMaskedEdit::ShowModel() {
  const QString shown = model_.DisplayText();
  if (text() != shown) setText(shown);
  setCursorPosition(model_.Caret());
}

void TMaskedEdit::BeginEditing() {
  entered_ = true;
  model_.BeginEditing();
}

// The check of a field changed since it was last set. On failure the focus is back in
// the field (before the box opens, so no other control counts as entered) and the caret
// is on the first empty required cell.
bool TMaskedEdit::RequiredCellsPass() {
  if (!model_.IsModified()) return true;
  const std::optional<int> emptyCell = model_.FirstEmptyRequiredCell();
  if (!emptyCell) return true;

  Beep();
  setFocus(Qt::OtherFocusReason);
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                  InvalidInputValue() + QStringLiteral("  Use escape key to abandon changes."),
                  QMessageBox::Ok, window());
  box.exec();
  // Without a window manager nothing gives the window back its activation.
  window()->activateWindow();
  model_.PlaceCaret(*emptyCell);
  ShowModel();
  return false;
}

void TMaskedEdit::Beep() {
  QApplication::beep();
  emit Beeped();
}
