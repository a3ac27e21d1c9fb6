// Byte-level access to a plan file: a file or a memory block read through one fixed
// 10240-byte buffer, with little-endian floats and a count of the bytes still to come, so
// that lengths taken from the file can be checked before anything is allocated.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <span>
#include <string>

// Where the plan bytes come from.
class PlanByteSource {
public:
    virtual ~PlanByteSource() = default;
    // Copies up to n bytes into dst; fewer (0 at the end) when the source runs out.
    virtual size_t Read(uint8_t* dst, size_t n) = 0;
    // Total size of the source in bytes.
    virtual uint64_t Size() const = 0;
};

// A plan file opened for reading only: a regular, non-empty file of at most
// kMaxDocumentFileBytes. Reading stops at the size the file had when it was opened.
class PlanFileSource : public PlanByteSource {
public:
    explicit PlanFileSource(const std::string& path);
    ~PlanFileSource() override;
    PlanFileSource(const PlanFileSource&) = delete;
    PlanFileSource& operator=(const PlanFileSource&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    // Why the file could not be opened (a CFileException); empty when it is open.
    std::exception_ptr OpenError() const { return m_error; }
    size_t Read(uint8_t* dst, size_t n) override;
    uint64_t Size() const override { return m_size; }

private:
    int m_fd = -1;
    uint64_t m_size = 0;
    uint64_t m_read = 0;
    std::exception_ptr m_error;
};

// Plan bytes already in memory (tests, the fuzz target); the span must outlive the source.
class PlanMemorySource : public PlanByteSource {
public:
    explicit PlanMemorySource(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    size_t Read(uint8_t* dst, size_t n) override;
    uint64_t Size() const override { return m_bytes.size(); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

class PlanRecordReader {
public:
    static constexpr size_t kBufferSize = 10240;

    explicit PlanRecordReader(PlanByteSource& source) : m_source(source) {}

    // Reads the first block; false when nothing can be read (an empty or unreadable file).
    bool ReadFirstBlock();

    // Each read returns false when the source ends first.
    bool ReadByte(uint8_t& value);
    bool ReadFloat(float& value);
    // Reads exactly n bytes into out; refuses (without reading) when fewer remain.
    bool ReadBytes(std::string& out, uint64_t n);
    // Skips exactly n bytes; refuses (without reading) when fewer remain.
    bool Skip(uint64_t n);

    // Bytes of the source not read yet.
    uint64_t Remaining() const;

private:
    bool Refill();

    PlanByteSource& m_source;
    std::array<uint8_t, kBufferSize> m_buffer{};
    size_t m_pos = 0;       // next byte in the buffer
    size_t m_len = 0;       // bytes held in the buffer
    uint64_t m_filled = 0;  // bytes taken from the source so far
};

// Float to int as the import converts counts, codes and coordinates: truncation toward
// zero; NaN and values outside the int range give INT_MIN, as the processor's conversion
// does, so a damaged count reads as negative.
int32_t PlanTruncToInt(float value);
