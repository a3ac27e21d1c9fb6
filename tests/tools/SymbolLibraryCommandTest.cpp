// The two library commands: storing the selection as a new symbol and editing the current
// symbol's attributes.
#include "SymbolTestSupport.h"

namespace tooltest {
namespace {

class LibraryDialogs : public IObjectDialogs {
public:
    bool EditLineAndFill(LineFillValues&) override { return false; }
    bool EditAddSymbol(AddSymbolValues& v) override {
        ++addCalls;
        if (!ok) return false;
        v.nGroup = group;
        v.strName = name;
        return true;
    }
    bool EditSymbolAttributes(SymbolAttributeValues& v) override {
        seen = v;
        if (!ok) return false;
        v = answer;
        return true;
    }
    bool ok = true;
    int group = 1;
    std::string name = "Esstisch rund";
    int addCalls = 0;
    SymbolAttributeValues seen;
    SymbolAttributeValues answer;
};

class SymbolLibraryCommandTest : public SymbolFixture {
protected:
    void SetUp() override {
        SymbolFixture::SetUp();
        SetObjectDialogs(&dialogs);
        AddLibrarySymbol(1, 1000, 800, "Tisch");
    }
    // A frame rectangle, drawn from its upper left (top is the larger y), and a part in it.
    void SelectFrameAndPart() {
        CArdoRect* frame = AddRect(CRect(4000, 9000, 6000, 8000));
        CArdoRect* part = AddRect(CRect(4500, 8800, 5000, 8300), SHAPE_ELLIPSE);
        view->Select(frame);
        view->Select(part, true);
    }
    bool Run() { return view->OnCommand(cmd::StoreSelectionAsSymbol); }

    LibraryDialogs dialogs;
};

TEST_F(SymbolLibraryCommandTest, StoresSelectionUnderTheGroupKeyWithPartsAtTheFrameOrigin) {
    SelectFrameAndPart();
    ASSERT_TRUE(Enabled(cmd::StoreSelectionAsSymbol));
    ASSERT_TRUE(Run());
    ASSERT_EQ(doc->SymbolCount(), 2);
    const SymbolInfo& info = doc->SymbolEntry(1);
    EXPECT_EQ(info.nClass, 28);  // "Wohnen"
    EXPECT_EQ(info.strDescription, "Esstisch rund");
    // The new symbol takes its size on the plan: 2000 x 1000 units at 1:100.
    EXPECT_EQ(info.nLength, 1000);
    EXPECT_EQ(info.nWidth, 500);
    const ObjectList& geometry = doc->LibraryGeometry(1);
    ASSERT_EQ(geometry.size(), 2u);
    EXPECT_EQ(geometry[0]->m_position, CRect(4000, 8000, 6000, 9000));  // the frame keeps its place
    EXPECT_EQ(geometry[1]->m_position, CRect(500, 300, 1000, 800));
    // The plan itself is untouched, and the selection copy reached the clipboard.
    EXPECT_EQ(ObjectCount(), 2u);
    EXPECT_TRUE(services().clipboard.HasFormat(kKovelClipboardFormat));
    // The room group now offers the stored symbol.
    EXPECT_EQ(SymbolsWithKey(*doc, 28), std::vector<int>{1});
}

TEST_F(SymbolLibraryCommandTest, NoGroupChosenStoresUnderKey26) {
    dialogs.group = -1;
    SelectFrameAndPart();
    Run();
    ASSERT_EQ(doc->SymbolCount(), 2);
    EXPECT_EQ(doc->SymbolEntry(1).nClass, 26);
}

TEST_F(SymbolLibraryCommandTest, CancelOrEmptySelectionStoresNothing) {
    dialogs.ok = false;
    SelectFrameAndPart();
    Run();
    EXPECT_EQ(doc->SymbolCount(), 1);
    EXPECT_EQ(dialogs.addCalls, 1);

    view->Select(nullptr);
    EXPECT_FALSE(Enabled(cmd::StoreSelectionAsSymbol));
    dialogs.ok = true;
    Run();
    EXPECT_EQ(doc->SymbolCount(), 1);
    EXPECT_EQ(dialogs.addCalls, 1);
}

TEST_F(SymbolLibraryCommandTest, AttributesOfTheCurrentSymbolSizeOnlyWithDefaultSize) {
    EXPECT_FALSE(Enabled(cmd::SymbolAttributes));
    view->OnCommand(cmd::PlaceTable);
    ASSERT_EQ(doc->CurrentSymbol(), 0);
    EXPECT_TRUE(Enabled(cmd::SymbolAttributes));

    dialogs.answer = {"Tisch, groß", 0x1 | 0x2, 1600, 900};
    view->OnCommand(cmd::SymbolAttributes);
    EXPECT_EQ(dialogs.seen.strDescription, "Tisch");
    EXPECT_EQ(dialogs.seen.nLength, 1000);
    const SymbolInfo& info = doc->SymbolEntry(0);
    EXPECT_EQ(info.strDescription, "Tisch, groß");
    EXPECT_EQ(info.nFlags, 0x3u);
    EXPECT_EQ(info.nLength, 1000);  // no default size: the size stays

    dialogs.answer = {"Tisch, groß", 0x10, 1600, 900};
    view->OnCommand(cmd::SymbolAttributes);
    EXPECT_EQ(info.nLength, 1600);
    EXPECT_EQ(info.nWidth, 900);

    dialogs.ok = false;
    dialogs.answer = {"anders", 0, 1, 1};
    view->OnCommand(cmd::SymbolAttributes);
    EXPECT_EQ(info.strDescription, "Tisch, groß");
}

}  // namespace
}  // namespace tooltest
