// Fuzz target for the document reader: any bytes are loaded as a document file through the
// same reader the program uses. Loading must end in success or a refusal, never in a crash,
// a leak or a hang; a document that loaded must save, and what it saves must load again.
#include "document/ArdoDoc.h"
#include "platform/Archive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CArdoDoc doc;
    try {
        doc.LoadFromBytes(std::span<const uint8_t>(data, size));
    } catch (const CArchiveException&) {
        if (!doc.Background().empty() || !doc.Objects().empty()) {
            std::fputs("refused document kept objects\n", stderr);
            std::abort();
        }
        return 0;
    }
    const std::vector<uint8_t> saved = doc.SaveToBytes();
    CArdoDoc reread;
    try {
        reread.LoadFromBytes(saved);
    } catch (const CArchiveException& e) {
        std::fprintf(stderr, "a saved document does not load again: %s\n", e.what());
        std::abort();
    }
    if (reread.Background().size() != doc.Background().size() || reread.Objects().size() != doc.Objects().size()) {
        std::fputs("a saved document loads with other lists\n", stderr);
        std::abort();
    }
    return 0;
}
