#include "plan/PlanImport.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoText.h"
#include "plan/PlanArc.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "platform/Win1252.h"

namespace {

// Shows the wait cursor and the reading prompt for the life of one import.
class ImportBusyScope {
public:
    explicit ImportBusyScope(Services& services) : m_services(services) {
        m_services.cursors->SetCursor(IDC_WAIT);
        m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_PLAN_READING));
    }
    ~ImportBusyScope() {
        m_services.cursors->SetCursor(IDC_ARROW);
        m_services.status->SetPaneText(kPanePrompt, std::string());
    }
    ImportBusyScope(const ImportBusyScope&) = delete;
    ImportBusyScope& operator=(const ImportBusyScope&) = delete;

private:
    Services& m_services;
};

class RecordStream {
public:
    RecordStream(CArdoDoc& doc, PlanRecordReader& reader, const PlanParameters& params, PlanImportReport& report)
        : m_doc(doc), m_reader(reader), m_params(params), m_report(report), m_path(doc) {}

    void Run();

private:
    enum class Step { next, endAfter, cutShort };

    bool Floats(float* out, int n) {
        for (int i = 0; i < n; ++i)
            if (!m_reader.ReadFloat(out[i])) return false;
        return true;
    }
    bool Bytes(uint8_t* out, int n) {
        for (int i = 0; i < n; ++i)
            if (!m_reader.ReadByte(out[i])) return false;
        return true;
    }
    Step Record(uint8_t code);
    Step FilledPolygon();
    Step Text();
    void MakeText(const std::string& bytes);
    void End(PlanStreamEnd how, uint8_t code) {
        m_report.end = how;
        m_report.endCode = code;
    }

    CArdoDoc& m_doc;
    PlanRecordReader& m_reader;
    const PlanParameters& m_params;
    PlanImportReport& m_report;
    PlanPathBuilder m_path;
};

void RecordStream::Run() {
    for (;;) {
        uint8_t code = 0;
        if (!m_reader.ReadByte(code)) {
            End(PlanStreamEnd::endOfFile, 0);
            break;
        }
        if (code == 0) continue;
        const Step step = Record(code);
        if (step == Step::cutShort) {
            // A record whose payload the file cannot hold has no effect.
            End(PlanStreamEnd::cutShort, code);
            break;
        }
        if (m_report.end == PlanStreamEnd::unknownCode) break;
        ++m_report.records;
        if (m_params[PLAN_STOP_FLAG] != 0.0f) {
            m_path.DropPath();
            End(PlanStreamEnd::stopFlag, code);
            m_report.paths = m_path.Counts();
            return;
        }
        if (step == Step::endAfter) break;
    }
    m_path.EndPath();
    m_report.paths = m_path.Counts();
}

