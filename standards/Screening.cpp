#include "standards/Calculate.h"
#include "standards/Tables.h"

#include <cmath>

namespace {

// Screening age bracket: 17 to 20 is 1, 21 to 27 is 2, 28 to 39 is 3, and every other
// age (40 and over, and below 17) is 4.
int ScreeningBracket(int32_t age) {
  if (age >= 17 && age <= 20) return 1;
  if (age >= 21 && age <= 27) return 2;
  if (age >= 28 && age <= 39) return 3;
  return 4;
}

// Nearest whole inch, an exact half going to the even inch.
double NearestInchHalfToEven(double height) {
  if (std::fabs(height - std::trunc(height)) == 0.5) return 2 * std::round(height / 2);
  return std::round(height);
}

constexpr int kColumnsPerSex = 4;

}  // namespace

ScreeningResult ExceedsScreeningWeight(TSoldierData& soldier, Sex sex) {
  const double row = NearestInchHalfToEven(soldier.Height);
  if (!(row >= TScreenTable::FirstKey && row <= TScreenTable::LastKey)) {
    // The heights whose nearest inch has a row.
    return {false, OutOfTable{"Height", soldier.Height, TScreenTable::FirstKey - 0.5,
                              TScreenTable::LastKey + 0.5, "inches"}};
  }
  const int column = ScreeningBracket(soldier.Age) + (sex == Sex::Female ? kColumnsPerSex : 0);
  soldier.MaxWeight = ScreenTable.At(static_cast<int>(row))[column - 1];
  return {soldier.Weight > soldier.MaxWeight, std::nullopt};
}
