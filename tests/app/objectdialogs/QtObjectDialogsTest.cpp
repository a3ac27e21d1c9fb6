// The installed dialog service run modally: OK hands the values back to the object, Cancel
// and refused input leave everything as it was. Also the note and add-symbol dialogs.
#include "ObjectDialogTestSupport.h"

#include "app/objectdialogs/AddSymbolDialog.h"
#include "app/objectdialogs/NoteDialog.h"
#include "app/objectdialogs/QtObjectDialogs.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class QtObjectDialogsTest : public ObjectDialogTest {
protected:
    void SetUp() override {
        ObjectDialogTest::SetUp();
        QtObjectDialogs::Install();
    }
    void TearDown() override {
        QtObjectDialogs::Uninstall();
        ObjectDialogTest::TearDown();
    }
};

TEST_F(QtObjectDialogsTest, LineAndFillOkReachesObjectAndDocument) {
    CArdoDoc doc;
    auto* rect = doc.AddObject(std::make_unique<CArdoRect>(CRect(0, 0, 100, 100), 0));
    int result = -1;
    WithModalDialog(
        [this](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hilfslinien"));
            Control<QLineEdit>(dialog, ctl::kLineWidth)->setText("250");
            Control<QCheckBox>(dialog, ctl::kUseFill)->setChecked(false);
            dialog.accept();
        },
        [&] { result = rect->OnEditProperties(nullptr); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(doc.CurrentLineWidth(), 250);
    EXPECT_EQ(doc.CurrentFill(), 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(QtObjectDialogsTest, RefusedThenCancelledChangesNothing) {
    LineFillValues values;
    values.lineWidth = 12;
    values.bFill = 1;
    bool ok = true;
    WithModalDialog(
        [this](QDialog& dialog) {
            Control<QLineEdit>(dialog, ctl::kLineWidth)->setText("-5");
            Control<QCheckBox>(dialog, ctl::kUseFill)->setChecked(false);
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible());
            dialog.reject();
        },
        [&] { ok = ObjectDialogs().EditLineAndFill(values); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(values.lineWidth, 12);
    EXPECT_EQ(values.bFill, 1);
    EXPECT_EQ(Messages().Calls().size(), 1u);
}

TEST_F(QtObjectDialogsTest, EveryDialogIsReachableThroughTheService) {
    struct Case {
        QString caption;
        std::function<bool()> open;
    };
    DimensionDialogValues dims;
    dims.strTextHeight = "5";
    SymbolDialogValues symbol;
    symbol.fLength = symbol.fWidth = 1.0f;
    std::string note = "Notiz";
    TextDialogValues text;
    SymbolAttributeValues attributes;
    AddSymbolValues add;
    const Case cases[] = {
        {QStringLiteral("Maßlinien"), [&] { return ObjectDialogs().EditDimensions(dims); }},
        {QStringLiteral("Einrichtungsgegenstand"), [&] { return ObjectDialogs().EditSymbol(symbol); }},
        {QStringLiteral("Notiz"), [&] { return ObjectDialogs().EditNote(note); }},
        {QStringLiteral("Beschriftung"), [&] { return ObjectDialogs().EditText(text); }},
        {QStringLiteral("Symbol - Attribute ändern"), [&] { return ObjectDialogs().EditSymbolAttributes(attributes); }},
        {QStringLiteral("Symbol hinzufügen"), [&] { return ObjectDialogs().EditAddSymbol(add); }},
    };
    for (const Case& c : cases) {
        QString seen;
        bool ok = false;
        WithModalDialog(
            [&](QDialog& dialog) {
                seen = dialog.windowTitle();
                dialog.accept();
            },
            [&] { ok = c.open(); });
        EXPECT_EQ(seen, c.caption);
        EXPECT_TRUE(ok) << c.caption.toStdString();
    }
}

TEST_F(QtObjectDialogsTest, NoteOkStoresTextAndCancelKeepsIt) {
    std::string note = "Steckdose\r\nhinter Schrank";
    bool ok = true;
    WithModalDialog(
        [this](QDialog& dialog) {
            auto* edit = Control<QPlainTextEdit>(dialog, ctl::kNoteText);
            EXPECT_EQ(edit->toPlainText(), QStringLiteral("Steckdose\nhinter Schrank"));
            edit->setPlainText("weg");
            dialog.reject();
        },
        [&] { ok = ObjectDialogs().EditNote(note); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(note, "Steckdose\r\nhinter Schrank");

    NoteDialog untouched(note);
    untouched.accept();
    EXPECT_EQ(untouched.Values(), note);  // byte for byte when not edited

    NoteDialog edited(note);
    Control<QPlainTextEdit>(edited, ctl::kNoteText)->setPlainText("Neu\nzwei");
    edited.accept();
    EXPECT_EQ(edited.Values(), "Neu\r\nzwei");
}

TEST_F(QtObjectDialogsTest, AddSymbolListsGroupsAndClasses) {
    AddSymbolDialog dialog(AddSymbolValues{});
    EXPECT_EQ(dialog.findChild<QWidget*>(dialogs::ControlName(IDOK))->property("text").toString(),
              QStringLiteral("Hinzufügen"));
    auto* group = Control<QComboBox>(dialog, ctl::kAddGroup);
    auto* classes = Control<QComboBox>(dialog, ctl::kAddClass);
    EXPECT_EQ(group->count(), 8);
    EXPECT_EQ(group->itemText(1), QStringLiteral("Wohnen"));
    EXPECT_EQ(classes->count(), 27);
    EXPECT_EQ(classes->itemText(26), QStringLiteral("Marker"));
    EXPECT_FALSE(classes->isEnabled());
    EXPECT_EQ(group->currentIndex(), -1);

    dialog.accept();
    EXPECT_EQ(dialog.Values().nGroup, -1);  // nothing chosen: stored under key 26

    AddSymbolDialog chosen(AddSymbolValues{});
    Control<QComboBox>(chosen, ctl::kAddGroup)->setCurrentIndex(1);
    Control<QLineEdit>(chosen, ctl::kAddName)->setText("Ecksofa");
    chosen.accept();
    EXPECT_EQ(chosen.Values().nGroup, 1);
    EXPECT_EQ(chosen.Values().strName, "Ecksofa");
}

}  // namespace
