// The header of a plan file: magic "AMF", two text blocks, the numbered header parameters,
// the auxiliary array, the extent values (plot paper size) and at most one annotation text.
// The parameter values persist for the whole run: a parameter a file does not carry keeps
// the value the previous import gave it.
#pragma once

#include "plan/PlanReader.h"

#include <array>
#include <string>
#include <vector>

constexpr int kPlanMaxParameter = 40;
constexpr int kPlanMaxExtents = 5;

// Header parameters that change the import.
enum PlanParameter {
    PLAN_ARC_RESOLUTION = 3,  // divisor of the arc step rule
    PLAN_AUX_LENGTH = 21,     // floats in the auxiliary array
    PLAN_SHEET_MODE = 26,     // -1, 2, 3, 4: size the sheet from the plot
    PLAN_STOP_FLAG = 31,      // not 0: the stream ends after its first record
    PLAN_TEXT_SWITCH = 32,    // 0: the stream ends after the next text record
    PLAN_PAGE_SWITCH = 33,    // 0: the stream ends after the next record P
};

// Parameters 0 ... 40; 0 and 1 are never carried by a file.
using PlanParameters = std::array<float, kPlanMaxParameter + 1>;

struct PlanHeader {
    std::string text1;
    std::string text2;
    int parameterCount = 0;  // N: parameters 2 ... N came from the file
    std::vector<float> auxiliary;
    int extentCount = 0;                           // K
    std::array<float, kPlanMaxExtents> extents{};  // 1 = plot width, 2 = plot height (mm)
    std::string annotation;                        // the single annotation text, if any

    float PlotWidth() const { return extents[1]; }
    float PlotHeight() const { return extents[2]; }
};

enum class PlanHeaderStatus { valid, notAPlan, invalid };

// Reads the header. The parameters read are stored in `params` only when the whole header
// is valid, so a damaged file cannot change what later imports see.
PlanHeaderStatus ReadPlanHeader(PlanRecordReader& reader, PlanHeader& header, PlanParameters& params);

// Sheet modes that size the sheet from the plot paper.
bool PlanSheetModeSizesSheet(float mode);
