// The change path and its history: every kind of change taken back and made again to the
// byte, the modified flag following the history, cancelled and failed changes leaving
// nothing, and the history's memory bound.
#include "DocTestSupport.h"

#include "document/DocumentChange.h"
#include "document/ListEdit.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoText.h"
#include "objects/ObjectClasses.h"
#include "platform/Archive.h"

#include <stdexcept>

using namespace doctest;

namespace {

class ChangeHistoryTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        for (int i = 0; i < 5; ++i) AddRect(i);
        for (int i = 0; i < 3; ++i) doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(i, 9, i + 5, 2), 1));
        doc.SetModifiedFlag(false);
        doc.AddView(&view);
        original = doc.SaveToBytes();
    }
    CArdoObj* AddRect(int i) {
        return doc.AddObject(std::make_unique<CArdoRect>(CRect(100 * i, 50, 100 * i + 40, 10), 1));
    }
    CArdoObj* Fg(size_t i) { return doc.Objects()[i].get(); }

    CArdoDoc doc;
    FakeView view;
    Bytes original;
};

TEST_F(ChangeHistoryTest, EveryKindOfChangeUndoesAndRedoesToTheByte) {
    const std::vector<std::function<void()>> edits = {
        [&] { AddRect(7); },
        [&] { doc.RemoveObject(Fg(2)); },
        [&] { Fg(1)->MoveTo(CRect(5, 5, 80, -30), nullptr); },
        [&] { Fg(0)->SetLineColor(RGB(200, 0, 0)); },
        [&] {  // to the front: out of the list and in again at the end
            doc.AddObject(doc.RemoveObject(Fg(0)));
        },
        [&] { doc.ClearBackground(); },
        [&] {
            ScaleDialogResult r = doc.ScaleDialogPreset();
            r.scale = 50.0f;
            r.scaleText = "50";
            r.unitChoice = 1;
            doc.ApplyScaleDialog(r);
        },
        [&] {  // out and a new object in: the address may come back
            doc.RemoveObject(Fg(3));
            AddRect(3);
        },
    };
    for (size_t k = 0; k < edits.size(); ++k) {
        SCOPED_TRACE(k);
        const Bytes before = doc.SaveToBytes();
        {
            DocumentChange change(doc, "Test");
            edits[k]();
        }
        const Bytes after = doc.SaveToBytes();
        ASSERT_NE(before, after);
        ASSERT_TRUE(doc.CanUndo());
        EXPECT_EQ(doc.UndoName(), "Test");
        ASSERT_TRUE(doc.Undo());
        EXPECT_EQ(doc.SaveToBytes(), before);
        ASSERT_TRUE(doc.Redo());
        EXPECT_EQ(doc.SaveToBytes(), after);
    }
    while (doc.CanUndo()) ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.SaveToBytes(), original);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ChangeHistoryTest, ModifiedFlagFollowsThePositionOfTheSavedFile) {
    EXPECT_FALSE(doc.IsModified());
    {
        DocumentChange change(doc, "Einfügen");
        AddRect(8);
    }
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_FALSE(doc.IsModified());
    doc.Redo();
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);  // saved here
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
    // A new change after the undo makes the saved state unreachable.
    {
        DocumentChange change(doc, "Löschen");
        doc.RemoveObject(Fg(0));
    }
    EXPECT_FALSE(doc.CanRedo());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ChangeHistoryTest, NothingChangedRecordsNoStepAndNestedChangesAreOne) {
    { DocumentChange change(doc, "Leer"); }
    Fg(0)->MoveTo(Fg(0)->m_position, nullptr, 1);  // outside a change, but it changed nothing...
    EXPECT_FALSE(doc.CanUndo());
    {
        DocumentChange outer(doc, "Außen");
        AddRect(9);
        DocumentChange inner(doc, "Innen");
        doc.RemoveObject(Fg(0));
    }
    EXPECT_EQ(doc.History().Count(), 1u);
    EXPECT_EQ(doc.UndoName(), "Außen");
    doc.Undo();
    EXPECT_EQ(doc.SaveToBytes(), original);
}

