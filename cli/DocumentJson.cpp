#include "cli/DocumentJson.h"

#include "document/ArdoDoc.h"
#include "document/ScaleText.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoSymbol.h"
#include "objects/ArdoText.h"
#include "platform/Archive.h"
#include "platform/Win1252.h"

#include <bit>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <string_view>

namespace {

constexpr const char* kFormatName = "kovel-document-dump";
constexpr int kFormatVersion = 1;

// --- reading checked values out of a dump ---------------------------------------------------

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw DumpFormatError(where + ": " + what);
}

const Json& Member(const Json& obj, const char* key, const std::string& where) {
    if (!obj.is_object()) Fail(where, "expected an object");
    const auto it = obj.find(key);
    if (it == obj.end()) Fail(where, std::string("missing \"") + key + "\"");
    return *it;
}

int64_t IntegerIn(const Json& j, int64_t lo, int64_t hi, const std::string& where) {
    if (!j.is_number_integer()) Fail(where, "expected an integer");
    const int64_t v = j.is_number_unsigned()
                          ? (j.get<uint64_t>() > uint64_t(INT64_MAX) ? hi + 1 : int64_t(j.get<uint64_t>()))
                          : j.get<int64_t>();
    if (v < lo || v > hi) Fail(where, "value " + std::to_string(v) + " out of range");
    return v;
}

int64_t IntMember(const Json& obj, const char* key, int64_t lo, int64_t hi, const std::string& where) {
    return IntegerIn(Member(obj, key, where), lo, hi, where + "." + key);
}

constexpr int64_t kWordMax = 0xFFFF;
constexpr int64_t kDWordMax = 0xFFFFFFFF;
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

uint16_t WordMember(const Json& obj, const char* key, const std::string& where) {
    return uint16_t(IntMember(obj, key, 0, kWordMax, where));
}
uint32_t DWordMember(const Json& obj, const char* key, const std::string& where) {
    return uint32_t(IntMember(obj, key, 0, kDWordMax, where));
}
int32_t IntOnlyMember(const Json& obj, const char* key, const std::string& where) {
    return int32_t(IntMember(obj, key, kIntMin, kIntMax, where));
}

const Json& ArrayOf(const Json& j, size_t size, const std::string& where) {
    if (!j.is_array() || (size != 0 && j.size() != size))
        Fail(where, size ? "expected an array of " + std::to_string(size) : "expected an array");
    return j;
}

CPoint PointFrom(const Json& j, const std::string& where) {
    ArrayOf(j, 2, where);
    return CPoint(int32_t(IntegerIn(j[0], kIntMin, kIntMax, where)), int32_t(IntegerIn(j[1], kIntMin, kIntMax, where)));
}

Json PointTo(CPoint p) { return Json::array({p.x, p.y}); }

const std::string& StringMember(const Json& obj, const char* key, const std::string& where) {
    const Json& j = Member(obj, key, where);
    if (!j.is_string()) Fail(where + "." + key, "expected a string");
    return j.get_ref<const std::string&>();
}

Json CornersTo(const CPoint (&corners)[4]) {
    Json out = Json::array();
    for (const CPoint& c : corners) out.push_back(PointTo(c));
    return out;
}

void CornersFrom(const Json& obj, CPoint (&corners)[4], const std::string& where) {
    const Json& j = ArrayOf(Member(obj, "corners", where), 4, where + ".corners");
    for (size_t i = 0; i < 4; ++i) corners[i] = PointFrom(j[i], where + ".corners");
}

std::string ToHex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

