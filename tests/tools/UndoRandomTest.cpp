// Hundreds of random edits of every kind on a furnished document, made through the commands
// and tools the window uses, with undo and redo mixed in; then everything undone must give
// the original file to the byte, and everything redone the file after the last edit.
#include "SymbolTestSupport.h"
#include "objects/ArdoText.h"
#include "view/SettingsDialogs.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tooltest {
namespace {

using Bytes = std::vector<uint8_t>;

// Answers every property dialog with values the test draws.
class RandomDialogs : public IObjectDialogs {
public:
    explicit RandomDialogs(std::mt19937& random) : m_random(random) {}
    bool EditLineAndFill(LineFillValues& v) override {
        v.lineWidth = int(m_random() % 200);
        v.lineColor = COLORREF(m_random() & 0xFFFFFF);
        v.fillColor = COLORREF(m_random() & 0xFFFFFF);
        v.bFill = int(m_random() % 2);
        return m_random() % 4 != 0;  // now and then the user cancels
    }
    bool EditText(TextDialogValues& v) override {
        v.strText = "Raum " + std::to_string(m_random() % 100);
        v.nAngle = int(m_random() % 4) * 90;
        return true;
    }
    bool EditDimensions(DimensionDialogValues& v) override {
        v.strTextHeight = std::to_string(2 + m_random() % 9);
        return true;
    }

private:
    std::mt19937& m_random;
};

Bytes ReadSample(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class UndoRandomTest : public SymbolFixture, public ::testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override {
        SymbolFixture::SetUp();
        random.seed(GetParam());
        SetObjectDialogs(&dialogs);
        const Bytes sample = ReadSample(std::string(KOVEL_SOURCE_DIR) + "/docs/samples/furnished-apartment.cpr");
        ASSERT_FALSE(sample.empty());
        doc->LoadFromBytes(sample);
        doc->SetSnap(0);
        doc->SetModifiedFlag(false);
        AddLibrarySymbol(1, 1000, 800, "Tisch");
        AddLibrarySymbol(2, 450, 450, "Stuhl");
        view->OnUpdate(nullptr, HINT_ALL, {});
        Prepare();
    }

    int Between(int low, int high) { return low + int(random() % unsigned(high - low + 1)); }
    CPoint AnyPoint() { return {Between(40, 960), Between(40, 660)}; }
    // A foreground object the window shows, selected alone; null when there is none.
    CArdoObj* SelectOne() {
        Command(cmd::SelectMode);
        if (doc->Objects().empty()) return nullptr;
        CArdoObj* obj = doc->Objects()[size_t(random() % doc->Objects().size())].get();
        view->Select(obj, false);
        return obj;
    }
    CPoint ClientCentreOf(const CArdoObj& obj) { return ClientOf(obj.m_position.Normalized().CenterPoint()); }

    void Draw() {
        static const int kTools[] = {cmd::ToolLine, cmd::ToolRect, cmd::ToolRoundRect, cmd::ToolEllipse};
        Command(kTools[random() % 4]);
        const CPoint a = AnyPoint();
        Drag(a, a + CSize(Between(-200, 200), Between(-200, 200)));
    }
    void DrawPolygon() {
        Command(cmd::ToolPolygon);
        const CPoint a = AnyPoint();
        Click(a);
        Click(a + CSize(Between(20, 150), 0));
        const CPoint last = a + CSize(Between(20, 150), Between(20, 150));
        Click(last);
        view->OnLButtonDblClk(0, last);
    }
    void PlaceSymbol() {
        Command(random() % 2 ? cmd::PlaceTable : cmd::PlaceChair);
        Click(AnyPoint());
    }
    void PlaceText() {
        Command(cmd::ToolText);
        const CPoint p = AnyPoint();
        view->OnMouseMove(0, p);
        Click(p);
    }
    void MoveOrDuplicate(unsigned flags) {
        CArdoObj* obj = SelectOne();
        if (!obj) return;
        const CPoint from = ClientCentreOf(*obj);
        Drag(from, from + CSize(Between(-80, 80), Between(-80, 80)), flags);
    }
    void Resize() {
        CArdoObj* obj = SelectOne();
        if (!obj || obj->GetHandleCount() == 0) return;
        const int handle = Between(1, obj->GetHandleCount());
        const CPoint from = ClientOf(obj->GetHandle(handle));
        Drag(from, from + CSize(Between(-40, 40), Between(-40, 40)));
    }
    void Interrupted() {
        if (random() % 2) {
            Command(cmd::ToolEllipse);
            const CPoint a = AnyPoint();
            Press(a);
            MoveTo(a + CSize(60, 60));
        } else {
            CArdoObj* obj = SelectOne();
            if (!obj) return;
            const CPoint from = ClientCentreOf(*obj);
            Press(from);
            MoveTo(from + CSize(30, -20));
        }
        view->OnCommand(cmd::Cancel);
    }
    void EditSelection() {
        if (!SelectOne()) return;
        switch (random() % 9) {
        case 0: Command(cmd::EditDelete); break;
        case 1:
            Command(cmd::EditCut);
            Command(cmd::EditPaste);
            break;
        case 2:
            Command(cmd::EditCopy);
            Command(cmd::EditPaste);
            break;
        case 3: Command(cmd::ToFront); break;
        case 4: Command(cmd::ToBack); break;
        case 5: Command(random() % 2 ? cmd::ForwardOne : cmd::BackOne); break;
        case 6:
            services().colorDialog.SetAnswer(COLORREF(random() & 0xFFFFFF));
            Command(random() % 2 ? cmd::LineColor : cmd::FillColor);
            break;
        case 7: Command(cmd::Properties); break;
        default:
            Command(cmd::EditSelectAll);
            Command(cmd::Properties);
            break;
        }
    }
    void ChangeSettings() {
        switch (random() % 3) {
        case 0:
            ApplyGridDialog(*doc, float(Between(1, 5)), float(Between(1, 5)), RGB(0, 0, 200), services().settings);
            break;
        case 1: ApplyOriginDialog(*doc, float(Between(-3, 3)), float(Between(-3, 3))); break;
        default: {
            ScaleDialogResult r = doc->ScaleDialogPreset();
            const int scale = 20 * Between(1, 10);
            r.scale = float(scale);
            r.scaleText = std::to_string(scale);
            r.bGridAutoAdjust = Between(0, 1);
            r.unitChoice = Between(0, 2);
            doc->ApplyScaleDialog(r);
        }
        }
    }

    void OneEdit() {
        switch (random() % 14) {
        case 0:
        case 1: Draw(); break;
        case 2: DrawPolygon(); break;
        case 3: PlaceSymbol(); break;
        case 4: PlaceText(); break;
        case 5: MoveOrDuplicate(0); break;
        case 6: MoveOrDuplicate(MK_CONTROL); break;
        case 7: Resize(); break;
        case 8: Interrupted(); break;
        case 9:
        case 10: EditSelection(); break;
        case 11: ChangeSettings(); break;
        case 12: Command(cmd::EditUndo); break;
        default: Command(cmd::EditRedo); break;
        }
        Command(cmd::SelectMode);
    }

    std::mt19937 random;
    RandomDialogs dialogs{random};
};

TEST_P(UndoRandomTest, UndoingEverythingGivesTheOriginalFileAndRedoingGivesTheLast) {
    const Bytes original = doc->SaveToBytes();
    for (int i = 0; i < 300; ++i) {
        OneEdit();
        ASSERT_FALSE(doc->IsChanging()) << "edit " << i << " left its change open";
    }
    // A last drawing drops what the mixed-in undos left to redo.
    Command(cmd::ToolRect);
    Drag({100, 100}, {220, 180});
    EXPECT_FALSE(Enabled(cmd::EditRedo));
    const Bytes last = doc->SaveToBytes();
    ASSERT_NE(last, original);

    int steps = 0;
    while (Enabled(cmd::EditUndo)) {
        Command(cmd::EditUndo);
        ++steps;
    }
    EXPECT_GT(steps, 20);  // the history was never forgotten on the way
    EXPECT_TRUE(doc->SaveToBytes() == original) << "undo all differs from the original";
    EXPECT_FALSE(doc->IsModified());
    while (Enabled(cmd::EditRedo)) Command(cmd::EditRedo);
    EXPECT_TRUE(doc->SaveToBytes() == last) << "redo all differs from the last state";
    EXPECT_TRUE(doc->IsModified());
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoRandomTest, ::testing::Values(1u, 2u, 3u, 42u, 2026u));

}  // namespace
}  // namespace tooltest
