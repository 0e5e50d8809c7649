#pragma once
// The one-site tape method: body fat from the weight and the abdominal circumference at the
// navel through the equation of OneSiteTable, compared with the maximum of StandardTable.
// Worked in whole numbers throughout, so every rounding edge falls exactly where the method
// puts it: lengths in half inches, body fat in hundred-thousandths of a percent.

#include "standards/Records.h"
#include "standards/Tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Units of the exact body fat per percent.
inline constexpr int64_t kBodyFatScale = 100000;

// The largest weight (pounds) and measurement (inches) the computation takes.
inline constexpr int32_t kOneSiteMaxWeight = 99999;
inline constexpr double kOneSiteMaxInches = 9999.99;

// A measurement as typed (inches, at most two decimals) brought to the nearest half inch,
// in half inches; a value on a quarter (34.25, 34.75) goes up to the next half.
int32_t ToHalfInches(double inches);

// Whether the first three measurements, each on the half inch, spread (largest less
// smallest) by more than one inch, so that a fourth is taken.
bool NeedsFourthMeasurement(std::span<const double, 3> firstThree);

struct OneSiteResult {
  Sex sex = Sex::Male;
  int32_t weight = 0;                    // pounds
  OneSiteEquation equation;              // the sex's equation as the table gave it
  std::array<double, 4> typed{};         // the measurements taken, as given (inches); 0 if not taken
  std::array<int32_t, 4> halfInches{};  // the measurements taken, on the half inch
  int count = 0;                         // 3, or 4 when a fourth was needed
  int setAside = -1;                     // the measurement the average leaves out, or -1
  int32_t sumOfThree = 0;                // the three used, in half inches
  int32_t averageHalfInches = 0;         // their average rounded down
  int64_t bodyFat = 0;                   // exact, in 1/kBodyFatScale percent
  int64_t roundedBodyFat = 0;            // whole percent, a half going up
  int32_t maxBodyFat = 0;                // for the age bracket and sex
  bool within = false;                   // the rounded body fat is not above the maximum
};

// The assessment of a soldier of the given sex, age and weight (whole pounds) from three
// or four abdominal measurements as typed. The fourth counts only when the first three need
// it; when they do and there is none, the result is empty. Measurements must be above 0
// and at most kOneSiteMaxInches, the weight from 0 to kOneSiteMaxWeight
// (std::invalid_argument otherwise).
std::optional<OneSiteResult> ComputeOneSiteBodyFat(Sex sex, int32_t age, int32_t weight,
                                                   std::span<const double> measurements);

// Half inches as inches with two decimals: 69 gives "34.50".
std::string FormatHalfInches(int32_t halfInches);
// The exact average of three measurements from their sum in half inches, to the nearest
// hundredth: 206 gives "34.33", 209 gives "34.83".
std::string FormatAverageOfThree(int32_t sumHalfInches);
// An exact body fat with two decimals, cut toward minus infinity after the second: 19.495
// gives "19.49", so the figure shown never passes the half percent that decides the whole.
std::string FormatBodyFat(int64_t bodyFat);
// A coefficient of OneSiteTable without its sign, with two decimals or as many more as it
// has: -26.97 gives "26.97", -0.015 gives "0.015".
std::string FormatCoefficientMagnitude(int64_t coefficient);
