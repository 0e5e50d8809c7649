#pragma once
// Base of everything that prints: a sized item on a band or directly on the report, with
// a frame, an alignment, an enabled flag and a colour.

#include "report/model/TsFrame.h"
#include "report/model/TsSizedComponent.h"

class TTsBand;
class TTsPrinter;

enum class TTsAlignment { taLeftJustify, taRightJustify, taCenter };

// Values in stored order: Height, Left, Top, Width.
class TTsPrintableSize : public TTsUnitBase {
 public:
  enum Index { Height, Left, Top, Width };
  TTsPrintableSize() : TTsUnitBase({Axis::Vertical, Axis::Horizontal, Axis::Vertical, Axis::Horizontal}) {}
};

class TTsPrintable : public TTsSizedComponent {
 public:
  // parentBand null: the item is placed directly on the report.
  TTsPrintable(TCustomReport& report, QString name, TTsBand* parentBand);

  TTsBand* ParentBand() const { return m_parentBand; }

  TTsFrame Frame;
  bool Enabled = true;
  QColor Color = Qt::white;

  TTsAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TTsAlignment alignment);
  bool AlignToBand() const { return m_alignToBand; }
  void SetAlignToBand(bool alignToBand);

  bool IsPrinting() const { return m_isPrinting; }
  // False while an auto-stretching label still has lines to print.
  bool PrintFinished() const { return m_printFinished; }

  virtual bool IsEnabled() const { return Enabled; }
  // With AlignToBand on a band, places the item at the band's left, right or centre.
  virtual void AlignIt();
  // Links the item to the output device of a generation pass.
  virtual void Prepare(TTsPrinter& device);
  // Draws the item at the offsets (native units) of its parent's print position.
  virtual void Print(long double x, long double y);
  virtual void Unprepare();

 protected:
  void BoundsChanged() override { AlignIt(); }
  TTsPrinter& Device() const { return *m_device; }
  // Draws Frame on the device around the native rectangle (left, top) to (right, bottom).
  void PaintFrame(long double left, long double top, long double right, long double bottom) const;
  void SetPrintFinished(bool finished) { m_printFinished = finished; }

 private:
  TTsBand* m_parentBand;
  TTsAlignment m_alignment = TTsAlignment::taLeftJustify;
  bool m_alignToBand = false;
  bool m_isPrinting = false;
  bool m_printFinished = true;
  TTsPrinter* m_device = nullptr;
};
