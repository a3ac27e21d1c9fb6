#include "SymbolSources.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoPoly.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace symc {

namespace {

// Symbol keys: 1-26 the single classes, 27 the markers, 28-34 the room groups.
constexpr int kFirstKey = 1;
constexpr int kLastKey = 34;
// Geometry may stray this far (mm) over its frame before it counts as a mistake.
constexpr double kFrameTolerance = 0.5;
constexpr int kMaxSizeMm = 100000;

const std::map<std::string, uint32_t> kFlagNames = {
    {"length", 1}, {"width", 2}, {"corner", 4}, {"rotate", 8}, {"default", 16}};

uint32_t ReadFlags(const json& v) {
    if (v.is_number_unsigned()) return v.get<uint32_t>();
    if (!v.is_array()) throw SourceError("\"flags\" is a number or a list of names");
    uint32_t flags = 0;
    for (const json& name : v) {
        const auto it = kFlagNames.find(name.get<std::string>());
        if (it == kFlagNames.end()) throw SourceError("unknown flag \"" + name.get<std::string>() + "\"");
        flags |= it->second;
    }
    return flags;
}

void CheckInsideFrame(const SymbolSource& s) {
    for (const Figure& f : s.figures)
        for (const PointF& p : f.points)
            if (p.x < -kFrameTolerance || p.y < -kFrameTolerance || p.x > s.nLength + kFrameTolerance ||
                p.y > s.nWidth + kFrameTolerance)
                throw SourceError("point (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                                  ") lies outside the frame");
}

SymbolSource ReadSymbol(const json& j, int fileClass, const Style& fileStyle, const json& parts) {
    SymbolSource s;
    if (!j.contains("id") || !j["id"].is_number_integer()) throw SourceError("every symbol needs an integer \"id\"");
    s.nId = j["id"].get<int>();
    if (j.value("retired", false)) {
        s.bRetired = true;
        s.nClass = kDeletedSymbolClass;
        return s;
    }
    s.strName = j.at("name").get<std::string>();
    if (s.strName.empty()) throw SourceError("a symbol needs a name");
    s.nClass = j.value("class", fileClass);
    if (s.nClass < kFirstKey || s.nClass > kLastKey)
        throw SourceError("class " + std::to_string(s.nClass) + " is no symbol key");
    const json& size = j.at("size");
    if (!size.is_array() || size.size() != 2) throw SourceError("\"size\" is [length, width] in mm");
    s.nLength = size[0].get<int>();
    s.nWidth = size[1].get<int>();
    if (s.nLength <= 0 || s.nWidth <= 0 || s.nLength > kMaxSizeMm || s.nWidth > kMaxSizeMm)
        throw SourceError("the size must be positive");
    s.nFlags = j.contains("flags") ? ReadFlags(j["flags"]) : 0;
    const Style style = ReadStyle(j, fileStyle);
    const json& shapes = j.at("shapes");
    if (!shapes.is_array() || shapes.empty()) throw SourceError("a symbol needs shapes");
    for (const json& shape : shapes) ExpandShape(shape, style, Affine{}, parts, s.figures);
    CheckInsideFrame(s);
    return s;
}

int32_t ToUnits(double mm) { return int32_t(std::lround(mm * kUnitsPerMm)); }

std::unique_ptr<CArdoObj> MakePoly(Figure::Kind kind, std::vector<CPoint> pts, const Style& style) {
    std::unique_ptr<CArdoPoly> obj;
    switch (kind) {
    case Figure::Kind::Polygon: obj = std::make_unique<CArdoPoly>(CRect()); break;
    case Figure::Kind::Polyline: obj = std::make_unique<CArdoPolyline>(CRect()); break;
    case Figure::Kind::Bezier: obj = std::make_unique<CArdoBezier>(CRect()); break;
    }
    if (pts.size() > size_t(CArdoPoly::kMaxPoints)) throw SourceError("a figure has too many points");
    obj->m_bPen = style.bPen ? 1 : 0;
    obj->m_logpen = LOGPEN{style.nPenStyle, {style.nLineWidth, style.nLineWidth}, style.crLine};
    obj->m_bBrush = style.bFill ? 1 : 0;
    obj->m_logbrush = LOGBRUSH{BS_SOLID, style.crFill, 0};
    obj->m_position = CArdoPoly::BoundsOf(pts);
    obj->m_nAllocPoints = int((pts.size() + CArdoPoly::kGrowBy - 1) / CArdoPoly::kGrowBy * CArdoPoly::kGrowBy);
    obj->m_points = std::move(pts);
    return obj;
}

}  // namespace

std::vector<SymbolSource> ReadSymbolFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw SourceError(path + ": cannot be read");
    json root;
    try {
        root = json::parse(in, nullptr, true, /*ignore_comments=*/true);
    } catch (const json::exception& e) {
        throw SourceError(path + ": " + e.what());
    }
    const int fileClass = root.value("class", 0);
    const Style fileStyle = root.contains("defaults") ? ReadStyle(root["defaults"], Style{}) : Style{};
    const json parts = root.value("parts", json::object());
    std::vector<SymbolSource> symbols;
    for (const json& j : root.at("symbols")) {
        const std::string label =
            path + ": symbol " + (j.contains("id") ? j["id"].dump() : "?") + " " + j.value("name", std::string());
        try {
            symbols.push_back(ReadSymbol(j, fileClass, fileStyle, parts));
        } catch (const std::exception& e) {
            throw SourceError(label + ": " + e.what());
        }
        symbols.back().strOrigin = label;
    }
    return symbols;
}

LibraryTable BuildLibraryTable(std::vector<SymbolSource> symbols) {
    std::sort(symbols.begin(), symbols.end(), [](const auto& a, const auto& b) { return a.nId < b.nId; });
    if (symbols.size() > size_t(kMaxSymbols)) throw SourceError("more than 512 symbols");
    LibraryTable table;
    for (size_t i = 0; i < symbols.size(); ++i) {
        const SymbolSource& s = symbols[i];
        if (s.nId != int(i))
            throw SourceError(s.strOrigin + ": ids must run from 0 without gaps or repeats (expected " +
                              std::to_string(i) + ")");
        std::vector<std::unique_ptr<CArdoObj>> objects;
        if (!s.bRetired) {
            // The frame: the symbol's bounding rectangle, never drawn.
            Style frameStyle;
            frameStyle.bPen = false;
            frameStyle.bFill = false;
            const int32_t l = ToUnits(s.nLength), w = ToUnits(s.nWidth);
            objects.push_back(MakePoly(Figure::Kind::Polygon, {{0, 0}, {l, 0}, {l, w}, {0, w}}, frameStyle));
            for (const Figure& f : s.figures) {
                std::vector<CPoint> pts;
                for (const PointF& p : f.points) pts.push_back({ToUnits(p.x), ToUnits(p.y)});
                objects.push_back(MakePoly(f.kind, std::move(pts), f.style));
            }
        }
        table.geometry.push_back(std::move(objects));
        table.info.push_back(SymbolInfo{int16_t(s.nClass), s.strName, s.nFlags, s.nLength, s.nWidth});
    }
    return table;
}

}  // namespace symc
