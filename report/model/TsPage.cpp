#include "report/model/TsPage.h"

#include <cmath>

namespace {

// The paper table gives millimetres to the hundredth; this keeps 215.9 mm exactly 2159.
long double MillimetresToNative(double millimetres) {
  return std::roundl(static_cast<long double>(millimetres) * 100) / 10;
}

}  // namespace

TTsPage::TTsPage()
    : TTsUnitBase({Axis::Vertical, Axis::Vertical, Axis::Vertical, Axis::Horizontal,
                   Axis::Horizontal, Axis::Horizontal, Axis::Horizontal}) {
  const bool inches = LocaleMeasuresInInches();
  SetUnits(inches ? TTsUnit::Inches : TTsUnit::MM);
  m_paperSize = inches ? TTsPaperSize::Letter : TTsPaperSize::A4;
  ApplyPaperSize();
  const long double margin = inches ? 127 : 100;
  for (Index side : {BottomMargin, TopMargin, LeftMargin, RightMargin}) StoreNative(side, margin);
}

void TTsPage::SetValue(int index, long double value) {
  if ((index == Length || index == Width) && m_paperSize != TTsPaperSize::Custom) return;
  TTsUnitBase::SetValue(index, value);
}

void TTsPage::SetColumns(int columns) {
  if (columns > 0) m_columns = columns;
}

void TTsPage::SetOrientation(TTsOrientation orientation) {
  m_orientation = orientation;
  ApplyPaperSize();
}

void TTsPage::SetPaperSize(TTsPaperSize paperSize) {
  m_paperSize = paperSize;
  ApplyPaperSize();
}

void TTsPage::ApplyPaperSize() {
  const auto paper = PaperSizeMillimetres(m_paperSize);
  if (!paper) return;
  const bool landscape = m_orientation == TTsOrientation::poLandscape;
  StoreNative(Width, MillimetresToNative(landscape ? paper->length : paper->width));
  StoreNative(Length, MillimetresToNative(landscape ? paper->width : paper->length));
  NotifyChanged();
}
