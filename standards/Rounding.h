#pragma once
// Quarter-inch rounding of a length already narrowed to a 32-bit float.

float RoundFloatToQuarter(float v);
