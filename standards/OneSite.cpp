#include "standards/OneSite.h"

#include "standards/BodyFatSteps.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace {

constexpr int32_t kHundredthsPerHalfInch = 50;
constexpr int32_t kHalvesPerInch = 2;
constexpr int kUsedMeasurements = 3;
// The equation's terms in 1/kBodyFatScale percent: a coefficient in ten-thousandths times
// pounds gains a factor 10; times half inches it gains 10 / 2.
constexpr int64_t kPerCoefficient = kBodyFatScale / OneSiteEquation::kScale;
static_assert(kPerCoefficient % kHalvesPerInch == 0);

// Division rounding toward minus infinity.
int64_t FloorDiv(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

int32_t Spread(std::span<const int32_t> halves) {
  const auto [low, high] = std::minmax_element(halves.begin(), halves.end());
  return *high - *low;
}

// More than one inch apart.
bool TooFarApart(std::span<const int32_t> halves) { return Spread(halves) > kHalvesPerInch; }

// Of four measurements the one to leave out so that the other three lie closest together
// (the smallest spread). When the lowest three and the highest three spread alike, the
// highest is left out: the lower average is the soldier's benefit of the doubt, as the
// rounding down of the average is.
int SetAside(const std::array<int32_t, 4>& halves) {
  std::array<int, 4> order{};
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return halves[a] < halves[b]; });
  const int32_t lowerSpread = halves[order[2]] - halves[order[0]];
  const int32_t upperSpread = halves[order[3]] - halves[order[1]];
  return upperSpread < lowerSpread ? order[0] : order[3];
}

// value / 10^decimals written out with at least minDecimals decimals and no trailing zeros
// beyond them.
std::string FormatDecimal(int64_t value, int decimals, int minDecimals) {
  const bool negative = value < 0;
  // The magnitude as digits, at least one before the point.
  std::string digits = std::to_string(value);
  if (negative) digits.erase(0, 1);
  if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string fraction = digits.substr(digits.size() - decimals);
  while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0') fraction.pop_back();
  std::string text = (negative ? "-" : "") + digits.substr(0, digits.size() - decimals);
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace

int32_t ToHalfInches(double inches) {
  const auto hundredths = static_cast<int32_t>(std::llround(inches * 100));
  return static_cast<int32_t>(FloorDiv(hundredths + kHundredthsPerHalfInch / 2, kHundredthsPerHalfInch));
}

bool NeedsFourthMeasurement(std::span<const double, 3> firstThree) {
  std::array<int32_t, 3> halves{};
  std::transform(firstThree.begin(), firstThree.end(), halves.begin(), ToHalfInches);
  return TooFarApart(halves);
}

std::optional<OneSiteResult> ComputeOneSiteBodyFat(Sex sex, int32_t age, int32_t weight,
                                                   std::span<const double> measurements) {
  if (measurements.size() < 3 || measurements.size() > 4)
    throw std::invalid_argument("the one-site method takes three or four measurements");
  if (weight < 0 || weight > kOneSiteMaxWeight) throw std::invalid_argument("weight outside the method's range");
  for (double inches : measurements) {
    if (!(inches > 0 && inches <= kOneSiteMaxInches))
      throw std::invalid_argument("measurement outside the method's range");
  }

  OneSiteResult result;
  result.sex = sex;
  result.weight = weight;
  result.equation = OneSiteTable.At(sex == Sex::Male ? 1 : 2);
  result.count = kUsedMeasurements;
  for (int i = 0; i < kUsedMeasurements; ++i) result.halfInches[i] = ToHalfInches(measurements[i]);
  if (TooFarApart(std::span(result.halfInches).first(kUsedMeasurements))) {
    if (measurements.size() < 4) return std::nullopt;
    result.count = 4;
    result.halfInches[3] = ToHalfInches(measurements[3]);
    result.setAside = SetAside(result.halfInches);
  }

  for (int i = 0; i < result.count; ++i) {
    result.typed[i] = measurements[i];
    if (i != result.setAside) result.sumOfThree += result.halfInches[i];
  }
  result.averageHalfInches = result.sumOfThree / kUsedMeasurements;  // positive: rounds down

  const OneSiteEquation& equation = result.equation;
  result.bodyFat = kPerCoefficient * equation.Intercept + kPerCoefficient * equation.PerPound * weight +
                   kPerCoefficient / kHalvesPerInch * equation.PerInch * result.averageHalfInches;
  result.roundedBodyFat = FloorDiv(result.bodyFat + kBodyFatScale / 2, kBodyFatScale);

  const StandardEntry& maximum = StandardTable.At(BodyFatBracket(age));
  result.maxBodyFat = sex == Sex::Male ? maximum.Men : maximum.Women;
  result.within = result.roundedBodyFat <= result.maxBodyFat;
  return result;
}

std::string FormatHalfInches(int32_t halfInches) {
  return FormatDecimal(int64_t{halfInches} * kHundredthsPerHalfInch, 2, 2);
}

std::string FormatAverageOfThree(int32_t sumHalfInches) {
  // sum x 50 / 3 hundredths, to the nearest: a third never falls on a half hundredth.
  const int64_t sixths = int64_t{sumHalfInches} * kHundredthsPerHalfInch * 2;
  return FormatDecimal(FloorDiv(sixths + kUsedMeasurements, 2 * kUsedMeasurements), 2, 2);
}

std::string FormatBodyFat(int64_t bodyFat) {
  return FormatDecimal(FloorDiv(bodyFat, kBodyFatScale / 100), 2, 2);
}

std::string FormatCoefficientMagnitude(int64_t coefficient) {
  return FormatDecimal(coefficient < 0 ? -coefficient : coefficient, OneSiteEquation::kDecimals, 2);
}
