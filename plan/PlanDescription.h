// Readable plan descriptions (data/plans/*.plan, documented in data/plans/README.md),
// compiled into the records of a plan file. The sample plans the program ships are
// written this way and turned into ".cap" files at build time.
#pragma once

#include "plan/PlanWriter.h"

#include <istream>
#include <string>

// What a description should import as; a sample imports with nothing dropped when the
// import's report matches these counts.
struct PlanDescriptionCounts {
    int lines = 0;
    int polylines = 0;
    int polygons = 0;
    int texts = 0;
    int Objects() const { return lines + polylines + polygons + texts; }
};

// Compiles a description into writer. On a mistake returns false with "line N: why" in error.
bool CompilePlanDescription(std::istream& in, PlanWriter& writer, PlanDescriptionCounts& counts, std::string& error);
