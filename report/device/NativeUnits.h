#pragma once
// The report engine's native unit is a tenth of a millimetre.

constexpr long double kNativePerInch = 254;
constexpr long double kNativePerMillimetre = 10;
