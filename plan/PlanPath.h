// The path of a plan import: a fixed buffer of up to 512 points in plot millimetres, the
// drawing attributes, and the turning of a finished path into one background object
// (a line, a polyline or a polygon) of the document.
#pragma once

#include "objects/ArdoObj.h"
#include "platform/GdiTypes.h"

#include <array>
#include <cstdint>

class CArdoDoc;

struct PlanAttributes {
    uint8_t fill[3] = {255, 255, 255};  // red, green, blue
    uint8_t line[3] = {255, 255, 255};
    float width = 0.0f;  // line width in mm

    COLORREF FillColor() const { return RGB(fill[0], fill[1], fill[2]); }
    COLORREF LineColor() const { return RGB(line[0], line[1], line[2]); }
};

// What the paths of one import made, for the caller's report.
struct PlanPathCounts {
    int lines = 0;
    int polylines = 0;
    int polygons = 0;
    int droppedPoints = 0;  // points beyond the 512 of one path
    int unbuiltPaths = 0;   // paths of two or more points that made no object
};

class PlanPathBuilder {
public:
    static constexpr int kMaxPoints = 512;

    explicit PlanPathBuilder(CArdoDoc& doc) : m_doc(doc) {}

    // The attributes that paths started from now on take.
    PlanAttributes current;

    // Ends the current path and starts a new one at (x, y) with the current attributes.
    void MoveTo(float x, float y);
    // The path becomes an outline; appends (x, y).
    void LineTo(float x, float y);
    // Appends (x, y) without changing whether the path is filled.
    void AddPoint(float x, float y);
    // Ends the current path and starts an empty filled one with the current attributes.
    void BeginFilled();
    // Turns the buffer into at most one background object and empties it.
    void EndPath();
    // Forgets the current path without making an object.
    void DropPath();

    bool IsFull() const { return m_count == kMaxPoints; }
    int PointCount() const { return m_count; }
    // The last position a move, line or point record named (also when the point was dropped).
    float PenX() const { return m_penX; }
    float PenY() const { return m_penY; }
    CArdoObj* LastObject() const { return m_last; }
    const PlanPathCounts& Counts() const { return m_counts; }

private:
    struct PlotPoint {
        float x, y;
    };
    void Capture() { m_captured = current; }
    void MakeLine();
    void MakePolyline();
    void MakePolygon();
    void Add(std::unique_ptr<CArdoObj> created, bool filled);

    CArdoDoc& m_doc;
    std::array<PlotPoint, kMaxPoints> m_points{};
    int m_count = 0;
    bool m_filled = false;
    PlanAttributes m_captured;
    float m_penX = 0.0f;
    float m_penY = 0.0f;
    CArdoObj* m_last = nullptr;
    PlanPathCounts m_counts;
};

// A plot coordinate times the units per millimetre, truncated; damaged values (NaN,
// infinities, anything beyond a billion units) are bounded so that later rectangle
// arithmetic cannot overflow.
int32_t PlanToLogicalTrunc(float value);
// The same, rounded as trunc(v + 0.5).
int32_t PlanToLogicalRound(float value);
