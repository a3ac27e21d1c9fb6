#include "document/ArdoDoc.h"

#include "document/ChangeNames.h"
#include "document/DocumentChange.h"
#include "document/DocumentFile.h"
#include "document/DocumentFormats.h"
#include "document/OpenChange.h"
#include "document/SaveNaming.h"
#include "document/ScaleText.h"
#include "document/SymbolLibrary.h"
#include "objects/ObjectClasses.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kCurrentVersion = 23;
constexpr int IDS_CAP_SAVE_WARNING = 57453;
constexpr int IDS_CAP_SAVE_CAPTION = 57454;

// Float to int by truncation toward zero; values beyond the int range saturate and NaN
// gives 0, so damaged values can never make the conversion undefined.
int32_t TruncToInt(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
    return int32_t(v);
}

// Reduces the units per millimetre to their leading digit, keeping a fraction at 10 or less.
float ReduceToLeadingDigit(float u) {
    for (float step : {10000.0f, 1000.0f, 100.0f, 10.0f})
        if (u > step) u = std::trunc(u / step) * step;
    return u;
}

[[noreturn]] void ThrowDamaged(const char* what) { throw CArchiveException(CArchiveException::badSchema, what); }

// The archive designates the document while its Serialize runs, also when it throws.
class DocumentScope {
public:
    DocumentScope(CArchive& ar, CArdoDoc* doc) : m_ar(ar), m_previous(ar.m_pDocument) {
        ar.m_pDocument = static_cast<ObjectOwner*>(doc);
    }
    ~DocumentScope() { m_ar.m_pDocument = m_previous; }

private:
    CArchive& m_ar;
    void* m_previous;
};

void DeleteFromHead(ObjectList& list) {
    for (auto& obj : list) obj.reset();
    list.clear();
}

void RegisterClassesOnce() {
    static const bool registered = (RegisterDrawingObjectClasses(), true);
    (void)registered;
}

}  // namespace

// --- construction and destruction ------------------------------------------------------------

CArdoDoc::CArdoDoc(Services& services) : m_services(services) {
    RegisterClassesOnce();
    m_lfText.lfHeight = 6;
    std::strncpy(m_lfText.lfFaceName, "Arial", sizeof m_lfText.lfFaceName - 1);
    SetPaperSize(0, 0, 1);

    ISettingsStore& settings = *m_services.settings;
    const COLORREF red = COLORREF(settings.GetProfileInt("UserSettings", "GridColorRed", 0)) & 0xFF;
    const COLORREF green = COLORREF(settings.GetProfileInt("UserSettings", "GridColorGreen", 0)) & 0xFF;
    const COLORREF blue = COLORREF(settings.GetProfileInt("UserSettings", "GridColorBlue", 128)) & 0xFF;
    m_crGrid = red | (green << 8) | (blue << 16);
    m_bSnap = settings.GetProfileInt("UserSettings", "Grid", 1) != 0;
    m_nVersion = kCurrentVersion;
}

CArdoDoc::~CArdoDoc() {
    DeleteFromHead(m_background);
    DeleteFromHead(m_objects);
    // Entries marked deleted gave their objects away already.
    for (int i = std::min(m_nSymbols, kMaxSymbols) - 1; i >= 0; --i)
        if (m_symbolInfo[i].nClass != kDeletedSymbolClass) DeleteFromHead(m_symbolObjects[i]);
}

// --- object lists ------------------------------------------------------------------------------

CArdoObj* CArdoDoc::AddObject(std::unique_ptr<CArdoObj> obj) {
    obj->SetDocument(this);
    m_objects.push_back(std::move(obj));
    if (!IsChanging()) NoteUnrecordedChange();
    return m_objects.back().get();
}

CArdoObj* CArdoDoc::AddBackgroundObject(std::unique_ptr<CArdoObj> obj) {
    obj->SetDocument(this);
    if (IsChanging()) NoteBackgroundChanging();
    m_background.push_back(std::move(obj));
    if (!IsChanging()) NoteUnrecordedChange();
    return m_background.back().get();
}

std::unique_ptr<CArdoObj> CArdoDoc::RemoveObject(CArdoObj* obj) {
    std::unique_ptr<CArdoObj> removed;
    for (ObjectList* list : {&m_objects, &m_background}) {
        auto it = std::find_if(list->begin(), list->end(), [obj](const auto& p) { return p.get() == obj; });
        if (it != list->end()) {
            if (IsChanging()) NoteRemoval(obj, list == &m_background);
            removed = std::move(*it);
            list->erase(it);
            break;
        }
    }
    if (removed && !IsChanging()) NoteUnrecordedChange();
    for (DocumentView* view : std::vector<DocumentView*>(m_views)) view->RemoveFromSelection(obj);
    return removed;
}

