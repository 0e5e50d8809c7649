#include "report/model/TsUnits.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>

namespace {

// Native units per character cell of the report font, across and down the page.
long double CharacterNatives(const TTsUnitContext& context) {
  const long double size = std::abs(context.fontSize);
  const long double cell = context.horizontal ? 80.0L : 145.3L;
  return cell / size / 2.54L * 10;
}


}  // namespace

long double NativeToUnit(long double x, TTsUnit unit, const TTsUnitContext& context) {
  switch (unit) {
    case TTsUnit::MM: return x / 10;
    case TTsUnit::Inches: return x / 254;
    case TTsUnit::Pixels: return x * context.resolution * context.zoom / (254 * 100);
    case TTsUnit::Characters: return x / CharacterNatives(context);
    case TTsUnit::Native: return x;
  }
  return x;
}

long double UnitToNative(long double x, TTsUnit unit, const TTsUnitContext& context) {
  switch (unit) {
    case TTsUnit::MM: return x * 10;
    case TTsUnit::Inches: return x * 254;
    case TTsUnit::Pixels: return x * 254 * 100 / (context.resolution * context.zoom);
    case TTsUnit::Characters: return x * CharacterNatives(context);
    case TTsUnit::Native: return x;
  }
  return x;
}

bool LocaleMeasuresInInches() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
}

TTsUnit LocaleDefaultUnit() {
  return LocaleMeasuresInInches() ? TTsUnit::Inches : TTsUnit::MM;
}
