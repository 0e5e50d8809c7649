#include "standards/Rounding.h"

#include "standards/Calculate.h"

#include <cmath>

// The fraction of the float (not of the typed decimal) is compared with the program's
// thresholds; the first range that holds it wins, so the overlaps go to the lower bin.
float RoundFloatToQuarter(float v) {
  const float whole = std::trunc(v);
  const double fraction = v - whole;  // exact in float
  if (fraction > 0 && fraction < 0.13) return whole;
  if (fraction > 0.12 && fraction < 0.37) return whole + 0.25f;
  if (fraction > 0.36 && fraction < 0.63) return whole + 0.5f;
  if (fraction > 0.62 && fraction < 0.86) return whole + 0.75f;
  if (fraction > 0.85) return whole + 1.0f;
  return v;  // on a whole inch already, or negative
}

float RoundToQuarter(double x) { return RoundFloatToQuarter(static_cast<float>(x)); }