std::vector<uint8_t> FromHex(const std::string& hex, const std::string& where) {
    if (hex.size() % 2) Fail(where, "odd number of hex digits");
    auto nibble = [&](char c) -> uint8_t {
        if (c >= '0' && c <= '9') return uint8_t(c - '0');
        if (c >= 'a' && c <= 'f') return uint8_t(c - 'a' + 10);
        if (c >= 'A' && c <= 'F') return uint8_t(c - 'A' + 10);
        Fail(where, "not a hex digit");
    };
    std::vector<uint8_t> bytes(hex.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(nibble(hex[2 * i]) << 4 | nibble(hex[2 * i + 1]));
    return bytes;
}

// --- objects -------------------------------------------------------------------------------------

enum class Layout { base, rect, poly, polyMeasure, text, symbol, opaque };

Layout LayoutOf(std::string_view className) {
    if (className == "CArdoObj") return Layout::base;
    if (className == "CArdoRect") return Layout::rect;
    if (className == "CArdoPoly" || className == "CArdoPolyline" || className == "CArdoBezier") return Layout::poly;
    if (className == "CArdoPolyMeasure") return Layout::polyMeasure;
    if (className == "CArdoText") return Layout::text;
    if (className == "CArdoSymbol") return Layout::symbol;
    return Layout::opaque;
}

void BaseToJson(const CArdoObj& o, Json& j) {
    const CRect& r = o.m_position;
    j["position"] = Json::array({r.left, r.top, r.right, r.bottom});
    j["pen"] = o.m_bPen;
    j["logpen"] = Json::object(
        {{"style", o.m_logpen.lopnStyle}, {"width", PointTo(o.m_logpen.lopnWidth)}, {"color", o.m_logpen.lopnColor}});
    j["brush"] = o.m_bBrush;
    j["logbrush"] = Json::object(
        {{"style", o.m_logbrush.lbStyle}, {"color", o.m_logbrush.lbColor}, {"hatch", o.m_logbrush.lbHatch}});
}

void BaseFromJson(const Json& j, CArdoObj& o, const std::string& where) {
    const Json& pos = ArrayOf(Member(j, "position", where), 4, where + ".position");
    int32_t v[4];
    for (int i = 0; i < 4; ++i) v[i] = int32_t(IntegerIn(pos[i], kIntMin, kIntMax, where + ".position"));
    o.m_position = CRect(v[0], v[1], v[2], v[3]);
    o.m_bPen = WordMember(j, "pen", where);
    const Json& pen = Member(j, "logpen", where);
    o.m_logpen.lopnStyle = DWordMember(pen, "style", where + ".logpen");
    o.m_logpen.lopnWidth = PointFrom(Member(pen, "width", where + ".logpen"), where + ".logpen.width");
    o.m_logpen.lopnColor = DWordMember(pen, "color", where + ".logpen");
    o.m_bBrush = WordMember(j, "brush", where);
    const Json& brush = Member(j, "logbrush", where);
    o.m_logbrush.lbStyle = DWordMember(brush, "style", where + ".logbrush");
    o.m_logbrush.lbColor = DWordMember(brush, "color", where + ".logbrush");
    o.m_logbrush.lbHatch = IntOnlyMember(brush, "hatch", where + ".logbrush");
}

void PolyPointsToJson(const CArdoPoly& p, Json& j) {
    Json points = Json::array();
    for (const CPoint& pt : p.m_points) points.push_back(PointTo(pt));
    j["points"] = std::move(points);
}

void PolyFromJson(const Json& j, CArdoPoly& p, const std::string& where) {
    const Json& points = ArrayOf(Member(j, "points", where), 0, where + ".points");
    if (points.size() > size_t(CArdoPoly::kMaxPoints)) Fail(where, "more than 65535 points");
    p.m_nAllocPoints = int(IntMember(j, "allocPoints", 0, kWordMax, where));
    if (size_t(p.m_nAllocPoints) < points.size()) Fail(where, "allocPoints is smaller than the number of points");
    p.m_points.clear();
    p.m_points.reserve(points.size());
    for (const Json& pt : points) p.m_points.push_back(PointFrom(pt, where + ".points"));
}

// --- doubles: strings, since the dump's JSON numbers are single precision ------------------------

Json DoubleToJson(double v) {
    char text[40];
    if (std::isfinite(v)) {
        const auto res = std::to_chars(text, text + sizeof text, v);  // shortest that reads back exactly
        return std::string(text, res.ptr);
    }
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    std::snprintf(text, sizeof text, "nan:0x%016" PRIx64, std::bit_cast<uint64_t>(v));
    return text;
}

double DoubleFromJson(const Json& j, const std::string& where) {
    if (j.is_number_integer()) return j.is_number_unsigned() ? double(j.get<uint64_t>()) : double(j.get<int64_t>());
    if (j.is_string()) {
        const std::string& s = j.get_ref<const std::string&>();
        if (s == "inf") return std::numeric_limits<double>::infinity();
        if (s == "-inf") return -std::numeric_limits<double>::infinity();
        if (s.starts_with("nan:0x")) {
            uint64_t bits = 0;
            const char* end = s.data() + s.size();
            const auto res = std::from_chars(s.data() + 6, end, bits, 16);
            const double v = std::bit_cast<double>(bits);
            if (res.ec == std::errc() && res.ptr == end && s.size() <= 6 + 16 && std::isnan(v)) return v;
        } else {
            double v = 0.0;
            const char* end = s.data() + s.size();
            const auto res = std::from_chars(s.data(), end, v);
            if (res.ec == std::errc() && res.ptr == end && std::isfinite(v)) return v;
        }
    }
    Fail(where, "expected a decimal string, \"inf\", \"-inf\" or \"nan:0x<bits>\"");
}

Json VecTo(const CArdoSymbol::Vec& v) { return Json::array({DoubleToJson(v.x), DoubleToJson(v.y)}); }

CArdoSymbol::Vec VecFrom(const Json& obj, const char* key, const std::string& where) {
    const Json& j = ArrayOf(Member(obj, key, where), 2, where + "." + key);
    return {DoubleFromJson(j[0], where + "." + key), DoubleFromJson(j[1], where + "." + key)};
}

// --- records -------------------------------------------------------------------------------------

std::vector<uint8_t> RecordOf(CArdoObj& o, CArdoDoc& doc) {
    std::vector<uint8_t> body;
    {
        CArchive ar(body);
        ar.m_pDocument = static_cast<ObjectOwner*>(&doc);
        o.Serialize(ar);
    }
    return body;
}

// Reads a record body through the class's own reader, which must consume all of it.
void ReadRecord(const std::vector<uint8_t>& body, CArdoObj& o, CArdoDoc& doc, const std::string& where) {
    CArchive ar{std::span<const uint8_t>(body)};
    ar.m_pDocument = static_cast<ObjectOwner*>(&doc);
    try {
        o.Serialize(ar);
    } catch (const CArchiveException& e) {
        Fail(where, e.what());
    }
    if (ar.Remaining() != 0) Fail(where, std::to_string(ar.Remaining()) + " bytes left over");
}

// What building learns across objects: every text record carries the one class-wide initial
// height, so all texts of a dump must agree on it for the saved file to say what the dump says.
struct BuildState {
    std::optional<int16_t> initialHeight;
    std::string initialHeightFrom;

    void NoteInitialHeight(int16_t value, const std::string& where) {
        if (!initialHeight) {
            initialHeight = value;
            initialHeightFrom = where;
        } else if (*initialHeight != value) {
            Fail(where, "initialHeight " + std::to_string(value) + " differs from " + std::to_string(*initialHeight) +
                            " of " + initialHeightFrom + "; a file holds one value for all texts");
        }
    }
};

// --- text labels ---------------------------------------------------------------------------------

Json LogFontToJson(const LOGFONT& lf) {
    const std::string name = lf.FaceName();
    // Bytes after the name's terminator, trailing zeros left off: usually none.
    std::vector<uint8_t> tail;
    if (name.size() < size_t(LF_FACESIZE)) {
        tail.assign(lf.lfFaceName + name.size() + 1, lf.lfFaceName + LF_FACESIZE);
        while (!tail.empty() && tail.back() == 0) tail.pop_back();
    }
    return Json::object({{"height", lf.lfHeight},
                         {"width", lf.lfWidth},
                         {"escapement", lf.lfEscapement},
                         {"orientation", lf.lfOrientation},
                         {"weight", lf.lfWeight},
                         {"italic", lf.lfItalic},
                         {"underline", lf.lfUnderline},
                         {"strikeOut", lf.lfStrikeOut},
                         {"charSet", lf.lfCharSet},
                         {"outPrecision", lf.lfOutPrecision},
                         {"clipPrecision", lf.lfClipPrecision},
                         {"quality", lf.lfQuality},
                         {"pitchAndFamily", lf.lfPitchAndFamily},
                         {"faceName", Win1252ToUtf8(name)},
                         {"faceNameTail", ToHex(tail)}});
}

LOGFONT LogFontFromJson(const Json& j, const std::string& where) {
    LOGFONT lf;
    lf.lfHeight = IntOnlyMember(j, "height", where);
    lf.lfWidth = IntOnlyMember(j, "width", where);
    lf.lfEscapement = IntOnlyMember(j, "escapement", where);
    lf.lfOrientation = IntOnlyMember(j, "orientation", where);
    lf.lfWeight = IntOnlyMember(j, "weight", where);
    const std::pair<const char*, uint8_t*> bytes[] = {
        {"italic", &lf.lfItalic},   {"underline", &lf.lfUnderline},          {"strikeOut", &lf.lfStrikeOut},
        {"charSet", &lf.lfCharSet}, {"outPrecision", &lf.lfOutPrecision},    {"clipPrecision", &lf.lfClipPrecision},
        {"quality", &lf.lfQuality}, {"pitchAndFamily", &lf.lfPitchAndFamily}};
    for (const auto& [key, field] : bytes) *field = uint8_t(IntMember(j, key, 0, 0xFF, where));

    const std::string name = Utf8ToWin1252(StringMember(j, "faceName", where));
    if (name.find('\0') != std::string::npos) Fail(where + ".faceName", "contains a NUL character");
    std::vector<uint8_t> tail;
    if (const auto it = j.find("faceNameTail"); it != j.end()) {
        if (!it->is_string()) Fail(where + ".faceNameTail", "expected a string of hex digits");
        tail = FromHex(it->get<std::string>(), where + ".faceNameTail");
    }
    // The name, its terminator unless it fills all 32 bytes, the tail, zeros up to 32 bytes.
    const size_t used = name.size() + (tail.empty() && name.size() == size_t(LF_FACESIZE) ? 0 : 1 + tail.size());
    if (used > size_t(LF_FACESIZE)) Fail(where + ".faceName", "face name and tail exceed 32 bytes");
    std::memcpy(lf.lfFaceName, name.data(), name.size());
    if (!tail.empty()) std::memcpy(lf.lfFaceName + name.size() + 1, tail.data(), tail.size());
    return lf;
}

void TextToJson(const CArdoText& t, Json& j) {
    j["text"] = t.m_text;
    j["height"] = uint16_t(t.m_cy);
    j["width"] = uint16_t(t.m_cx);
    j["initialHeight"] = t.GetDocument() ? t.GetDocument()->InitialTextHeight() : CArdoText::kDefaultInitialHeight;
    j["logfont"] = LogFontToJson(t.m_logfont);
    j["corners"] = CornersTo(t.m_corners);
    j["angle"] = uint16_t(t.m_nAngle);
}

void TextFromJson(const Json& j, CArdoText& t, CArdoDoc& doc, BuildState& state, const std::string& where) {
    t.m_text = StringMember(j, "text", where);
    t.m_cy = WordMember(j, "height", where);
    t.m_cx = WordMember(j, "width", where);
    const auto initialHeight = int16_t(IntMember(j, "initialHeight", INT16_MIN, INT16_MAX, where));
    t.m_logfont = LogFontFromJson(Member(j, "logfont", where), where + ".logfont");
    CornersFrom(j, t.m_corners, where);
    t.m_nAngle = WordMember(j, "angle", where);
    state.NoteInitialHeight(initialHeight, where);
    doc.SetInitialTextHeight(initialHeight);
    // Through the class's own reader, so the label is set up as when a file is loaded.
    ReadRecord(RecordOf(t, doc), t, doc, where);
}

// --- symbols -------------------------------------------------------------------------------------

void SymbolToJson(const CArdoSymbol& s, Json& j) {
    j["symbolId"] = uint16_t(s.m_nSymbolId);
    j["note"] = s.m_strNote;
    j["u1"] = VecTo(s.m_u1);
    j["u2"] = VecTo(s.m_u2);
    j["length"] = FloatToJson(s.m_fLength);
    j["width"] = FloatToJson(s.m_fWidth);
    j["flags"] = s.m_flags;
    j["corners"] = CornersTo(s.m_corners);
}

void SymbolFromJson(const Json& j, CArdoSymbol& s, CArdoDoc& doc, const std::string& where) {
    s.m_nSymbolId = WordMember(j, "symbolId", where);
    s.m_strNote = StringMember(j, "note", where);
    s.m_u1 = VecFrom(j, "u1", where);
    s.m_u2 = VecFrom(j, "u2", where);
    s.m_fLength = FloatFromJson(Member(j, "length", where), where + ".length");
    s.m_fWidth = FloatFromJson(Member(j, "width", where), where + ".width");
    s.m_flags = DWordMember(j, "flags", where);
    CornersFrom(j, s.m_corners, where);
    // Through the class's own reader: it derives the diagonal and mends broken axes as a load does.
    ReadRecord(RecordOf(s, doc), s, doc, where);
}

Json ObjectToJson(CArdoObj& o, CArdoDoc& doc) {
    const char* className = o.GetRuntimeClass()->m_lpszClassName;
    Json j = Json::object({{"class", className}});
    switch (LayoutOf(className)) {
    case Layout::base: BaseToJson(o, j); break;
    case Layout::rect: {
        const auto& r = static_cast<const CArdoRect&>(o);
        BaseToJson(o, j);
        j["shape"] = r.m_shape;
        j["roundness"] = PointTo(r.m_roundness);
        break;
    }
    case Layout::poly: {
        const auto& p = static_cast<const CArdoPoly&>(o);
        BaseToJson(o, j);
        j["allocPoints"] = p.m_nAllocPoints;
        PolyPointsToJson(p, j);
        break;
    }
    case Layout::polyMeasure: {
        const auto& p = static_cast<const CArdoPolyMeasure&>(o);
        BaseToJson(o, j);
        j["allocPoints"] = p.m_nAllocPoints;
        j["area"] = p.m_bArea;
        j["edges"] = p.m_bEdges;
        PolyPointsToJson(p, j);
        break;
    }
    case Layout::text:
        BaseToJson(o, j);
        TextToJson(static_cast<const CArdoText&>(o), j);
        break;
    case Layout::symbol:
        BaseToJson(o, j);
        SymbolToJson(static_cast<const CArdoSymbol&>(o), j);
        break;
    case Layout::opaque:
        // A class this tool does not know field by field: its record body as stored.
        j["record"] = ToHex(RecordOf(o, doc));
        break;
    }
    return j;
}

std::unique_ptr<CArdoObj> ObjectFromJson(const Json& j, CArdoDoc& doc, BuildState& state, const std::string& where) {
    const Json& cls = Member(j, "class", where);
    if (!cls.is_string()) Fail(where, "\"class\" must be a string");
    const std::string className = cls.get<std::string>();
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(className);
    if (!runtimeClass || !runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CArdoObj)))
        Fail(where, "unknown drawing object class \"" + className + "\"");
    std::unique_ptr<CObject> created = runtimeClass->CreateObject();
    if (!created) Fail(where, "class \"" + className + "\" cannot be created");
    std::unique_ptr<CArdoObj> obj = OwnedAs<CArdoObj>(std::move(created));
    obj->SetDocument(&doc);

    // Texts and symbols may also come as their hex record body, as earlier dumps hold them.
    Layout layout = LayoutOf(className);
    if (layout == Layout::text || layout == Layout::symbol)
        if (j.is_object() && j.contains("record")) layout = Layout::opaque;

    switch (layout) {
    case Layout::base: BaseFromJson(j, *obj, where); break;
    case Layout::rect: {
        auto& r = static_cast<CArdoRect&>(*obj);
        BaseFromJson(j, r, where);
        r.m_shape = WordMember(j, "shape", where);
        r.m_roundness = PointFrom(Member(j, "roundness", where), where + ".roundness");
        break;
    }
    case Layout::poly: {
        auto& p = static_cast<CArdoPoly&>(*obj);
        BaseFromJson(j, p, where);
        PolyFromJson(j, p, where);
        break;
    }
    case Layout::polyMeasure: {
        auto& p = static_cast<CArdoPolyMeasure&>(*obj);
        BaseFromJson(j, p, where);
        p.m_bArea = WordMember(j, "area", where);
        p.m_bEdges = WordMember(j, "edges", where);
        PolyFromJson(j, p, where);
        break;
    }
    case Layout::text:
        BaseFromJson(j, *obj, where);
        TextFromJson(j, static_cast<CArdoText&>(*obj), doc, state, where);
        break;
    case Layout::symbol:
        BaseFromJson(j, *obj, where);
        SymbolFromJson(j, static_cast<CArdoSymbol&>(*obj), doc, where);
        break;
    case Layout::opaque: {
        const Json& record = Member(j, "record", where);
        if (!record.is_string()) Fail(where, "\"record\" must be a string of hex digits");
        ReadRecord(FromHex(record.get<std::string>(), where + ".record"), *obj, doc, where + ".record");
        // A text record sets the class-wide initial height as it is read.
        if (obj->IsKindOf(RUNTIME_CLASS(CArdoText))) state.NoteInitialHeight(doc.InitialTextHeight(), where);
        break;
    }
    }
    return obj;
}

