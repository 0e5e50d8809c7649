#pragma once
// Steps shared by the male and the female body-fat computation.

#include <array>
#include <cstdint>

// The three measurements brought to the quarter inch, their sum divided by 3 in extended
// precision, and the quotient brought to the quarter inch.
double AverageOfThree(const std::array<double, 3>& measurements);

// Age bracket of the body-fat maximum: 20 or less is 1, 21 to 27 is 2, 28 to 39 is 3,
// 40 and over is 4.
int BodyFatBracket(int32_t age);
