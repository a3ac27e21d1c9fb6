// What the symbol palette shows and where: private copies of the candidates' geometry,
// stacked one below the other at 90 % of the window width, the hit walk for the pointer,
// and the window height that shows every candidate. Headless, so the shell's window and the
// tests share one layout.
#pragma once

#include "objects/ArdoObj.h"
#include "platform/DeviceContext.h"
#include "platform/Geometry.h"

#include <memory>
#include <string>
#include <vector>

class CArdoDoc;

class CSymbolPaletteLayout {
public:
    static constexpr int kTopMargin = 5;  // above the first candidate
    static constexpr int kGap = 15;       // below every candidate
    static constexpr size_t kMaxCandidates = 512;

    // Copies the geometry of each index that can be drawn. Indexes outside the table,
    // deleted entries, empty geometry and frames without width or height are skipped.
    void Fill(const CArdoDoc& doc, const std::vector<int>& indexes);
    void Clear();

    size_t Count() const { return m_candidates.size(); }
    // The symbol table index of candidate i.
    int SymbolIndex(size_t i) const { return m_candidates[i].index; }
    const std::string& Description(size_t i) const { return m_candidates[i].description; }

    // Height of all candidates stacked for a client width: 5 + sum(band + 15).
    int StackedHeight(int clientWidth) const;
    // The window height that shows every candidate at an outer width (caption excluded).
    int HeightForWidth(int outerWidth) const;

    // The band of candidate i: top and height in client pixels, for a scroll offset.
    struct Band {
        double top = 0;
        double height = 0;
    };
    Band BandOf(size_t i, int clientWidth, int scrollY) const;
    // Prepares dc so that candidate i's library coordinates land in its band, scaled by
    // 0.9 and centred, with y turned downwards.
    void MapCandidate(CDC& dc, size_t i, int clientWidth, int scrollY) const;

    // Draws every candidate whose band meets the client height.
    void Paint(CDC& dc, int clientWidth, int clientHeight, int scrollY) const;
    // The first candidate whose strokes meet the 2 x 2 pixel square around the client
    // point; -1 when none.
    int HitTest(CPoint client, int clientWidth, int scrollY) const;

private:
    struct Candidate {
        int index = -1;
        std::string description;
        int64_t frameWidth = 1;  // library units
        int64_t frameHeight = 1;
        std::vector<std::unique_ptr<CArdoObj>> strokes;  // the geometry, frame left out
    };
    std::vector<Candidate> m_candidates;
};
