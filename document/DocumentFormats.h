// The file formats documents are read from and exported to. Each format is one reader or
// one exporter. The program and kovel-cli each build one DocumentFormats at start-up, add
// the readers of the layers above the document (the plan import) and their exporters, and
// pass it to where files are opened. A file that no added reader takes is read as a
// document file (".cpr"), whatever its name.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class CArdoDoc;

// What reading a file came to: ok, or the message that says why not, as the user reads it.
struct ReadResult {
    ReadResult() = default;
    ReadResult(bool ok_, std::string message_, bool opened_ = true, std::string warning_ = {})
        : ok(ok_), message(std::move(message_)), opened(opened_), warning(std::move(warning_)) {}

    bool ok = true;
    std::string message;
    // False when the file itself could not be read (missing, a folder, empty, unreadable):
    // then even an import opens nothing.
    bool opened = true;
    // What the user should know although the file was read (a plan that ends early).
    std::string warning;
};

class DocumentReader {
public:
    virtual ~DocumentReader() = default;
    // Whether this reader takes the file, judged by its name and its first bytes (fewer or
    // none when the file is shorter, cannot be read or is no regular file).
    virtual bool Accepts(const std::string& path, std::span<const uint8_t> head) const = 0;
    // True when the file's content is imported into a new document rather than being one:
    // the import reports its own problems to the user, so the document opens even when it
    // read nothing, and the shell asks its question about the import afterwards.
    virtual bool Imports() const = 0;
    // Reads the file into doc, a document fresh from construction.
    virtual ReadResult Read(CArdoDoc& doc, const std::string& path) const = 0;
};

// What an exporter draws: the sheet as the window's full view shows it, at this size in
// pixels (96 to the inch), with or without the grid.
struct ExportRequest {
    int width = 0;
    int height = 0;
    bool grid = false;
};

class DocumentExporter {
public:
    virtual ~DocumentExporter() = default;
    // Whether this exporter writes files of this name.
    virtual bool Accepts(const std::string& path) const = 0;
    // Writes doc's picture to path; false when it could not, with *error set when the cause
    // is known.
    virtual bool Export(CArdoDoc& doc, const std::string& path, const ExportRequest& request,
                        std::string* error) const = 0;
};

class DocumentFormats {
public:
    DocumentFormats();
    ~DocumentFormats();
    DocumentFormats(const DocumentFormats&) = delete;
    DocumentFormats& operator=(const DocumentFormats&) = delete;

    // Readers are asked in the order they were added; the document file reader comes last.
    void AddReader(std::unique_ptr<DocumentReader> reader);
    void AddExporter(std::unique_ptr<DocumentExporter> exporter);

    // The reader that takes path: the first added one that accepts it, else the document
    // file reader.
    const DocumentReader& ReaderFor(const std::string& path) const;
    // The first exporter that writes files of this name, or null.
    const DocumentExporter* ExporterFor(const std::string& path) const;
    bool HasExporters() const { return !m_exporters.empty(); }

private:
    std::vector<std::unique_ptr<DocumentReader>> m_readers;
    std::unique_ptr<DocumentReader> m_documentFileReader;
    std::vector<std::unique_ptr<DocumentExporter>> m_exporters;
};
