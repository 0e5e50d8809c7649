#pragma once
// The units in which a program reads and writes report geometry. Every value is held in
// Native units (0.1 mm); reading converts from native to the holder's unit, writing back.

enum class TTsUnit { MM, Inches, Pixels, Characters, Native };

// What a conversion needs besides the value: the screen's pixels per inch captured when the
// holder was created, the zoom percentage, the report font's size in points, and whether
// the value runs across the page (left, width, ...) or down it (top, height, ...).
struct TTsUnitContext {
  long double resolution = 96;
  int zoom = 100;
  int fontSize = 10;
  bool horizontal = true;
};

long double NativeToUnit(long double native, TTsUnit unit, const TTsUnitContext& context);
long double UnitToNative(long double value, TTsUnit unit, const TTsUnitContext& context);

// The unit a new holder starts in: Inches where the system measures in US units, else MM.
TTsUnit LocaleDefaultUnit();
// True when the system's locale uses the US measurement system.
bool LocaleMeasuresInInches();
