#pragma once
// The report's page: paper size and orientation, margins and columns, held in native
// units (0.1 mm) and read in the page's unit.

#include "report/device/PaperSizes.h"
#include "report/model/TsUnitBase.h"

class TTsPage : public TTsUnitBase {
 public:
  // The values in stored order.
  enum Index { BottomMargin, Length, TopMargin, Width, LeftMargin, RightMargin, ColumnSpace };

  // Letter with 0.5-inch margins in Inches where the system measures in US units,
  // otherwise A4 with 10-mm margins in MM; one column, no column space.
  TTsPage();

  // Length and Width are accepted only while the paper is Custom.
  void SetValue(int index, long double value) override;

  int Columns() const { return m_columns; }
  // A count of 0 or less is ignored.
  void SetColumns(int columns);

  TTsOrientation Orientation() const { return m_orientation; }
  // Re-applies the paper size, so width and length swap.
  void SetOrientation(TTsOrientation orientation);

  TTsPaperSize PaperSize() const { return m_paperSize; }
  // A fixed size sets Width and Length from the paper table; Default and Custom only
  // record the choice.
  void SetPaperSize(TTsPaperSize paperSize);

  bool Ruler() const { return m_ruler; }
  void SetRuler(bool ruler) { m_ruler = ruler; }

 private:
  void ApplyPaperSize();

  int m_columns = 1;
  TTsOrientation m_orientation = TTsOrientation::poPortrait;
  TTsPaperSize m_paperSize = TTsPaperSize::Letter;
  bool m_ruler = true;
};
