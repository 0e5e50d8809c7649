#include "report/model/CustomReport.h"

#include "report/device/ScreenResolution.h"
#include "report/device/TsPrinter.h"
#include "report/model/TsBand.h"
#include "report/model/TsLabel.h"
#include "report/model/TsShape.h"

#include <stdexcept>

TCustomReport::TCustomReport(QObject* parent)
    : QObject(parent),
      m_units(LocaleDefaultUnit()),
      m_font(DefaultReportFont()),
      m_referenceContext(ScreenPixelsPerInch()) {
  m_page.SetCharacterFontSize([this] { return m_font.size; });
  Functions.insert(QStringLiteral("PAGENUMBER"), QStringLiteral("0"));
  Functions.insert(QStringLiteral("COLUMNNUMBER"), QStringLiteral("0"));
  Functions.insert(QStringLiteral("REPORTTITLE"), QStringLiteral("''"));
}

TCustomReport::~TCustomReport() = default;

void TCustomReport::SetUnits(TTsUnit units) {
  m_units = units;
  m_page.SetUnits(units);
  for (const auto& component : m_components) {
    if (auto* sized = dynamic_cast<TTsSizedComponent*>(component.get())) sized->Size().SetUnits(units);
  }
}

void TCustomReport::SetZoom(int zoom) {
  if (zoom <= 0) return;
  m_zoom = zoom;
  for (const auto& component : m_components) component->ZoomChanged();
}

void TCustomReport::SetFont(const TTsFont& font) {
  m_font = font;
  for (const auto& component : m_components) {
    if (auto* label = dynamic_cast<TTsCustomLabel*>(component.get())) label->FormatLines();
  }
}

template <typename T>
T& TCustomReport::AddComponent(std::unique_ptr<T> component) {
  if (!component->Name().isEmpty() && FindComponent(component->Name()) != nullptr) {
    throw std::invalid_argument("The report already has a component named \"" +
                                component->Name().toStdString() + "\".");
  }
  T& added = *component;
  m_components.push_back(std::move(component));
  return added;
}

TTsBand& TCustomReport::AddBand(const QString& name, TTsBandType bandType) {
  TTsBand& band = AddComponent(std::make_unique<TTsBand>(*this, name, bandType));
  m_bands.push_back(&band);
  return band;
}

TTsLabel& TCustomReport::AddLabel(const QString& name, TTsBand* band) {
  TTsLabel& label = AddComponent(std::make_unique<TTsLabel>(*this, name, band));
  if (band != nullptr) band->AddItem(label); else m_items.push_back(&label);
  return label;
}

TTsShape& TCustomReport::AddShape(const QString& name, TTsBand* band) {
  TTsShape& shape = AddComponent(std::make_unique<TTsShape>(*this, name, band));
  if (band != nullptr) band->AddItem(shape); else m_items.push_back(&shape);
  return shape;
}

TTsComponent* TCustomReport::FindComponent(const QString& name) const {
  for (const auto& component : m_components) {
    if (component->Name() == name) return component.get();
  }
  return nullptr;
}

template <typename T>
T* TCustomReport::FindAs(const QString& name) const {
  return dynamic_cast<T*>(FindComponent(name));
}

TTsLabel* TCustomReport::FindLabel(const QString& name) const { return FindAs<TTsLabel>(name); }
TTsBand* TCustomReport::FindBand(const QString& name) const { return FindAs<TTsBand>(name); }
TTsShape* TCustomReport::FindShape(const QString& name) const { return FindAs<TTsShape>(name); }

TTsBand* TCustomReport::BandOfType(TTsBandType bandType) const {
  for (TTsBand* band : m_bands) {
    if (band->BandType == bandType) return band;
  }
  return nullptr;
}

void TCustomReport::EndLoading() {
  m_loading = false;
  for (const auto& component : m_components) component->Loaded();
}

void TCustomReport::SetDevice(std::unique_ptr<TTsPrinter> device) { m_device = std::move(device); }

std::unique_ptr<TTsPrinter> TCustomReport::TakeDevice() { return std::move(m_device); }

std::unique_ptr<TTsPrinter> TCustomReport::NewDevice() const {
  auto device = std::make_unique<TTsPrinter>();
  device->AfterPreviewClosed = [this] {
    if (AfterPreview) AfterPreview();
  };
  device->AfterPrint = [this] {
    if (AfterPrint) AfterPrint();
  };
  device->AfterSave = [this] {
    if (AfterSave) AfterSave();
  };
  return device;
}
