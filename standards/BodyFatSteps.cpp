#include "standards/BodyFatSteps.h"

#include "standards/Calculate.h"
#include "standards/Rounding.h"

double AverageOfThree(const std::array<double, 3>& measurements) {
  long double sum = 0;
  for (double measurement : measurements) sum += RoundToQuarter(measurement);
  return RoundFloatToQuarter(static_cast<float>(sum / 3));
}

int BodyFatBracket(int32_t age) {
  if (age <= 20) return 1;
  if (age <= 27) return 2;
  if (age <= 39) return 3;
  return 4;
}
