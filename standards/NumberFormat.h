#pragma once
// The program's "##0.00" number format for percentages, measurements and factors.

#include <string>

// At least one digit before the point, exactly two after it, no grouping, a point as the
// decimal separator and a leading minus for negative values. The value is rounded to two
// decimals, halves away from zero, on its decimal value (the double written to 15
// significant digits), so 2.675 gives "2.68". A negative value that rounds to zero gives
// "0.00". Not-a-number gives "NAN", infinities "INF" and "-INF".
std::string FormatFixed2(double value);
