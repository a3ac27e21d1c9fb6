#include "plan/PlanReader.h"

#include "document/DocumentFile.h"

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>

PlanFileSource::PlanFileSource(const std::string& path) {
    try {
        // Folders, FIFOs and devices are not plan files; an empty file holds no header.
        uint64_t size = 0;
        const int fd = OpenRegularFileForReading(path, kMaxDocumentFileBytes, &size);
        if (size == 0) {
            ::close(fd);
            throw CFileException(CFileException::emptyFile, 0, path, "empty plan " + path);
        }
        m_fd = fd;
        m_size = size;
    } catch (const CFileException&) {
        m_error = std::current_exception();
    }
}

PlanFileSource::~PlanFileSource() {
    if (m_fd >= 0) ::close(m_fd);
}

size_t PlanFileSource::Read(uint8_t* dst, size_t n) {
    // Never past the size the file had when it was opened, however it grows meanwhile.
    n = size_t(std::min<uint64_t>(n, m_size - m_read));
    size_t done = 0;
    while (m_fd >= 0 && done < n) {
        const ssize_t got = ::read(m_fd, dst + done, n - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += size_t(got);
    }
    m_read += done;
    return done;
}

size_t PlanMemorySource::Read(uint8_t* dst, size_t n) {
    const size_t count = std::min(n, m_bytes.size() - m_pos);
    if (count) std::memcpy(dst, m_bytes.data() + m_pos, count);
    m_pos += count;
    return count;
}

bool PlanRecordReader::Refill() {
    m_pos = 0;
    m_len = m_source.Read(m_buffer.data(), m_buffer.size());
    m_filled += m_len;
    return m_len > 0;
}

bool PlanRecordReader::ReadFirstBlock() { return Refill(); }

bool PlanRecordReader::ReadByte(uint8_t& value) {
    if (m_pos == m_len && !Refill()) return false;
    value = m_buffer[m_pos++];
    return true;
}

bool PlanRecordReader::ReadFloat(float& value) {
    uint8_t b[4];
    if (m_len - m_pos >= 4) {
        std::memcpy(b, &m_buffer[m_pos], 4);
        m_pos += 4;
    } else {
        for (uint8_t& byte : b)
            if (!ReadByte(byte)) return false;
    }
    const uint32_t bits = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    std::memcpy(&value, &bits, 4);
    return true;
}

bool PlanRecordReader::ReadBytes(std::string& out, uint64_t n) {
    if (n > Remaining()) return false;
    out.clear();
    out.reserve(size_t(n));
    while (out.size() < n) {
        if (m_pos == m_len && !Refill()) return false;
        const size_t take = std::min<uint64_t>(m_len - m_pos, n - out.size());
        out.append(reinterpret_cast<const char*>(&m_buffer[m_pos]), take);
        m_pos += take;
    }
    return true;
}

bool PlanRecordReader::Skip(uint64_t n) {
    if (n > Remaining()) return false;
    while (n > 0) {
        if (m_pos == m_len && !Refill()) return false;
        const size_t take = std::min<uint64_t>(m_len - m_pos, n);
        m_pos += take;
        n -= take;
    }
    return true;
}

uint64_t PlanRecordReader::Remaining() const {
    const uint64_t size = m_source.Size();
    const uint64_t consumed = m_filled - (m_len - m_pos);
    return size > consumed ? size - consumed : 0;
}

int32_t PlanTruncToInt(float value) {
    // Every float in [-2^31, 2^31) truncates into range; everything else is "indefinite".
    if (!(value >= -2147483648.0f && value < 2147483648.0f)) return INT_MIN;
    return int32_t(value);
}
