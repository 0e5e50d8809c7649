#include "entry/MaskedEditModel.h"

#include <algorithm>

QString EditMask(MaskFormat format) {
  switch (format) {
    case MaskFormat::Ssan:
      return QStringLiteral("000\\-00\\-0000;1;_");
    case MaskFormat::TwoDigit:
      return QStringLiteral("00;1;_");
    case MaskFormat::ThreeDigit:
      return QStringLiteral("!999;1;");
    case MaskFormat::Decimal:
      return QStringLiteral("!99.99;1;0");
  }
  return {};
}

QString InvalidInputValue() { return QStringLiteral("Invalid input value."); }

MaskedEditModel::MaskedEditModel(MaskFormat format) {
  const QString mask = EditMask(format);
  const qsizetype cellsEnd = mask.indexOf(QLatin1Char(';'));
  const QString blank = mask.mid(mask.lastIndexOf(QLatin1Char(';')) + 1);
  placeholder_ = blank.isEmpty() ? QLatin1Char('_') : blank.front();

  for (qsizetype i = 0; i < cellsEnd; ++i) {
    const QChar c = mask[i];
    if (c == QLatin1Char('!')) continue;
    if (c == QLatin1Char('\\')) {
      cells_.push_back({mask[++i], false});
    } else if (c == QLatin1Char('0') || c == QLatin1Char('9')) {
      cells_.push_back({QChar(), c == QLatin1Char('0')});
    } else {
      cells_.push_back({c, false});
    }
  }
  digits_.assign(cells_.size(), QChar());
  entryDigits_ = digits_;
}

QString MaskedEditModel::FieldText() const {
  QString text;
  for (int i = 0; i < CellCount(); ++i) {
    if (IsFixedCell(i)) {
      text += cells_[i].fixed;
    } else {
      text += digits_[i].isNull() ? QChar(QLatin1Char(' ')) : digits_[i];
    }
  }
  return text;
}

QString MaskedEditModel::DisplayText() const {
  QString text;
  for (int i = 0; i < CellCount(); ++i) {
    if (IsFixedCell(i)) {
      text += cells_[i].fixed;
    } else {
      text += digits_[i].isNull() ? placeholder_ : digits_[i];
    }
  }
  return text;
}

void MaskedEditModel::SetFieldText(const QString& text) {
  for (int i = 0; i < CellCount(); ++i) {
    const bool digitGiven = i < text.size() && text[i].isDigit() && text[i].unicode() < 128;
    digits_[i] = !IsFixedCell(i) && digitGiven ? text[i] : QChar();
  }
  modified_ = false;
  selectionLength_ = 0;
  caret_ = std::min(caret_, CellCount());
}

void MaskedEditModel::PlaceCaret(int position) {
  caret_ = std::clamp(position, 0, CellCount());
  selectionLength_ = 0;
}

void MaskedEditModel::Select(int start, int length) {
  PlaceCaret(start);
  selectionLength_ = std::clamp(length, 0, CellCount() - caret_);
}

bool MaskedEditModel::TypeKey(QChar key) {
  if (key.isDigit() && key.unicode() < 128) {
    const std::optional<int> cell = DigitCellFrom(caret_);
    if (!cell) return false;
    EmptySelectedCells();
    SetCell(*cell, key);
    caret_ = SkipFixedForward(*cell + 1);
    return true;
  }
  // After a digit the caret has already skipped the fixed character; typing it as well,
  // as in "68.25", is accepted where the caret is.
  if (selectionLength_ == 0 && caret_ >= 2 && IsFixedCell(caret_ - 1) && cells_[caret_ - 1].fixed == key &&
      !IsFixedCell(caret_ - 2) && !digits_[caret_ - 2].isNull()) {
    return true;
  }
  for (int i = caret_; i < CellCount(); ++i) {
    if (IsFixedCell(i) && cells_[i].fixed == key) {
      selectionLength_ = 0;
      caret_ = SkipFixedForward(i + 1);
      return true;
    }
  }
  return false;
}

void MaskedEditModel::Backspace() {
  if (selectionLength_ > 0) {
    EmptySelectedCells();
    return;
  }
  if (const std::optional<int> cell = DigitCellBefore(caret_)) {
    SetCell(*cell, QChar());
    caret_ = *cell;
  }
}

void MaskedEditModel::Delete() {
  if (selectionLength_ > 0) {
    EmptySelectedCells();
    return;
  }
  if (const std::optional<int> cell = DigitCellFrom(caret_)) {
    SetCell(*cell, QChar());
    caret_ = *cell;
  }
}

void MaskedEditModel::MoveLeft() {
  selectionLength_ = 0;
  if (const std::optional<int> cell = DigitCellBefore(caret_)) caret_ = *cell;
}

void MaskedEditModel::MoveRight() {
  selectionLength_ = 0;
  if (caret_ < CellCount()) caret_ = SkipFixedForward(caret_ + 1);
}

void MaskedEditModel::MoveHome() { PlaceCaret(SkipFixedForward(0)); }

void MaskedEditModel::MoveEnd() { PlaceCaret(CellCount()); }

std::optional<int> MaskedEditModel::FirstEmptyRequiredCell() const {
  for (int i = 0; i < CellCount(); ++i) {
    if (cells_[i].required && digits_[i].isNull()) return i;
  }
  return std::nullopt;
}

void MaskedEditModel::BeginEditing() { entryDigits_ = digits_; }

bool MaskedEditModel::RestoreOnEscape() {
  if (!modified_) return false;
  digits_ = entryDigits_;
  modified_ = false;
  MoveHome();
  return true;
}

std::optional<int> MaskedEditModel::DigitCellFrom(int position) const {
  for (int i = position; i < CellCount(); ++i) {
    if (!IsFixedCell(i)) return i;
  }
  return std::nullopt;
}

std::optional<int> MaskedEditModel::DigitCellBefore(int position) const {
  for (int i = position - 1; i >= 0; --i) {
    if (!IsFixedCell(i)) return i;
  }
  return std::nullopt;
}

int MaskedEditModel::SkipFixedForward(int position) const {
  while (position < CellCount() && IsFixedCell(position)) ++position;
  return position;
}

void MaskedEditModel::EmptySelectedCells() {
  for (int i = caret_; i < caret_ + selectionLength_; ++i) {
    if (!IsFixedCell(i)) SetCell(i, QChar());
  }
  selectionLength_ = 0;
}

void MaskedEditModel::SetCell(int cell, QChar digit) {
  if (digits_[cell] == digit) return;
  digits_[cell] = digit;
  modified_ = true;
}
