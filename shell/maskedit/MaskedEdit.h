#pragma once
// TMaskedEdit: a line edit that shows a MaskedEditModel and feeds it the keys.
//
// Refused keys beep and change nothing. Escape in a changed field abandons the changes
// made since the focus entered it. When the focus moves on to another control of the
// same window (or Enter is pressed) in a field changed since it was last set, an empty
// required cell beeps, shows the stop-icon error box and keeps the focus in the field
// with the caret on that cell; otherwise leaving emits Exited for the owner's own check.

#include <QLineEdit>

#include "entry/FieldNumbers.h"
#include "entry/MaskedEditModel.h"

class TMaskedEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TMaskedEdit(MaskFormat format, QWidget* parent = nullptr);

  QString FieldText() const { return model_.FieldText(); }
  // Sets the content; the field then counts as not changed by the operator.
  void SetFieldText(const QString& text);

 signals:
  // The focus moved from this field to another control of the same window and the
  // required cells passed: the owner runs its exit check.
  void Exited();
  // The field beeped: a refused key or a failed required-cell check.
  void Beeped();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool HandleEditingKey(QKeyEvent* event);
  void TypeText(const QString& text);
  void TakeCaretFromWidget();
  void ShowModel();
  void BeginEditing();
  bool RequiredCellsPass();
  void Beep();

  MaskedEditModel model_;
  // Between the focus entering the field and leaving it for another control.
  bool entered_ = false;
};
