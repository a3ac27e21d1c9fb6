// The JSON forms of a document: the summary of `info` and the lossless dump of `dump`,
// with its inverse for `build`. The dump format is described in docs/dump-format.md.
#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <stdexcept>
#include <string>

class CArdoDoc;

// JSON whose floating-point numbers are single precision: the document's fields are floats,
// and numbers printed this way read back to the same bits.
using Json =
    nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t, float>;

// A dump that cannot be turned into a document.
class DumpFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Json DocumentInfo(const CArdoDoc& doc);
Json DumpDocument(CArdoDoc& doc);
// Fills a freshly constructed document from a dump so that saving it writes the dumped file.
// Throws DumpFormatError.
void BuildDocument(const Json& dump, CArdoDoc& doc);

// A float as JSON: a number when finite, else "inf", "-inf" or "nan:0x<bits>".
Json FloatToJson(float v);
float FloatFromJson(const Json& j, const std::string& where);
