// The document file (".cpr"): the archive CArdoDoc::Serialize reads. It is the reader of
// every file that no other reader takes, whatever its name.
#pragma once

#include "document/DocumentFormats.h"

class DocumentFileReader : public DocumentReader {
public:
    bool Accepts(const std::string& path, std::span<const uint8_t> head) const override;
    bool Imports() const override { return false; }
    // A damaged or unreadable file leaves doc without objects and says why in the words
    // of DocumentErrorText.
    ReadResult Read(CArdoDoc& doc, const std::string& path) const override;
};
