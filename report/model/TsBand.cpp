#include "report/model/TsBand.h"

#include "report/model/CustomReport.h"

TTsBand::TTsBand(TCustomReport& report, QString name, TTsBandType bandType)
    : TTsSizedComponent(report, std::move(name), std::make_unique<TTsBandSize>(),
                        {-1, -1, TTsBandSize::Width, TTsBandSize::Height}),
      BandType(bandType) {
  const TTsPage& page = report.Page();
  Size().StoreNative(TTsBandSize::Width, page.Native(TTsPage::Width) -
                                             page.Native(TTsPage::LeftMargin) -
                                             page.Native(TTsPage::RightMargin));
  Size().StoreNative(TTsBandSize::Height, Size().FromPixels(kNewBandHeight, TTsBandSize::Height));
  InitBoundsFromSize();
}

const TTsFont& TTsBand::Font() const { return OwnFont.Resolve(Report().Font()); }

void TTsBand::Loaded() {
  TTsSizedComponent::Loaded();
  const int loadedHeight = LoadedBound(Height);
  if (Bound(Height) == kNewBandHeight && loadedHeight != 0 && loadedHeight != kNewBandHeight) {
    SetBound(Height, loadedHeight);
  }
}