Json ListToJson(const ObjectList& list, CArdoDoc& doc) {
    Json out = Json::array();
    for (const auto& obj : list) out.push_back(ObjectToJson(*obj, doc));
    return out;
}

// Appends the objects of dump's list key to the document's background or foreground.
void ListFromJson(const Json& dump, const char* key, bool background, CArdoDoc& doc, BuildState& state) {
    const Json& objects = ArrayOf(Member(dump, key, "document"), 0, key);
    size_t index = 0;
    for (const Json& j : objects) {
        auto obj = ObjectFromJson(j, doc, state, std::string(key) + "[" + std::to_string(index++) + "]");
        if (background)
            doc.AddBackgroundObject(std::move(obj));
        else
            doc.AddObject(std::move(obj));
    }
}

Json FloatPair(float a, float b) { return Json::array({FloatToJson(a), FloatToJson(b)}); }

}  // namespace

// --- floats ----------------------------------------------------------------------------------------

Json FloatToJson(float v) {
    if (std::isfinite(v)) return Json(v);
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "nan:0x%08" PRIx32, std::bit_cast<uint32_t>(v));
    return text;
}

float FloatFromJson(const Json& j, const std::string& where) {
    if (j.is_number()) return j.get<float>();
    if (j.is_string()) {
        const std::string s = j.get<std::string>();
        if (s == "inf") return std::numeric_limits<float>::infinity();
        if (s == "-inf") return -std::numeric_limits<float>::infinity();
        unsigned bits = 0;
        char tail = 0;
        if (std::sscanf(s.c_str(), "nan:0x%8x%c", &bits, &tail) == 1) {
            const float v = std::bit_cast<float>(uint32_t(bits));
            if (std::isnan(v)) return v;
        }
    }
    Fail(where, "expected a number, \"inf\", \"-inf\" or \"nan:0x<bits>\"");
}