void CArdoDoc::ClearBackground() {
    if (m_background.empty()) return;
    if (IsChanging())
        for (const auto& obj : m_background) NoteRemoval(obj.get(), true);
    DeleteFromHead(m_background);
    if (!IsChanging()) NoteUnrecordedChange();
    UpdateAllViews(nullptr, HINT_ALL);
}

bool CArdoDoc::MoveObjectInOrder(CArdoObj* obj, Order where, DocumentView* sender) {
    ObjectList& list = m_objects;
    auto it = std::find_if(list.begin(), list.end(), [obj](const auto& p) { return p.get() == obj; });
    if (it == list.end()) return false;
    {
        DocumentChange change(*this, change::Order, DocumentChange::Kind::listsOnly);
        switch (where) {
        case Order::ToFront: std::rotate(it, it + 1, list.end()); break;
        case Order::ToBack: std::rotate(list.begin(), it, it + 1); break;
        case Order::ForwardOne:
            if (it + 1 == list.end()) return false;
            std::iter_swap(it, it + 1);
            break;
        case Order::BackOne:
            if (it == list.begin()) return false;
            std::iter_swap(it, it - 1);
            break;
        }
    }
    if (sender) sender->InvalidateObject(obj);
    UpdateAllViews(sender, HINT_ALL);
    return true;
}

CArdoObj* CArdoDoc::ObjectAt(CPoint pt) const {
    const CRect pick(pt.x - 1, pt.y - 1, pt.x + 1, pt.y + 1);
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->Intersects(pick)) return it->get();
    return nullptr;
}

namespace {
// The clip both draw operations hand to every object, in logical units.
CRect DrawingClip(const CArdoDoc& doc, CDC* pDC, DocumentView* pView) {
    if (pDC->IsPrinting())
        return CRect(0, 0, TruncToInt(float(pDC->GetDeviceCaps(HORZRES)) * doc.UnitsPerMm()),
                     TruncToInt(float(pDC->GetDeviceCaps(VERTRES)) * doc.UnitsPerMm()));
    if (!pView) return CRect(0, 0, doc.Extent().cx, doc.Extent().cy);
    return pView->GetLogicalClipRect(pDC).Normalized();
}
}  // namespace

void CArdoDoc::DrawBackground(CDC* pDC, DocumentView* pView) {
    const CRect clip = DrawingClip(*this, pDC, pView);
    for (const auto& obj : m_background) obj->Draw(pDC, clip);
}

void CArdoDoc::DrawForeground(CDC* pDC, DocumentView* pView) {
    const CRect clip = DrawingClip(*this, pDC, pView);
    const bool showHandles = !pDC->IsPrinting() && pView && pView->IsActiveView();
    for (const auto& obj : m_objects) {
        obj->Draw(pDC, clip);
        if (showHandles && pView->IsSelected(obj.get())) obj->DrawTracker(pDC, selected, m_fUnitsPerMm);
    }
}

// --- sheet and scale ---------------------------------------------------------------------------

void CArdoDoc::SetPaperSize(int widthMm, int heightMm, int bFit) {
    if (widthMm == 0) widthMm = m_sizePaper.cx;
    if (heightMm == 0) heightMm = m_sizePaper.cy;
    if (widthMm < 1) widthMm = 105;
    if (heightMm < 1) heightMm = 149;
    m_sizePaper = CSize(widthMm, heightMm);

    float units = 1.0f;
    if (bFit) units = ReduceToLeadingDigit(std::min(32767.0f / float(heightMm), 32000.0f / float(widthMm)));
    m_fUnitsPerMm = units;
    UpdateScaleText();

    const CSize extent(std::max(TruncToInt(float(widthMm) * units), widthMm),
                       std::max(TruncToInt(float(heightMm) * units), heightMm));
    if (extent != m_sizeExtent) {
        m_sizeExtent = extent;
        for (DocumentView* view : std::vector<DocumentView*>(m_views)) view->OnExtentChanged(extent);
    }
}

void CArdoDoc::UpdateScaleText() {
    m_fRealPerUnit = m_fScale / m_fUnitsPerMm / float(m_nUnitDivisor);
    std::strncpy(m_szUnit, UnitLabel(m_nUnitDivisor), sizeof m_szUnit - 1);
    m_services.status->SetPaneText(kPaneScale, FormatScaleText(m_fScale));
}

