#pragma once
// The cells of a masked edit field and what the keys do to them, without any widget.
//
// A field is a fixed row of cells. A digit cell holds one digit or is empty; a fixed
// cell always shows its own character ("-" of the SSAN, "." of the decimal format).
// The caret sits before a cell (0..CellCount()); typing overwrites, never inserts.

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

enum class MaskFormat {
  Ssan,        // "000\-00\-0000;1;_"
  TwoDigit,    // "00;1;_"
  ThreeDigit,  // "!999;1;"
  Decimal      // "!99.99;1;0"
};

// The edit mask of a format, in the toolkit's notation: "0" a required digit, "9" an
// optional digit, "\" makes the next character fixed, "!" is a display flag without a
// cell, the part after the last ";" is the placeholder of an empty cell ("_" when empty).
QString EditMask(MaskFormat format);

// The toolkit's words for a value that its field cannot take: the error box of a field left
// with empty required cells opens with them.
QString InvalidInputValue();

class MaskedEditModel {
 public:
  explicit MaskedEditModel(MaskFormat format);

  int CellCount() const { return static_cast<int>(cells_.size()); }
  bool IsFixedCell(int cell) const { return !cells_[cell].fixed.isNull(); }

  // Every cell in order: a digit, a blank for an empty cell, or the fixed character.
  QString FieldText() const;
  // What the field shows: the placeholder in place of each empty cell.
  QString DisplayText() const;
  // Fills the cells position by position from `text` (a digit goes into a digit cell,
  // anything else leaves it empty; missing positions are empty). Counts as unchanged.
  void SetFieldText(const QString& text);
  // True once a key has changed a cell since the content was last set or restored.
  bool IsModified() const { return modified_; }

  int Caret() const { return caret_; }
  void PlaceCaret(int position);
  // Selects `length` cells from `start`; typing or deleting then empties them first.
  void Select(int start, int length);

  // Handles a typed character; false when it is refused (nothing has changed then).
  bool TypeKey(QChar key);
  void Backspace();
  void Delete();
  void MoveLeft();
  void MoveRight();
  void MoveHome();
  void MoveEnd();

  std::optional<int> FirstEmptyRequiredCell() const;

  // Remembers the content the field has now, to be restored by Escape.
  void BeginEditing();
  // Escape: a changed field gets back the remembered content, counts as unchanged and has
  // the caret on its first cell, ready for typing. Returns false when there was no change
  // to abandon.
  bool RestoreOnEscape();

 private:
  struct Cell {
    QChar fixed;  // null for a digit cell
    bool required = false;
  };

  std::optional<int> DigitCellFrom(int position) const;
  std::optional<int> DigitCellBefore(int position) const;
  int SkipFixedForward(int position) const;
  void EmptySelectedCells();
  void SetCell(int cell, QChar digit);

  std::vector<Cell> cells_;
  QChar placeholder_;
  std::vector<QChar> digits_;  // one per cell; null when empty or fixed
  std::vector<QChar> entryDigits_;
  int caret_ = 0;
  int selectionLength_ = 0;
  bool modified_ = false;
};