// --- documents ---------------------------------------------------------------------------------------

Json DocumentInfo(const CArdoDoc& doc) {
    std::map<std::string, int> classes;
    for (const ObjectList* list : {&doc.Background(), &doc.Objects()})
        for (const auto& obj : *list) ++classes[obj->GetRuntimeClass()->m_lpszClassName];
    Json classCounts = Json::object();
    for (const auto& [name, count] : classes) classCounts[name] = count;

    return Json::object({
        {"version", doc.FileVersion()},
        {"scale", FloatToJson(doc.Scale())},
        {"scaleText", doc.ScaleText()},
        {"scaleLabel", FormatScaleText(doc.Scale())},
        {"unitDivisor", doc.UnitDivisor()},
        {"unit", doc.UnitName()},
        {"origin", FloatPair(doc.OriginX(), doc.OriginY())},
        {"gridColor", doc.GridColor()},
        {"grid", FloatPair(doc.GridX(), doc.GridY())},
        {"gridAutoAdjust", doc.GridAutoAdjust()},
        {"dimTextHeight", doc.DimTextHeight()},
        {"paperMm", Json::array({doc.PaperSize().cx, doc.PaperSize().cy})},
        {"unitsPerMm", FloatToJson(doc.UnitsPerMm())},
        {"extent", Json::array({doc.Extent().cx, doc.Extent().cy})},
        {"background", doc.Background().size()},
        {"foreground", doc.Objects().size()},
        {"items", 0},
        {"classes", std::move(classCounts)},
    });
}

