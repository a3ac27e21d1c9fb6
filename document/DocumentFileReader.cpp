#include "document/DocumentFileReader.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"

// Document files carry no signature that could tell them from other data: the archive
// reader finds out while reading.
bool DocumentFileReader::Accepts(const std::string&, std::span<const uint8_t>) const { return true; }

ReadResult DocumentFileReader::Read(CArdoDoc& doc, const std::string& path) const {
    try {
        doc.ReadDocumentFile(path);
        return {};
    } catch (...) {
        return {false, DocumentErrorText(std::current_exception(), FileOperation::load, path)};
    }
}
