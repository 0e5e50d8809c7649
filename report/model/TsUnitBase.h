#pragma once
// The common base of the report's geometry holders (page, band size, item size): a fixed
// list of values held in native units (0.1 mm), read and written in the holder's unit.

#include "report/model/TsUnits.h"

#include <functional>
#include <initializer_list>
#include <vector>

class TTsUnitBase {
 public:
  enum class Axis { Horizontal, Vertical };

  // One axis per value, in the holder's stored order.
  explicit TTsUnitBase(std::initializer_list<Axis> axes);
  virtual ~TTsUnitBase() = default;
  TTsUnitBase(const TTsUnitBase&) = delete;
  TTsUnitBase& operator=(const TTsUnitBase&) = delete;

  TTsUnit Units() const { return m_units; }
  void SetUnits(TTsUnit units) { m_units = units; }
  // Switch to Pixels, remembering the current unit; RestoreUnits goes back to it.
  void SwitchToPixels();
  void RestoreUnits();

  long double Resolution() const { return m_resolution; }
  int Zoom() const { return m_zoom; }
  void SetZoom(int zoom);

  // The report font size used by the Characters unit (10 points until a report sets it).
  void SetCharacterFontSize(std::function<int()> fontSize) { m_fontSize = std::move(fontSize); }

  int Count() const { return static_cast<int>(m_values.size()); }
  // A value in the holder's current unit; setting it notifies the owner.
  long double Value(int index) const;
  virtual void SetValue(int index, long double value);
  // The value in native units.
  long double Native(int index) const { return m_values[static_cast<size_t>(index)]; }
  // All values in native units, in stored order (the stored property "Values").
  const std::vector<long double>& Values() const { return m_values; }
  // Replaces the stored values (loading); a list of another length is refused (false).
  bool SetValues(const std::vector<long double>& natives);

  // Stores a native value without notifying the owner (the owner writing back its bounds).
  void StoreNative(int index, long double native);

  long double ToPixels(long double native, int index) const;
  long double FromPixels(long double pixels, int index) const;

  // Called after any value changed (the owner recomputes its pixel bounds).
  std::function<void()> OnChanged;

 protected:
  TTsUnitContext Context(int index) const;
  void NotifyChanged();

 private:
  std::vector<long double> m_values;
  std::vector<Axis> m_axes;
  TTsUnit m_units;
  TTsUnit m_savedUnits;
  long double m_resolution;
  int m_zoom = 100;
  std::function<int()> m_fontSize;
};