Json DumpDocument(CArdoDoc& doc) {
    // Opaque records are written as a save would write them: in the current version.
    const int versionRead = doc.FileVersion();
    doc.SetFileVersion(23);
    Json background = ListToJson(doc.Background(), doc);
    Json foreground = ListToJson(doc.Objects(), doc);
    doc.SetFileVersion(versionRead);
    return Json::object({
        {"format", kFormatName},
        {"formatVersion", kFormatVersion},
        {"version", doc.FileVersion()},
        {"scale", FloatToJson(doc.Scale())},
        {"scaleText", doc.ScaleText()},
        {"origin", FloatPair(doc.OriginX(), doc.OriginY())},
        {"unitDivisor", doc.UnitDivisor()},
        {"gridColor", doc.GridColor()},
        {"grid", FloatPair(doc.GridX(), doc.GridY())},
        {"gridAutoAdjust", doc.GridAutoAdjust()},
        {"dimTextHeight", doc.DimTextHeight()},
        {"paperMm", Json::array({doc.PaperSizeInFile().cx, doc.PaperSizeInFile().cy})},
        {"background", std::move(background)},
        {"foreground", std::move(foreground)},
        {"items", Json::array()},
    });
}

void BuildDocument(const Json& dump, CArdoDoc& doc) {
    const std::string where = "document";
    if (!dump.is_object()) Fail(where, "expected an object");
    if (const auto it = dump.find("format"); it != dump.end() && *it != kFormatName)
        Fail(where, std::string("\"format\" is not \"") + kFormatName + "\"");
    if (const auto it = dump.find("formatVersion"); it != dump.end() && *it != kFormatVersion)
        Fail(where, "unsupported \"formatVersion\"");

    // The header values first: the objects are read against them.
    DocumentSettings settings = doc.StoredSettings();
    const float scale = FloatFromJson(Member(dump, "scale", where), "scale");
    if (!(scale > 0.0f) || std::isinf(scale)) Fail("scale", "must be a positive finite number");
    settings.m_fScale = scale;
    const Json& scaleText = Member(dump, "scaleText", where);
    if (!scaleText.is_string()) Fail("scaleText", "expected a string");
    settings.m_strScale = scaleText.get<std::string>();
    const Json& origin = ArrayOf(Member(dump, "origin", where), 2, "origin");
    settings.m_fOriginX = FloatFromJson(origin[0], "origin");
    settings.m_fOriginY = FloatFromJson(origin[1], "origin");
    settings.m_nUnitDivisor = WordMember(dump, "unitDivisor", where);
    settings.m_crGrid = DWordMember(dump, "gridColor", where);
    const Json& grid = ArrayOf(Member(dump, "grid", where), 2, "grid");
    settings.m_fGridX = FloatFromJson(grid[0], "grid");
    settings.m_fGridY = FloatFromJson(grid[1], "grid");
    settings.m_bGridAutoAdjust = WordMember(dump, "gridAutoAdjust", where);
    settings.m_nDimTextHeight = WordMember(dump, "dimTextHeight", where);

    // The file stores the extent divided by the units per millimetre. With one unit per
    // millimetre and the stored pair as the extent, saving writes the pair unchanged.
    const Json& paper = ArrayOf(Member(dump, "paperMm", where), 2, "paperMm");
    const CSize paperMm(int32_t(IntegerIn(paper[0], kIntMin, kIntMax, "paperMm")),
                        int32_t(IntegerIn(paper[1], kIntMin, kIntMax, "paperMm")));
    settings.m_sizePaperInFile = paperMm;
    settings.m_sizePaper = paperMm;
    settings.m_sizeExtent = paperMm;
    settings.m_fUnitsPerMm = 1.0f;
    doc.SetStoredSettings(settings);

    BuildState state;
    ListFromJson(dump, "background", true, doc, state);
    ListFromJson(dump, "foreground", false, doc, state);
    // Saving writes this one value into every text record.
    if (state.initialHeight) doc.SetInitialTextHeight(*state.initialHeight);
    if (const auto it = dump.find("items"); it != dump.end() && !(it->is_array() && it->empty()))
        Fail("items", "embedded items are not supported");
}
