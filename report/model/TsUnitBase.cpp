#include "report/model/TsUnitBase.h"

#include "report/device/ScreenResolution.h"

TTsUnitBase::TTsUnitBase(std::initializer_list<Axis> axes)
    : m_values(axes.size(), 0.0L),
      m_axes(axes),
      m_units(LocaleDefaultUnit()),
      m_savedUnits(m_units),
      m_resolution(ScreenPixelsPerInch()) {}

void TTsUnitBase::SwitchToPixels() {
  m_savedUnits = m_units;
  m_units = TTsUnit::Pixels;
}

void TTsUnitBase::RestoreUnits() { m_units = m_savedUnits; }

void TTsUnitBase::SetZoom(int zoom) {
  if (zoom <= 0 || zoom == m_zoom) return;
  m_zoom = zoom;
  NotifyChanged();
}

TTsUnitContext TTsUnitBase::Context(int index) const {
  TTsUnitContext context;
  context.resolution = m_resolution;
  context.zoom = m_zoom;
  context.fontSize = m_fontSize ? m_fontSize() : 10;
  context.horizontal = m_axes[static_cast<size_t>(index)] == Axis::Horizontal;
  return context;
}

long double TTsUnitBase::Value(int index) const {
  return NativeToUnit(Native(index), m_units, Context(index));
}

void TTsUnitBase::SetValue(int index, long double value) {
  StoreNative(index, UnitToNative(value, m_units, Context(index)));
  NotifyChanged();
}

bool TTsUnitBase::SetValues(const std::vector<long double>& natives) {
  if (natives.size() != m_values.size()) return false;
  m_values = natives;
  NotifyChanged();
  return true;
}

long double TTsUnitBase::ToPixels(long double native, int index) const {
  return NativeToUnit(native, TTsUnit::Pixels, Context(index));
}

long double TTsUnitBase::FromPixels(long double pixels, int index) const {
  return UnitToNative(pixels, TTsUnit::Pixels, Context(index));
}

void TTsUnitBase::StoreNative(int index, long double native) {
  m_values[static_cast<size_t>(index)] = native;
}

void TTsUnitBase::NotifyChanged() {
  if (OnChanged) OnChanged();
}
