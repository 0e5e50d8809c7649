#pragma once
// A horizontal strip printed at the report's current print position, with the items
// placed on it.

#include "report/model/TsFont.h"
#include "report/model/TsFrame.h"
#include "report/model/TsSizedComponent.h"

#include <functional>
#include <vector>

class TTsPrintable;

enum class TTsBandType {
  rbTitle, rbPageHeader, rbDetail, rbPageFooter, rbSummary, rbGroupHeader, rbGroupFooter,
  rbSubDetail, rbColumnHeader, rbOverlay, rbChild
};

// Values in stored order: Height, Width.
class TTsBandSize : public TTsUnitBase {
 public:
  enum Index { Height, Width };
  TTsBandSize() : TTsUnitBase({Axis::Vertical, Axis::Horizontal}) {}
};

class TTsBand : public TTsSizedComponent {
 public:
  static constexpr int kNewBandHeight = 40;  // pixels

  // A new band is 40 pixels high and as wide as the page between its margins.
  TTsBand(TCustomReport& report, QString name, TTsBandType bandType);

  TTsBandType BandType;
  QColor Color = Qt::white;
  bool Enabled = true;
  bool AlignToBottom = false;
  bool ForceNewColumn = false;
  bool ForceNewPage = false;
  TTsFrame Frame;
  TTsOwnFont OwnFont;
  // May switch printing off for this band.
  std::function<void(TTsBand&, bool& print)> BeforePrint;
  std::function<void(TTsBand&, bool printed)> AfterPrint;

  const TTsFont& Font() const;

  // The items placed on the band, in the order they were added.
  const std::vector<TTsPrintable*>& Items() const { return m_items; }
  void AddItem(TTsPrintable& item) { m_items.push_back(&item); }

  // Native height and width (the stored Size values).
  long double NativeHeight() const { return NativeBound(Height); }
  long double NativeWidth() const { return NativeBound(Width); }

  // How far auto-stretching labels have grown the band during the current print (native).
  long double Expansion = 0;

  // A stored pixel height other than 40 wins while the band is still 40 pixels high.
  void Loaded() override;

 private:
  std::vector<TTsPrintable*> m_items;
};
