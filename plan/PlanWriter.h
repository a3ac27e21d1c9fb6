// Writes plan files (".cap"): the header and the drawing records, byte for byte as the
// plan import reads them. Used by the sample plan generator, the tests and the fuzz corpus.
// Header fields are written as given, so a test can also describe damaged headers.
#pragma once

#include "plan/PlanHeader.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class PlanWriter {
public:
    struct Header {
        std::string text1;
        std::string text2;
        // Parameters 2 ... parameterCount are written; the count goes first as a float.
        float parameterCount = 33;
        std::vector<float> parameters = std::vector<float>(kPlanMaxParameter + 1, 0.0f);
        std::vector<float> auxiliary;  // written after the parameters, as given
        std::vector<float> extents{0, 0, 0, 0, 0};
        std::vector<std::string> annotations;
    };

    // A header that reads the whole stream: resolution base 1, sheet left unchanged, the
    // stop flag clear and the text and page switches on.
    PlanWriter();

    Header header;

    void SetParameter(int number, float value) { header.parameters.at(size_t(number)) = value; }
    // Plot paper in mm, and sheet mode 2 so the import sizes the sheet from it.
    void SetPaper(float widthMm, float heightMm);

    // --- records (coordinates in plot millimetres) ------------------------------------------------
    void EndPathRecord() {
        Code('A');
        Float(0);
    }
    void Move(float x, float y) {
        Code('B');
        Float(x);
        Float(y);
    }
    void Line(float x, float y) {
        Code('C');
        Float(x);
        Float(y);
    }
    void Point(float x, float y) {
        Code('D');
        Float(x);
        Float(y);
    }
    void Arc(float cx, float cy, float rx, float ry, float start, float sweep, float rotation);
    void FillColor(uint8_t r, uint8_t g, uint8_t b) {
        Code('H');
        Byte(r);
        Byte(g);
        Byte(b);
    }
    void Polygon(const std::vector<std::pair<float, float>>& points);
    void Width(float mm) {
        Code('J');
        Float(mm);
    }
    // The bytes as stored: pure black and white are swapped by the import.
    void LineColorBytes(uint8_t r, uint8_t g, uint8_t b) {
        Code('K');
        Byte(r);
        Byte(g);
        Byte(b);
    }
    // A colour as it is to appear: black and white are written swapped.
    void LineColor(uint8_t r, uint8_t g, uint8_t b);
    // Text bytes as stored (Windows-1252).
    void Text(const std::string& bytes);
    void Page(float value) {
        Code('P');
        Float(value);
    }
    void End() {
        Code('Z');
        Float(0);
        Float(0);
    }

    // Raw pieces, for records the helpers above do not cover.
    void Code(char c) {
        Byte(uint8_t(c));
        ++m_records;
    }
    void Byte(uint8_t b) { m_body.push_back(b); }
    void Float(float v);
    void Raw(const std::string& bytes) { m_body.insert(m_body.end(), bytes.begin(), bytes.end()); }

    int RecordCount() const { return m_records; }
    // The whole file: header, then the records.
    std::vector<uint8_t> Bytes() const;

private:
    std::vector<uint8_t> m_body;
    int m_records = 0;
};

// Little-endian float bytes, appended.
void AppendPlanFloat(std::vector<uint8_t>& out, float v);