TEST_F(ChangeHistoryTest, TheChangeCountMovesWithEveryDifferentState) {
    uint64_t count = doc.ChangeCount();
    { DocumentChange change(doc, "Leer"); }
    EXPECT_EQ(doc.ChangeCount(), count);  // nothing changed
    for (const auto& step : std::vector<std::function<void()>>{
             [&] {
                 DocumentChange change(doc, "Einfügen");
                 AddRect(9);
             },
             [&] { doc.Undo(); }, [&] { doc.Redo(); }, [&] { AddRect(10); }, [&] { doc.LoadFromBytes(original); }}) {
        step();
        EXPECT_GT(doc.ChangeCount(), count);
        count = doc.ChangeCount();
    }
}

TEST_F(ChangeHistoryTest, CancelledAndFailedChangesLeaveTheDocumentAsItWas) {
    {
        DocumentChange change(doc, "Verschieben");
        Fg(1)->MoveTo(CRect(0, 0, 10, -10), nullptr);
        AddRect(4);
        change.Cancel();
    }
    EXPECT_EQ(doc.SaveToBytes(), original);
    EXPECT_FALSE(doc.CanUndo());

    EXPECT_THROW(
        {
            DocumentChange change(doc, "Löschen");
            doc.RemoveObject(Fg(0));
            doc.ClearBackground();
            throw std::runtime_error("dialog failed");
        },
        std::runtime_error);
    EXPECT_EQ(doc.SaveToBytes(), original);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ChangeHistoryTest, UndoSelectsWhatTheStepPutBackInEveryView) {
    FakeView second;
    doc.AddView(&second);
    CArdoObj* gone = Fg(1);
    view.selection = {gone};
    {
        DocumentChange change(doc, "Löschen");
        doc.RemoveObject(gone);
    }
    EXPECT_TRUE(view.selection.empty());
    doc.Undo();
    ASSERT_EQ(view.selection.size(), 1u);
    EXPECT_EQ(view.selection[0], Fg(1));
    EXPECT_EQ(second.selection, view.selection);
    doc.Redo();  // the object is gone again, and no view holds it
    EXPECT_TRUE(view.selection.empty());
    EXPECT_EQ(doc.Objects().size(), 4u);
    doc.RemoveView(&second);
}

TEST_F(ChangeHistoryTest, AChangeOutsideThePathForgetsTheHistoryRatherThanCorruptIt) {
    {
        DocumentChange change(doc, "Einfügen");
        AddRect(6);
    }
    AddRect(7);  // not through a change: the recorded positions no longer fit
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ChangeHistoryTest, MovingInTheDrawingOrderIsOneNamedStepThatUndoes) {
    using Order = CArdoDoc::Order;
    const auto order = [&] {
        std::vector<CArdoObj*> v;
        for (const auto& o : doc.Objects()) v.push_back(o.get());
        return v;
    };
    CArdoObj* a = Fg(1);

    // At the ends there is nowhere to go one step: nothing is recorded, no view told.
    EXPECT_FALSE(doc.MoveObjectInOrder(Fg(4), Order::ForwardOne, &view));
    EXPECT_FALSE(doc.MoveObjectInOrder(Fg(0), Order::BackOne, &view));
    CArdoRect stranger(CRect(0, 10, 10, 0), 1);
    EXPECT_FALSE(doc.MoveObjectInOrder(&stranger, Order::ToFront));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(view.hints.empty());

    FakeView other;
    doc.AddView(&other);
    ASSERT_TRUE(doc.MoveObjectInOrder(a, Order::ToFront, &view));
    EXPECT_EQ(order().back(), a);
    EXPECT_TRUE(view.hints.empty());  // the sender redraws the object itself
    EXPECT_EQ(other.hints, std::vector<int>{HINT_ALL});
    EXPECT_EQ(doc.UndoName(), "Reihenfolge");
    EXPECT_TRUE(doc.IsModified());

    ASSERT_TRUE(doc.MoveObjectInOrder(a, Order::ToBack));
    EXPECT_EQ(order().front(), a);
    ASSERT_TRUE(doc.MoveObjectInOrder(a, Order::ForwardOne));
    EXPECT_EQ(order()[1], a);
    ASSERT_TRUE(doc.MoveObjectInOrder(a, Order::BackOne));
    EXPECT_EQ(order().front(), a);
    EXPECT_EQ(doc.History().Count(), 4u);

    while (doc.CanUndo()) ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.SaveToBytes(), original);
    EXPECT_FALSE(doc.IsModified());
    doc.RemoveView(&other);
}