void CArdoDoc::SetStoredSettings(const DocumentSettings& settings) {
    RestoreSettings(settings);
    if (!IsChanging()) NoteUnrecordedChange();
}

void CArdoDoc::SetGrid(float x, float y, COLORREF color) {
    {
        DocumentChange change(*this, change::Grid, DocumentChange::Kind::listsOnly);
        m_crGrid = color;
        m_fGridX = x;
        m_fGridY = y;
    }
    UpdateAllViews(nullptr, HINT_ALL);
}

void CArdoDoc::SetPaperColor(COLORREF color) {
    m_crPaper = color;
    UpdateAllViews(nullptr, HINT_ALL);
}

void CArdoDoc::SetOrigin(float x, float y) {
    DocumentChange change(*this, change::Origin, DocumentChange::Kind::listsOnly);
    m_fOriginX = x;
    m_fOriginY = y;
}

ScaleDialogResult CArdoDoc::ScaleDialogPreset() const {
    ScaleDialogResult preset;
    preset.scale = m_fScale;
    preset.scaleText = m_strScale;
    preset.bGridAutoAdjust = m_bGridAutoAdjust;
    preset.unitChoice = m_nUnitDivisor == 1000 ? 0 : m_nUnitDivisor == 10 ? 1 : 2;
    return preset;
}

void CArdoDoc::ApplyScaleDialog(const ScaleDialogResult& result) {
    DocumentChange change(*this, change::Scale, DocumentChange::Kind::listsOnly);
    const float oldScale = m_fScale;
    const int oldDivisor = m_nUnitDivisor;
    const std::string oldText = m_strScale;

    m_fScale = result.scale;
    m_strScale = result.scaleText;
    m_bGridAutoAdjust = result.bGridAutoAdjust;
    // The grid keeps its spacing on paper: back to paper by the old scale, out by the new.
    if (m_bGridAutoAdjust) {
        m_fGridX /= oldScale;
        m_fGridY /= oldScale;
    }
    m_nUnitDivisor = result.unitChoice == 0 ? 1000 : result.unitChoice == 1 ? 10 : 1;
    if (m_bGridAutoAdjust) {
        m_fGridX *= m_fScale;
        m_fGridY *= m_fScale;
    }
    if (m_strScale != oldText || m_nUnitDivisor != oldDivisor) {
        UpdateScaleText();
        UpdateAllViews(nullptr, HINT_MEASURES);
    }
}

// --- views ---------------------------------------------------------------------------------------

