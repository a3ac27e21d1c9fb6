// Opening a plot-file plan (".cap"): its content is imported into the new document's
// background (PlanImport.h).
#pragma once

#include "document/DocumentFormats.h"

class PlanImportReader : public DocumentReader {
public:
    // Every ".cap" name (IsPlanFileName), whatever the content: a file that is no plan is
    // still imported, and the import says so. Content alone never makes a plan of a file of
    // another name; such files are read as documents.
    bool Accepts(const std::string& path, std::span<const uint8_t> head) const override;
    bool Imports() const override { return true; }
    // Fails when the file cannot be opened or its header is no plan header.
    ReadResult Read(CArdoDoc& doc, const std::string& path) const override;
};
