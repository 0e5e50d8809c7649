#include "report/model/TsPrintable.h"

#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"
#include "report/model/TsBand.h"

TTsPrintable::TTsPrintable(TCustomReport& report, QString name, TTsBand* parentBand)
    : TTsSizedComponent(report, std::move(name), std::make_unique<TTsPrintableSize>(),
                        {TTsPrintableSize::Left, TTsPrintableSize::Top, TTsPrintableSize::Width,
                         TTsPrintableSize::Height}),
      m_parentBand(parentBand) {}

void TTsPrintable::SetAlignment(TTsAlignment alignment) {
  m_alignment = alignment;
  AlignIt();
}

void TTsPrintable::SetAlignToBand(bool alignToBand) {
  m_alignToBand = alignToBand;
  AlignIt();
}

void TTsPrintable::AlignIt() {
  if (!m_alignToBand || m_parentBand == nullptr || Report().IsLoading()) return;
  const int room = m_parentBand->Bound(Width) - Bound(Width);
  switch (m_alignment) {
    case TTsAlignment::taLeftJustify: SetBound(Left, 0); break;
    case TTsAlignment::taRightJustify: SetBound(Left, room); break;
    case TTsAlignment::taCenter: SetBound(Left, room / 2); break;
  }
}

void TTsPrintable::Prepare(TTsPrinter& device) {
  m_isPrinting = true;
  m_device = &device;
}

void TTsPrintable::Print(long double x, long double y) {
  const long double left = x + NativeBound(Left);
  const long double top = y + NativeBound(Top);
  PaintFrame(left, top, left + NativeBound(Width), top + NativeBound(Height));
}

void TTsPrintable::PaintFrame(long double left, long double top, long double right,
                              long double bottom) const {
  if (!Frame.AnyFrame()) return;
  const TTsPrinter& device = *m_device;
  Frame.PaintIt(*m_device->Canvas(), device.XPos(left), device.YPos(top), device.XPos(right),
                device.YPos(bottom), device.XFactor(), device.YFactor());
}

void TTsPrintable::Unprepare() {
  m_isPrinting = false;
  m_device = nullptr;
}