TEST_F(ChangeHistoryTest, StoredSettingsChangeAsNamedStepsOrForgetTheHistory) {
    doc.SetGrid(250.0f, 500.0f, RGB(1, 2, 3));
    EXPECT_EQ(doc.UndoName(), "Raster");
    EXPECT_EQ(view.hints, std::vector<int>{HINT_ALL});  // the grid is drawn with the background
    doc.SetOrigin(-40.0f, 70.0f);
    EXPECT_EQ(doc.UndoName(), "Nullpunkt");
    EXPECT_EQ(doc.History().Count(), 2u);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.OriginX(), 0.0f);
    EXPECT_EQ(doc.GridX(), 250.0f);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GridY(), 1000.0f);
    EXPECT_EQ(doc.SaveToBytes(), original);

    // Several values at once: inside a change they are one step, and the unit follows.
    {
        DocumentChange change(doc, "Test");
        doc.EditStoredSettings([](DocumentSettings& s) {
            s.m_nUnitDivisor = 10;
            s.m_nDimTextHeight = 9;
        });
    }
    EXPECT_EQ(doc.UnitName(), "cm");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.UnitName(), "m");
    EXPECT_EQ(doc.DimTextHeight(), 5);
    // Outside a change the document differs from its file and has no history to undo.
    doc.EditStoredSettings([](DocumentSettings& s) { s.m_fScale = 50.0f; });
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Scale(), 50.0f);
}

TEST_F(ChangeHistoryTest, MemoryFollowsWhatChangedNotTheDocumentSize) {
    for (int i = 0; i < 20000; ++i) doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(i, 9, i + 5, 2), 1));
    for (int i = 0; i < 100; ++i) {
        DocumentChange change(doc, "Verschieben");
        Fg(size_t(i % 5))->MoveTo(CRect(i, i, i + 30, i - 30), nullptr);
    }
    EXPECT_EQ(doc.History().Count(), 100u);
    EXPECT_LE(doc.History().Bytes(), size_t(1) << 20);
}

TEST(ChangeHistoryBudget, DropsTheOldestStepsButKeepsTheNewest) {
    ChangeHistory history(2000);
    const auto step = [](size_t bytes) {
        RecordedChange c;
        c.objects.after.push_back({0, Bytes(bytes)});
        return c;
    };
    history.MarkSaved();
    for (int i = 0; i < 10; ++i) history.Push(step(300));
    EXPECT_LT(history.Count(), 10u);
    EXPECT_LE(history.Bytes(), 2000u);
    EXPECT_FALSE(history.AtSaved());
    while (history.CanUndo()) history.StepBack();
    EXPECT_FALSE(history.AtSaved());  // the saved state was dropped with the oldest steps
    history.Push(step(5000));         // larger than the whole budget: still kept alone
    EXPECT_EQ(history.Count(), 1u);
    EXPECT_TRUE(history.CanUndo());
}

TEST(ListEditTest, RecordsThatDoNotFitTheListAreRefusedBeforeAnythingChanges) {
    RegisterDrawingObjectClasses();
    CArdoDoc doc;
    doc.AddObject(std::make_unique<CArdoRect>(CRect(0, 10, 10, 0), 1));
    std::vector<ListEdit::Entry> none;
    std::vector<ListEdit::Entry> beyond = {{5, {}}};
    EXPECT_THROW(PrepareListEdit(doc.Objects(), beyond, none, doc), CArchiveException);
    const std::vector<ListEdit::Entry> garbage = {{0, {1, 2, 3}}};
    EXPECT_THROW(PrepareListEdit(doc.Objects(), none, garbage, doc), CArchiveException);
    EXPECT_EQ(doc.Objects().size(), 1u);
}

}  // namespace
