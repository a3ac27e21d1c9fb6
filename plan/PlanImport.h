// Plan import: reads a binary plot metafile (".cap") into a document, replacing its
// background objects by the plan's lines, polylines, polygons and texts, and sizing the
// sheet from the plot paper when the file asks for it.
#pragma once

#include "plan/PlanHeader.h"
#include "plan/PlanPath.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <span>
#include <string>

class CArdoDoc;

// String numbers of the import.
constexpr int IDS_PLAN_READ_ERROR_CAPTION = 57449;  // "Lesefehler"
constexpr int IDS_PLAN_NOT_A_PLAN = 57450;
constexpr int IDS_PLAN_DEFAULT_EXT = 57451;  // file dialog: "*.cap"
constexpr int IDS_PLAN_FILTER = 57452;       // file dialog filter
constexpr int IDS_PLAN_READING = 57492;      // "Datei wird eingelesen ..."

// How the record stream ended.
enum class PlanStreamEnd {
    notRead,  // the header was not valid, or the file could not be read
    endOfFile,
    endRecord,    // N, O or Z
    unknownCode,  // a code the import does not know
    cutShort,     // a payload longer than what is left of the file
    stopFlag,     // header parameter 31
    textEnd,      // record M with a length below 1, or the text switch (parameter 32)
    pageEnd,      // record P with a value below 1, or the page switch (parameter 33)
};

// What one import did; for tests, the sample plan tool and the command line.
struct PlanImportReport {
    bool opened = false;  // the file was opened and its first block read
    // Why the file could not be opened (a CFileException), when it was a file that failed.
    std::exception_ptr openError;
    PlanHeaderStatus header = PlanHeaderStatus::invalid;
    PlanHeader headerData;
    PlanStreamEnd end = PlanStreamEnd::notRead;
    uint8_t endCode = 0;  // the code of the record that ended the stream
    int records = 0;      // records acted on (code 0 not counted)
    int texts = 0;
    PlanPathCounts paths;
    // The header parameters the import worked with: the values it started from, replaced by
    // those the file carries when its header is valid.
    PlanParameters parameters{};

    int Objects() const { return paths.lines + paths.polylines + paths.polygons + texts; }
};

// Asks the user for a plan file; an empty name means the dialog was cancelled. The shell's
// dialog uses the default extension IDS_PLAN_DEFAULT_EXT and the filter IDS_PLAN_FILTER.
using PlanFileDialog = std::function<std::string()>;

// Reads the plan file `fileName` into doc. With an empty name, askFile (when given) names
// the file; no name at all gives -1. Otherwise the result is 0, also when the file could
// not be read or was not a plan (that case shows message 57450). Header parameters the file
// does not carry keep the values of `start` (all 0 unless a caller hands on those of an
// earlier import's report).
int ImportPlan(CArdoDoc& doc, const std::string& fileName, PlanImportReport* report = nullptr,
               const PlanFileDialog& askFile = {}, const PlanParameters& start = PlanParameters{});

// The same import from bytes in memory (tests, the fuzz target, benchmarks).
int ImportPlanBytes(CArdoDoc& doc, std::span<const uint8_t> bytes, PlanImportReport* report = nullptr,
                    const PlanParameters& start = PlanParameters{});