RecordStream::Step RecordStream::Record(uint8_t code) {
    float v[7];
    uint8_t rgb[3];
    switch (code) {
    case 'A':
        if (!Floats(v, 1)) return Step::cutShort;
        m_path.EndPath();
        return Step::next;
    case 'B':
        if (!Floats(v, 2)) return Step::cutShort;
        m_path.MoveTo(v[0], v[1]);
        return Step::next;
    case 'C':
        if (!Floats(v, 2)) return Step::cutShort;
        m_path.LineTo(v[0], v[1]);
        return Step::next;
    case 'D':
        if (!Floats(v, 2)) return Step::cutShort;
        m_path.AddPoint(v[0], v[1]);
        return Step::next;
    case 'G': {
        if (!Floats(v, 7)) return Step::cutShort;
        const PlanArc arc{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
        AppendPlanArc(m_path, arc, m_params[PLAN_ARC_RESOLUTION]);
        return Step::next;
    }
    case 'H':
        if (!Bytes(rgb, 3)) return Step::cutShort;
        std::copy(rgb, rgb + 3, m_path.current.fill);
        return Step::next;
    case 'I': return FilledPolygon();
    case 'J':
        if (!Floats(v, 1)) return Step::cutShort;
        m_path.current.width = v[0];
        return Step::next;
    case 'K':
        if (!Bytes(rgb, 3)) return Step::cutShort;
        // Pure white and pure black swap: plots are drawn on black, the sheet is white.
        if (rgb[0] == rgb[1] && rgb[1] == rgb[2] && (rgb[0] == 0xFF || rgb[0] == 0x00))
            rgb[0] = rgb[1] = rgb[2] = uint8_t(~rgb[0]);
        std::copy(rgb, rgb + 3, m_path.current.line);
        return Step::next;
    case 'M': return Text();
    case 'N':
        if (!Floats(v, 2)) return Step::cutShort;
        m_path.EndPath();
        End(PlanStreamEnd::endRecord, code);
        return Step::endAfter;
    case 'O':
        if (!Floats(v, 3)) return Step::cutShort;
        m_path.EndPath();
        End(PlanStreamEnd::endRecord, code);
        return Step::endAfter;
    case 'P':
        if (!Floats(v, 1)) return Step::cutShort;
        m_path.EndPath();
        if (v[0] < 1.0f || m_params[PLAN_PAGE_SWITCH] == 0.0f) {
            End(PlanStreamEnd::pageEnd, code);
            return Step::endAfter;
        }
        return Step::next;
    case 'X':
    case 'Y':
        if (!Floats(v, 1)) return Step::cutShort;
        return Step::next;
    case 'Z':
        if (!Floats(v, 2)) return Step::cutShort;
        m_path.EndPath();
        End(PlanStreamEnd::endRecord, code);
        return Step::endAfter;
    default: End(PlanStreamEnd::unknownCode, code); return Step::endAfter;
    }
}

RecordStream::Step RecordStream::FilledPolygon() {
    float n = 0;
    if (!m_reader.ReadFloat(n)) return Step::cutShort;
    const int32_t points = PlanTruncToInt(n) / 2;
    if (points > 0 && uint64_t(points) * 8 > m_reader.Remaining()) return Step::cutShort;
    m_path.BeginFilled();
    for (int32_t i = 0; i < points; ++i) {
        float xy[2];
        if (!Floats(xy, 2)) return Step::cutShort;
        m_path.AddPoint(xy[0], xy[1]);
    }
    m_path.EndPath();
    return Step::next;
}

RecordStream::Step RecordStream::Text() {
    float n = 0;
    if (!m_reader.ReadFloat(n)) return Step::cutShort;
    const int32_t length = PlanTruncToInt(n);
    // A length the rest of the file cannot hold ends the stream before anything is allocated.
    if (length >= 1 && uint64_t(length) > m_reader.Remaining()) return Step::cutShort;
    m_path.EndPath();
    std::string bytes;
    if (length >= 1 && !m_reader.ReadBytes(bytes, uint64_t(length))) return Step::cutShort;
    MakeText(bytes);
    if (length < 1 || m_params[PLAN_TEXT_SWITCH] == 0.0f) {
        End(PlanStreamEnd::textEnd, 'M');
        return Step::endAfter;
    }
    return Step::next;
}

void RecordStream::MakeText(const std::string& bytes) {
    // No record sets a text position of its own: a text stands at the pen position, the
    // last point a move, line or point record named (the centre after an arc), so a plot
    // writes "B x y" before "M" to place a text.
    const float u = m_doc.UnitsPerMm();
    const CPoint at(PlanToLogicalTrunc(m_path.PenX() * u), PlanToLogicalTrunc(m_path.PenY() * u));
    // Plot texts are C strings: they end at the first zero byte.
    const std::string text = Win1252ToUtf8(std::string_view(bytes.data(), strnlen(bytes.data(), bytes.size())));
    auto created = std::make_unique<CArdoText>(CRect(at.x, at.y, at.x + 10, at.y + 10), m_doc.InitialTextHeight());
    created->SetDocument(&m_doc);
    created->SetText(nullptr, text, nullptr);
    CArdoText* label = m_doc.AddBackgroundObject(std::move(created));
    label->PlaceHorizontal(at);
    ++m_report.texts;
}

// Runs with the wait cursor and the reading prompt already shown.
int ImportFrom(CArdoDoc& doc, PlanByteSource& source, PlanImportReport& report) {
    PlanRecordReader reader(source);
    if (!reader.ReadFirstBlock()) return 0;
    report.opened = true;

    PlanParameters& params = report.parameters;
    report.header = ReadPlanHeader(reader, report.headerData, params);
    if (report.header == PlanHeaderStatus::notAPlan) {
        doc.GetServices().messages->MessageBox(LoadString(IDS_PLAN_NOT_A_PLAN), LoadString(IDS_PLAN_READ_ERROR_CAPTION),
                                               MB_OK | MB_ICONERROR);
        return 0;
    }
    if (report.header != PlanHeaderStatus::valid) return 0;

    if (PlanSheetModeSizesSheet(params[PLAN_SHEET_MODE]))
        doc.SetPaperSize(PlanTruncToInt(report.headerData.PlotWidth()), PlanTruncToInt(report.headerData.PlotHeight()),
                         1);
    doc.ClearBackground();
    RecordStream(doc, reader, params, report).Run();
    return 0;
}

}  // namespace

int ImportPlan(CArdoDoc& doc, const std::string& fileName, PlanImportReport* report, const PlanFileDialog& askFile,
               const PlanParameters& start) {
    std::string name = fileName;
    if (name.empty() && askFile) name = askFile();
    if (name.empty()) return -1;
    PlanImportReport local;
    PlanImportReport& r = report ? *report : local;
    r = PlanImportReport{};
    r.parameters = start;
    ImportBusyScope busy(doc.GetServices());
    PlanFileSource source(name);
    if (!source.IsOpen()) {
        r.openError = source.OpenError();
        return 0;
    }
    return ImportFrom(doc, source, r);
}

int ImportPlanBytes(CArdoDoc& doc, std::span<const uint8_t> bytes, PlanImportReport* report,
                    const PlanParameters& start) {
    PlanImportReport local;
    PlanImportReport& r = report ? *report : local;
    r = PlanImportReport{};
    r.parameters = start;
    ImportBusyScope busy(doc.GetServices());
    PlanMemorySource source(bytes);
    return ImportFrom(doc, source, r);
}
