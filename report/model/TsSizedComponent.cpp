#include "report/model/TsSizedComponent.h"

#include "report/model/CustomReport.h"

#include <cmath>

TTsSizedComponent::TTsSizedComponent(TCustomReport& report, QString name,
                                     std::unique_ptr<TTsUnitBase> size,
                                     std::array<int, 4> sizeIndex)
    : TTsComponent(report, std::move(name)), m_size(std::move(size)), m_sizeIndex(sizeIndex) {
  m_size->SetUnits(report.Units());
  m_size->SetZoom(report.Zoom());
  m_size->SetCharacterFontSize([&report] { return report.Font().size; });
  m_size->OnChanged = [this] { SetParentSizes(); };
}

long double TTsSizedComponent::NativeBound(Side side) const {
  const int index = m_sizeIndex[side];
  return index < 0 ? 0.0L : m_size->Native(index);
}

int TTsSizedComponent::PixelsOf(Side side) const {
  const int index = m_sizeIndex[side];
  return static_cast<int>(std::nearbyintl(m_size->ToPixels(m_size->Native(index), index)));
}

void TTsSizedComponent::SetBound(Side side, int pixels) {
  if (Report().IsLoading()) {
    m_loaded[side] = pixels;
    return;
  }
  if (m_bounds[side] == pixels) return;
  m_bounds[side] = pixels;
  const int index = m_sizeIndex[side];
  if (index >= 0) m_size->StoreNative(index, m_size->FromPixels(pixels, index));
  BoundsChanged();
}

void TTsSizedComponent::SetBounds(int left, int top, int width, int height) {
  SetBound(Left, left);
  SetBound(Top, top);
  SetBound(Width, width);
  SetBound(Height, height);
}

// Size changed: the pixel bounds follow, and nothing is written back into Size.
void TTsSizedComponent::SetParentSizes() {
  if (Report().IsLoading()) return;
  const std::array<int, 4> before = m_bounds;
  InitBoundsFromSize();
  if (m_bounds != before) BoundsChanged();
}

void TTsSizedComponent::InitBoundsFromSize() {
  for (Side side : {Left, Top, Width, Height}) {
    if (m_sizeIndex[side] >= 0) m_bounds[side] = PixelsOf(side);
  }
}

void TTsSizedComponent::Loaded() {
  InitBoundsFromSize();
  for (Side side : {Left, Top, Width, Height}) {
    const int index = m_sizeIndex[side];
    if (index < 0) {
      m_bounds[side] = m_loaded[side];
    } else if (m_bounds[side] == 0 && m_loaded[side] != 0) {
      m_bounds[side] = m_loaded[side];
      m_size->StoreNative(index, m_size->FromPixels(m_loaded[side], index));
    }
  }
  BoundsChanged();
}

void TTsSizedComponent::ZoomChanged() {
  m_size->SetZoom(Report().Zoom());
}
