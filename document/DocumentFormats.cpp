#include "document/DocumentFormats.h"

#include "document/DocumentFileReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {
// Enough of a file's beginning for any format's signature.
constexpr size_t kHeadSize = 64;

// The first bytes of a regular file; nothing for anything else, so that naming a pipe
// does not consume what the reader must read.
std::vector<uint8_t> ReadHead(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> head(kHeadSize);
    in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
    head.resize(size_t(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}
}  // namespace

DocumentFormats::DocumentFormats() : m_documentFileReader(std::make_unique<DocumentFileReader>()) {}

DocumentFormats::~DocumentFormats() = default;

void DocumentFormats::AddReader(std::unique_ptr<DocumentReader> reader) { m_readers.push_back(std::move(reader)); }

void DocumentFormats::AddExporter(std::unique_ptr<DocumentExporter> exporter) {
    m_exporters.push_back(std::move(exporter));
}

const DocumentReader& DocumentFormats::ReaderFor(const std::string& path) const {
    if (!m_readers.empty()) {
        const std::vector<uint8_t> head = ReadHead(path);
        for (const auto& reader : m_readers)
            if (reader->Accepts(path, head)) return *reader;
    }
    return *m_documentFileReader;
}

const DocumentExporter* DocumentFormats::ExporterFor(const std::string& path) const {
    for (const auto& exporter : m_exporters)
        if (exporter->Accepts(path)) return exporter.get();
    return nullptr;
}
