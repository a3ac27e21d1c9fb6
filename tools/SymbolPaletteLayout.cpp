// Candidate copies, layout, painting and the hit walk of the symbol palette.
#include "tools/SymbolPaletteLayout.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoSymbol.h"
#include "platform/RecordingBackend.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A band never grows beyond this many pixels, whatever a damaged frame's proportions.
constexpr double kMaxBand = 20000.0;
constexpr double kSymbolShare = 0.9;  // of the window width a symbol takes

// A copy that leaves the library untouched: a placed symbol's Clone would move its source.
std::unique_ptr<CArdoObj> CopyOf(const CArdoObj& obj) {
    if (const auto* symbol = dynamic_cast<const CArdoSymbol*>(&obj)) {
        auto copy = std::make_unique<CArdoSymbol>(*symbol);
        copy->SetDocument(nullptr);
        return copy;
    }
    return obj.Clone();
}

int32_t ToInt(double v) {
    if (!std::isfinite(v)) return 0;
    return int32_t(std::clamp(v, -2147483647.0, 2147483647.0));
}

}  // namespace

void CSymbolPaletteLayout::Clear() { m_candidates.clear(); }

void CSymbolPaletteLayout::Fill(const CArdoDoc& doc, const std::vector<int>& indexes) {
    Clear();
    const int tableSize = std::clamp(doc.SymbolCount(), 0, kMaxSymbols);
    const float unitsPerMm = doc.UnitsPerMm() > 0.0f ? doc.UnitsPerMm() : 1.0f;
    for (const int index : indexes) {
        if (m_candidates.size() >= kMaxCandidates) break;
        if (index < 0 || index >= tableSize) continue;
        const SymbolInfo& info = doc.SymbolEntry(index);
        const ObjectList& geometry = doc.LibraryGeometry(index);
        if (info.nClass == kDeletedSymbolClass || geometry.empty() || !geometry.front()) continue;
        const CRect frame = geometry.front()->m_position.Normalized();
        const int64_t width = int64_t(frame.right) - frame.left;
        const int64_t height = int64_t(frame.bottom) - frame.top;
        // Nothing to scale by: such an entry cannot be drawn.
        if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) continue;

        Candidate c;
        c.index = index;
        c.description = info.strDescription;
        c.frameWidth = width;
        c.frameHeight = height;
        for (size_t i = 1; i < geometry.size(); ++i) {
            if (!geometry[i]) continue;
            std::unique_ptr<CArdoObj> copy = CopyOf(*geometry[i]);
            if (!copy) continue;
            // Pen widths are paper hundredths of a millimetre; the palette draws hairlines.
            copy->m_logpen.lopnWidth.x = CArdoObj::TruncToInt(float(copy->m_logpen.lopnWidth.x) / unitsPerMm);
            copy->m_logpen.lopnWidth.y = CArdoObj::TruncToInt(float(copy->m_logpen.lopnWidth.y) / unitsPerMm);
            c.strokes.push_back(std::move(copy));
        }
        m_candidates.push_back(std::move(c));
    }
}

int CSymbolPaletteLayout::StackedHeight(int clientWidth) const {
    double total = kTopMargin;
    for (size_t i = 0; i < m_candidates.size(); ++i) total += BandOf(i, clientWidth, 0).height + kGap;
    return ToInt(total);
}

int CSymbolPaletteLayout::HeightForWidth(int outerWidth) const { return StackedHeight(std::max(outerWidth, 20)); }

CSymbolPaletteLayout::Band CSymbolPaletteLayout::BandOf(size_t i, int clientWidth, int scrollY) const {
    const double w = std::max(clientWidth, 1);
    double top = kTopMargin - double(scrollY);
    Band band;
    for (size_t k = 0; k <= i && k < m_candidates.size(); ++k) {
        const Candidate& c = m_candidates[k];
        const double height = std::min(double(c.frameHeight) * w / double(c.frameWidth), kMaxBand);
        if (k == i) {
            band.top = top;
            band.height = height;
        }
        top += height + kGap;
    }
    return band;
}

void CSymbolPaletteLayout::MapCandidate(CDC& dc, size_t i, int clientWidth, int scrollY) const {
    const Candidate& c = m_candidates[i];
    const Band band = BandOf(i, clientWidth, scrollY);
    const double w = std::max(clientWidth, 1);
    const int drawWidth = std::max(1, ToInt(w * kSymbolShare));
    const int drawHeight = std::max(1, ToInt(band.height * kSymbolShare));
    dc.SetMapMode(MM_ANISOTROPIC);
    // Library (0, height) is the frame's upper-left corner; y turns downwards.
    dc.SetWindowOrg(0, int(c.frameHeight));
    dc.SetWindowExt(int(c.frameWidth), int(c.frameHeight));
    dc.SetViewportOrg(ToInt((w - drawWidth) / 2.0), ToInt(band.top + (band.height - drawHeight) / 2.0));
    dc.SetViewportExt(drawWidth, -drawHeight);
}

void CSymbolPaletteLayout::Paint(CDC& dc, int clientWidth, int clientHeight, int scrollY) const {
    for (size_t i = 0; i < m_candidates.size(); ++i) {
        const Band band = BandOf(i, clientWidth, scrollY);
        if (band.top + band.height < 0 || band.top > clientHeight) continue;
        MapCandidate(dc, i, clientWidth, scrollY);
        CRect clip(0, 0, std::max(clientWidth, 1), std::max(clientHeight, 1));
        dc.DPtoLP(&clip);
        clip.NormalizeRect();
        for (const auto& stroke : m_candidates[i].strokes) stroke->Draw(&dc, clip);
    }
}

int CSymbolPaletteLayout::HitTest(CPoint client, int clientWidth, int scrollY) const {
    // Only the mapping is needed; the recording device draws nowhere.
    RecordingBackend device;
    for (size_t i = 0; i < m_candidates.size(); ++i) {
        const Band band = BandOf(i, clientWidth, scrollY);
        if (client.y + 1 < band.top || client.y - 1 > band.top + band.height) continue;
        CDC dc(device);
        MapCandidate(dc, i, clientWidth, scrollY);
        CRect probe(client.x - 1, client.y - 1, client.x + 1, client.y + 1);
        dc.DPtoLP(&probe);
        probe.NormalizeRect();
        for (const auto& stroke : m_candidates[i].strokes)
            if (stroke->Intersects(probe)) return int(i);
    }
    return -1;
}
