#include "document/ScaleText.h"

#include <cmath>
#include <cstdio>

std::string FormatScaleText(float scale) {
    char text[64];
    const bool whole = std::fabs(scale - std::trunc(scale)) < 0.001f;
    std::snprintf(text, sizeof text, whole ? "1:%0.0f" : "1:%0.2f", double(scale));
    return text;
}

const char* UnitLabel(int unitDivisor) {
    switch (unitDivisor) {
    case 1: return "mm";
    case 10: return "cm";
    case 1000: return "m";
    default: return "-";
    }
}
