// The palette window with a real document window: one entry places at once, several show
// the palette; picking on a symbol's strokes chooses it, a click beside them does nothing.
#include "app/palette/SymbolPaletteWindow.h"
#include "app/viewwindow/ViewWindow.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoSymbol.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"
#include "tools/InputTool.h"
#include "tools/ToolFramework.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<CArdoObj> PolygonOver(const CRect& r) {
    auto poly = std::make_unique<CArdoPoly>(r);
    poly->AddPointSilent({r.left, r.top});
    poly->AddPointSilent({r.right, r.top});
    poly->AddPointSilent({r.right, r.bottom});
    poly->AddPointSilent({r.left, r.bottom});
    poly->RecalcBounds(nullptr);
    return poly;
}

class SymbolPaletteWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
        SetViewToolSink(&tools);
        doc = std::make_shared<CArdoDoc>();
        doc->SetSymbolsLoaded(1);
        palette = EnsureProgramSymbolPalette();
        palette->resize(200, 300);
    }
    void TearDown() override {
        palette->ForgetDocument(*doc);
        delete window;
        SetViewToolSink(nullptr);  // this test's tools go with it
        ResetAppServices();
    }

    // A library entry whose one stroke fills the left half of its frame.
    int AddEntry(int key, int lengthMm, int widthMm, const std::string& name) {
        const int index = doc->SymbolCount();
        const CRect frame(0, 0, lengthMm * 10, widthMm * 10);
        AddToSymbol(*doc, PolygonOver(frame), key, name);
        std::unique_ptr<CArdoObj> stroke = PolygonOver(CRect(0, 0, frame.right / 2, frame.bottom));
        stroke->m_bBrush = 1;  // filled grey, so it shows inside its outline
        AddToSymbol(*doc, std::move(stroke), -1, "");
        {
            SymbolInfo entry = doc->SymbolEntry(index);
            entry.nLength = lengthMm;
            entry.nWidth = widthMm;
            doc->SetSymbolEntry(index, entry);
        }
        return index;
    }
    void OpenWindow() {
        window = static_cast<ViewWindow*>(CreateViewWindow(doc, nullptr));
        window->resize(800, 600);
        window->show();
        window->SetActive(true);
    }
    // A point in the middle of candidate i's band, on its stroke or beside it.
    QPoint InBand(size_t i, bool onStroke) const {
        const int w = palette->viewport()->width();
        const auto band = palette->Layout().BandOf(i, w, palette->verticalScrollBar()->value());
        return QPoint(onStroke ? w / 4 : w * 3 / 4, int(band.top + band.height / 2));
    }
    std::string Pane0() { return DefaultMemoryServices().status.PaneText(kPanePrompt); }

    CToolFramework tools;
    std::shared_ptr<CArdoDoc> doc;
    ViewWindow* window = nullptr;
    SymbolPaletteWindow* palette = nullptr;
};

TEST_F(SymbolPaletteWindowTest, OneEntryPlacesWithoutThePaletteSeveralShowIt) {
    const int table = AddEntry(1, 1200, 800, "Esstisch");
    const int sofa = AddEntry(28, 2100, 900, "Sofa");
    const int armchair = AddEntry(28, 900, 900, "Sessel");
    OpenWindow();

    ASSERT_TRUE(window->OnCommand(cmd::PlaceTable));  // "Tisch": one entry
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(doc->CurrentSymbol(), table);
    QTest::mouseClick(window->viewport(), Qt::LeftButton, {}, QPoint(300, 300));
    ASSERT_EQ(doc->Objects().size(), 1u);
    EXPECT_EQ(doc->Objects().back()->GetSymbolId(), table);

    ASSERT_TRUE(window->OnCommand(cmd::RoomLiving));  // "Wohnen": two entries
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->windowTitle(), "Symbole");
    EXPECT_EQ(doc->CurrentSymbol(), -1);
    EXPECT_EQ(Pane0(), "Bitte wählen Sie ein Symbol aus");
    ASSERT_EQ(palette->Layout().Count(), 2u);
    // Tall enough for both candidates.
    EXPECT_GE(palette->viewport()->height(), palette->Layout().StackedHeight(palette->viewport()->width()) - 2);

    // Hovering names the symbol under the pointer.
    QTest::mouseMove(palette->viewport(), InBand(1, true));
    EXPECT_EQ(Pane0(), "Sessel");

    QTest::mouseClick(palette->viewport(), Qt::LeftButton, {}, InBand(1, true));
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(doc->CurrentSymbol(), armchair);
    EXPECT_EQ(palette->PickedIndex(), armchair);
    EXPECT_EQ(Pane0(), "Bitte legen Sie das Symbol im Plan ab");
    (void)sofa;

    QTest::mouseClick(window->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
    ASSERT_EQ(doc->Objects().size(), 2u);
    EXPECT_EQ(doc->Objects().back()->GetSymbolId(), armchair);
}

TEST_F(SymbolPaletteWindowTest, ClickBesideTheStrokesPicksNothing) {
    AddEntry(29, 2000, 1400, "Doppelbett");
    AddEntry(29, 1000, 2000, "Einzelbett");
    OpenWindow();
    ASSERT_TRUE(window->OnCommand(cmd::RoomSleeping));
    ASSERT_TRUE(palette->isVisible());

    QTest::mouseMove(palette->viewport(), InBand(0, false));
    EXPECT_EQ(Pane0(), "Bitte wählen Sie ein Symbol aus");
    QTest::mouseClick(palette->viewport(), Qt::LeftButton, {}, InBand(0, false));
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(doc->CurrentSymbol(), -1);

    // A press in the plan with nothing chosen drops nothing.
    palette->Hide();
    QTest::mouseClick(window->viewport(), Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_TRUE(doc->Objects().empty());
}

TEST_F(SymbolPaletteWindowTest, PaintsTheCandidatesAndSkipsWhatItCannotDraw) {
    AddEntry(30, 600, 600, "Herd");
    const int broken = AddEntry(30, 600, 600, "kaputt");
    doc->LibraryGeometry(broken).front()->m_position = CRect(0, 0, 0, 0);
    AddEntry(30, 2400, 600, "Küchenzeile");
    OpenWindow();
    ASSERT_TRUE(window->OnCommand(cmd::RoomKitchen));
    ASSERT_EQ(palette->Layout().Count(), 2u);

    const QImage picture = palette->viewport()->grab().toImage();
    const QPoint on = InBand(0, true);
    const QPoint beside = InBand(0, false);
    EXPECT_NE(picture.pixel(on) & 0xFFFFFF, 0xFFFFFFu);      // inside the stroke's outline or fill
    EXPECT_EQ(picture.pixel(beside) & 0xFFFFFF, 0xFFFFFFu);  // nothing drawn beside it
}

}  // namespace
