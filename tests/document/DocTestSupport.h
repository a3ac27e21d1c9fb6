// Shared helpers of the document tests: a fake view, a little-endian byte builder for
// hand-made files, temporary folders, and a fixture that resets the in-memory services.
#pragma once

#include "document/ArdoDoc.h"
#include "document/DocumentView.h"
#include "document/SymbolLibrary.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace doctest {

using Bytes = std::vector<uint8_t>;

class ByteBuilder {
public:
    ByteBuilder& Byte(uint8_t v) {
        m_bytes.push_back(v);
        return *this;
    }
    ByteBuilder& Word(uint16_t v) { return Byte(uint8_t(v)).Byte(uint8_t(v >> 8)); }
    ByteBuilder& DWord(uint32_t v) { return Word(uint16_t(v)).Word(uint16_t(v >> 16)); }
    ByteBuilder& Long(int32_t v) { return DWord(uint32_t(v)); }
    ByteBuilder& Float(float v) { return DWord(std::bit_cast<uint32_t>(v)); }
    ByteBuilder& Text(const std::string& s) {
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        return *this;
    }
    ByteBuilder& String(const std::string& s) { return Byte(uint8_t(s.size())).Text(s); }  // short strings only
    ByteBuilder& NewClass(const std::string& name, uint16_t schema = 0) {
        return Word(0xFFFF).Word(schema).Word(uint16_t(name.size())).Text(name);
    }
    ByteBuilder& Append(const Bytes& b) {
        m_bytes.insert(m_bytes.end(), b.begin(), b.end());
        return *this;
    }
    // The 48-byte head every object record starts with.
    ByteBuilder& BaseRecord(int32_t l, int32_t t, int32_t r, int32_t b) {
        Long(l).Long(t).Long(r).Long(b);
        Word(1).DWord(6).Long(1).Long(1).DWord(0);          // pen
        return Word(0).DWord(0).DWord(0x00C0C0C0).Long(0);  // brush
    }
    // Document header of a current file up to and including the paper size.
    ByteBuilder& Header(float scale = 100.0f, int32_t paperW = 105, int32_t paperH = 149) {
        Float(-scale).Word(23).String("1").Float(0).Float(0).Word(1000).DWord(0x00800000);
        return Float(1000).Float(1000).Word(1).Word(5).Long(paperW).Long(paperH);
    }
    const Bytes& bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};

class FakeView : public DocumentView {
public:
    int GetHandleSize() const override { return 3; }
    void InvalidateObject(const CArdoObj*) override {}
    void OnUpdate(DocumentView* sender, int hint, const UpdateHint& what) override {
        hints.push_back(hint);
        if (hint == HINT_RESTORED) selection = what.objects ? *what.objects : std::vector<CArdoObj*>();
        (void)sender;
    }
    void RemoveFromSelection(CArdoObj* obj) override {
        removed.push_back(obj);
        std::erase(selection, obj);
    }
    bool IsSelected(const CArdoObj* obj) const override {
        return std::find(selection.begin(), selection.end(), obj) != selection.end();
    }
    bool IsActiveView() const override { return active; }
    void OnExtentChanged(CSize extent) override { extents.push_back(extent); }
    CRect GetLogicalClipRect(CDC*) const override { return clip; }

    std::vector<int> hints;
    std::vector<CArdoObj*> removed;
    std::vector<CArdoObj*> selection;
    std::vector<CSize> extents;
    bool active = true;
    CRect clip{0, 100, 100, 0};
};

class TempDir {
public:
    TempDir() {
        path = std::filesystem::temp_directory_path() /
               ("kovel-doc-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;

private:
    static int& counter() {
        static int n = 0;
        return n;
    }
};

inline void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class DocTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
        SetSymbolLibraryPath("/nonexistent/Kovel.sym");  // no library: nothing to report
    }
    void TearDown() override { SetSymbolLibraryPath(""); }
    MemoryServices& services() { return DefaultMemoryServices(); }
};

}  // namespace doctest
