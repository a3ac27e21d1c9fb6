// Texts derived from the drawing scale and the display unit.
#pragma once

#include <string>

// "1:%0.0f" when the scale is within 0.001 of a whole number, else "1:%0.2f".
std::string FormatScaleText(float scale);

// "mm", "cm" or "m" for the divisors 1, 10 and 1000; "-" for any other.
const char* UnitLabel(int unitDivisor);