void CArdoDoc::AddView(DocumentView* view) {
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CArdoDoc::RemoveView(DocumentView* view) { std::erase(m_views, view); }

void CArdoDoc::UpdateAllViews(DocumentView* sender, int hint, const UpdateHint& what) {
    for (DocumentView* view : std::vector<DocumentView*>(m_views))
        if (view != sender) view->OnUpdate(sender, hint, what);
}

// --- archive -------------------------------------------------------------------------------------

void CArdoDoc::Serialize(CArchive& ar) {
    DocumentScope scope(ar, this);
    if (ar.IsStoring()) {
        // Object records consult the version while writing too: everything is written in the
        // current form that the version word announces, also for a document read from an
        // older file.
        m_nVersion = kCurrentVersion;
        // The negative scale tells readers that a version word follows.
        ar.WriteFloat(-m_fScale);
        ar.WriteWord(uint16_t(kCurrentVersion));
        ar.WriteString(m_strScale);
        ar.WriteFloat(m_fOriginX);
        ar.WriteFloat(m_fOriginY);
        ar.WriteWord(uint16_t(m_nUnitDivisor));
        ar.WriteDWord(m_crGrid);
        ar.WriteFloat(m_fGridX);
        ar.WriteFloat(m_fGridY);
        ar.WriteWord(uint16_t(m_bGridAutoAdjust));
        ar.WriteWord(uint16_t(m_nDimTextHeight));
        // The extent was truncated from paper size x units per mm, so dividing back can fall
        // just short of the paper size when the units per mm keep a fraction (at 10 or less).
        // Rounding recovers the paper size; truncating would lose a millimetre on every save.
        ar.WriteLong(TruncToInt(float(m_sizeExtent.cx) / m_fUnitsPerMm + 0.5f));
        ar.WriteLong(TruncToInt(float(m_sizeExtent.cy) / m_fUnitsPerMm + 0.5f));
        ar.WriteObList(m_background);
        ar.WriteObList(m_objects);
        ar.WriteDWord(0);  // embedded items: none can exist yet
        return;
    }

    // Whatever the history recorded belongs to the lists being replaced.
    m_history.Clear();
    ++m_changeCount;
    const float first = ar.ReadFloat();
    if (first > 0.0f) {
        m_fScale = first;
        m_nVersion = 1;
    } else {
        m_fScale = -first;
        m_nVersion = ar.ReadWord();
    }
    // Every length on the sheet is divided or multiplied by the scale: a zero, NaN or
    // infinite scale can only come from a damaged file.
    if (!(m_fScale > 0.0f) || std::isinf(m_fScale)) ThrowDamaged("damaged scale");

    m_strScale = ar.ReadString();
    m_fOriginX = ar.ReadFloat();
    m_fOriginY = ar.ReadFloat();
    m_nUnitDivisor = ar.ReadWord();
    m_crGrid = ar.ReadDWord();
    m_fGridX = ar.ReadFloat();
    m_fGridY = ar.ReadFloat();
    m_bGridAutoAdjust = ar.ReadWord();
    m_nDimTextHeight = ar.ReadWord();
    m_sizePaperInFile.cx = ar.ReadLong();
    m_sizePaperInFile.cy = ar.ReadLong();
    m_sizeExtent = m_sizePaperInFile;
    SetPaperSize(m_sizePaperInFile.cx, m_sizePaperInFile.cy, 1);

    ar.ReadObList(m_background);
    ar.ReadObList(m_objects);
    for (auto& obj : m_background) obj->SetDocument(this);
    for (auto& obj : m_objects) obj->SetDocument(this);
    UpdateScaleText();

    // Embedded compound-document items are not supported yet; a file that has any cannot
    // be shown faithfully, so it is refused rather than silently losing them.
    if (ar.ReadDWord() != 0) throw CArchiveException(CArchiveException::badClass, "embedded items are not supported");
}

void CArdoDoc::LoadFromBytes(std::span<const uint8_t> bytes) {
    try {
        CArchive ar(bytes);
        Serialize(ar);
    } catch (...) {
        DeleteFromHead(m_background);
        DeleteFromHead(m_objects);
        throw;
    }
}

std::vector<uint8_t> CArdoDoc::SaveToBytes() {
    std::vector<uint8_t> bytes;
    {
        CArchive ar(bytes);
        Serialize(ar);
    }
    return bytes;
}

// --- files -----------------------------------------------------------------------------------

void CArdoDoc::ReadDocumentFile(const std::string& path) { LoadFromBytes(ReadWholeFile(path)); }

void CArdoDoc::WriteDocumentFile(const std::string& path) { SaveFileAtomically(path, SaveToBytes()); }

int CArdoDoc::LoadSymbolLibrary() { return ::LoadSymbolLibrary(*this) ? 1 : 0; }

namespace {
void ReportFileError(IMessageBoxes& messages, std::exception_ptr error, FileOperation op, const std::string& path) {
    messages.MessageBox(DocumentErrorText(error, op, path), LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
}
}  // namespace

bool CArdoDoc::OnNewDocument() {
    SetModifiedFlag(false);
    m_strPathName.clear();
    m_bSymbolsLoaded = LoadSymbolLibrary();
    return true;
}

bool CArdoDoc::OnOpenDocument(const std::string& path, const DocumentFormats& formats, const AfterImport& afterImport) {
    m_bSymbolsLoaded = LoadSymbolLibrary();
    const DocumentReader& reader = formats.ReaderFor(path);
    const ReadResult result = reader.Read(*this, path);
    if (!result.opened) {
        // Not even an import opens a file that cannot be read.
        m_services.messages->MessageBox(result.message, LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!result.warning.empty())
        m_services.messages->MessageBox(result.warning, LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
    if (reader.Imports()) {
        // The import reported its own problems; the open succeeds even when it read nothing.
        // The shell asks its question (the plan's scale) before the views repaint.
        if (afterImport) afterImport(*this);
        UpdateAllViews(nullptr, HINT_ALL);
        return true;
    }
    if (!result.ok) {
        m_services.messages->MessageBox(result.message, LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CArdoDoc::OnSaveDocument(const std::string& path) {
    if (NeedsPlanSaveWarning(path)) {
        const int answer = m_services.messages->MessageBox(
            LoadString(IDS_CAP_SAVE_WARNING), LoadString(IDS_CAP_SAVE_CAPTION), MB_OKCANCEL | MB_ICONEXCLAMATION);
        if (answer != IDOK) return false;
    }
    try {
        WriteDocumentFile(path);
    } catch (...) {
        ReportFileError(*m_services.messages, std::current_exception(), FileOperation::save, path);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}
