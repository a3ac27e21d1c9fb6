// The large sample plan (data/plans/large.plan: over 100,000 records, about 53,000 objects)
// compiled once into plot-file bytes, for the benchmarks that import it.
#pragma once

#include "plan/PlanDescription.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

inline const std::vector<uint8_t>& LargePlanBytes() {
    static const std::vector<uint8_t> bytes = [] {
        const auto source = std::filesystem::path(__FILE__).parent_path().parent_path() / "data/plans/large.plan";
        std::ifstream in(source);
        if (!in) {
            // An empty description would compile to an empty plan and time nothing.
            std::fprintf(stderr, "cannot read %s\n", source.string().c_str());
            std::abort();
        }
        PlanWriter writer;
        PlanDescriptionCounts counts;
        std::string error;
        if (!CompilePlanDescription(in, writer, counts, error)) {
            std::fprintf(stderr, "large.plan: %s\n", error.c_str());
            std::abort();
        }
        return writer.Bytes();
    }();
    return bytes;
}
