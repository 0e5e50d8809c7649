#pragma once
// A component with pixel bounds kept in step with its native Size values: pixel bounds are
// ints at the Size holder's resolution and zoom; changing one writes it back into Size, and
// changing Size recomputes the bounds.

#include "report/model/TsComponent.h"
#include "report/model/TsUnitBase.h"

#include <array>
#include <memory>

class TTsSizedComponent : public TTsComponent {
 public:
  enum Side { Left, Top, Width, Height };

  int Bound(Side side) const { return m_bounds[side]; }
  // Sets a pixel bound and writes it back into Size. While a layout loads, the value is
  // only remembered (see Loaded).
  void SetBound(Side side, int pixels);
  void SetBounds(int left, int top, int width, int height);

  TTsUnitBase& Size() { return *m_size; }
  const TTsUnitBase& Size() const { return *m_size; }
  // The native value behind a side; 0 for a side Size does not hold.
  long double NativeBound(Side side) const;

  // The loading rule: the native values become the pixel bounds; a remembered pixel value
  // is used only for a side whose converted value is 0 while the remembered one is not.
  void Loaded() override;
  void ZoomChanged() override;

 protected:
  // sizeIndex gives, per side, the index of its value in Size, or -1 when Size does not
  // hold that side.
  TTsSizedComponent(TCustomReport& report, QString name, std::unique_ptr<TTsUnitBase> size,
                    std::array<int, 4> sizeIndex);

  // Sets the pixel bounds from Size, writing nothing back.
  void InitBoundsFromSize();
  // Runs after a bound changed (not while loading).
  virtual void BoundsChanged() {}
  int LoadedBound(Side side) const { return m_loaded[side]; }

 private:
  void SetParentSizes();
  int PixelsOf(Side side) const;

  std::unique_ptr<TTsUnitBase> m_size;
  std::array<int, 4> m_sizeIndex;
  std::array<int, 4> m_bounds{};
  std::array<int, 4> m_loaded{};
};
