// The grid, snap, origin and scale dialogs refuse what they must with the system's own
// messages, keep the dialog open with the focus on the field, and apply what they accept.
#include "AppViewTestSupport.h"

#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/DocumentSettingsCommands.h"
#include "app/dialogs/GridDialog.h"
#include "app/dialogs/OriginDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/dialogs/SnapDialog.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "view/SettingsDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QLineEdit* Edit(QWidget& dialog, int id) { return dialog.findChild<QLineEdit*>(dialogs::ControlName(id)); }

class SettingsDialogsTest : public AppViewTest {
protected:
    CArdoDoc doc;
};

// --- grid lines ------------------------------------------------------------------------------

TEST_F(SettingsDialogsTest, GridDialogShowsSpacingInDisplayUnit) {
    doc.EditStoredSettings([&](DocumentSettings& s) {
        s.m_nUnitDivisor = 10;
        s.m_fGridX = 1000.0f;
        s.m_fGridY = 250.0f;
    });
    GridDialog dialog(doc);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Rasterlinien einrichten"));
    EXPECT_EQ(Edit(dialog, kGridEditX)->text(), QStringLiteral("100"));
    EXPECT_EQ(Edit(dialog, kGridEditY)->text(), QStringLiteral("25"));
    EXPECT_EQ(dialog.findChild<QLabel*>(dialogs::ControlName(kGridUnitLabelX))->text(), QStringLiteral("cm"));
}

TEST_F(SettingsDialogsTest, GridDialogRefusesBadSpacingAndStaysOpen) {
    GridDialog dialog(doc);
    dialog.show();
    QLineEdit* x = Edit(dialog, kGridEditX);
    QLineEdit* y = Edit(dialog, kGridEditY);

    // No number at all: nothing happens, no message.
    x->setText("abc");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Messages().Calls().empty());

    // Zero or negative: refused without a message, focus in the field without selection.
    x->setText("1");
    y->setText("-2");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Messages().Calls().empty());
    EXPECT_EQ(dialog.focusWidget(), y);
    EXPECT_FALSE(y->hasSelectedText());

    // A number with trailing rubbish passes the first look but not the float transfer.
    y->setText("2m");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(Messages().Calls().size(), 1u);
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine Zahl ein.");
    EXPECT_EQ(Messages().LastCall()->type & 0xF0u, unsigned(MB_ICONEXCLAMATION));
    EXPECT_EQ(dialog.focusWidget(), y);
    EXPECT_EQ(y->selectedText(), QStringLiteral("2m"));

    y->setText("2.5");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(dialog.SpacingX(), 1.0f);
    EXPECT_FLOAT_EQ(dialog.SpacingY(), 2.5f);
}

TEST_F(SettingsDialogsTest, GridCommandAppliesSpacingAndColour) {
    WithModalDialog(
        [](QWidget* modal) {
            auto* dialog = qobject_cast<GridDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            Edit(*dialog, 140)->setText("0.5");
            Edit(*dialog, 141)->setText("2");
            dialog->SetColor(RGB(10, 20, 30));
            dialog->accept();
        },
        [&] { EXPECT_TRUE(RunDocumentSettingsCommand(cmd::GridSetup, doc, nullptr)); });
    EXPECT_FLOAT_EQ(doc.GridX(), 500.0f);
    EXPECT_FLOAT_EQ(doc.GridY(), 2000.0f);
    EXPECT_EQ(doc.GridColor(), RGB(10, 20, 30));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Settings().GetProfileInt("UserSettings", "GridColorGreen", -1), 20);
}

TEST_F(SettingsDialogsTest, GridCommandCancelledChangesNothing) {
    WithModalDialog(
        [](QWidget* modal) {
            Edit(*modal, 140)->setText("7");
            qobject_cast<QDialog*>(modal)->reject();
        },
        [&] { RunDocumentSettingsCommand(cmd::GridSetup, doc, nullptr); });
    EXPECT_FLOAT_EQ(doc.GridX(), 1000.0f);
    EXPECT_FALSE(doc.IsModified());
}

// --- snap grid -------------------------------------------------------------------------------

TEST_F(SettingsDialogsTest, SnapDialogRefusesAnythingButAnUnsignedInteger) {
    SnapDialog dialog(doc);
    dialog.show();
    QLineEdit* edit = Edit(dialog, kSnapEdit);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    for (const char* bad : {"-1", "abc", "1.5", ""}) {
        Messages().Clear();
        edit->setText(bad);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << bad;
        ASSERT_NE(Messages().LastCall(), nullptr) << bad;
        EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine positive ganze Zahl ein.");
        EXPECT_EQ(dialog.focusWidget(), edit);
    }
}

TEST_F(SettingsDialogsTest, SnapCommandStoresValuesWithoutModifying) {
    WithModalDialog(
        [](QWidget* modal) {
            modal->findChild<QCheckBox*>(dialogs::ControlName(kSnapCheck))->setChecked(false);
            Edit(*modal, 194)->setText(" 25 ");
            qobject_cast<QDialog*>(modal)->accept();
        },
        [&] { RunDocumentSettingsCommand(cmd::SnapSetup, doc, nullptr); });
    EXPECT_EQ(doc.Snap(), 0);
    EXPECT_EQ(doc.SnapSpacing(), 25);
    EXPECT_FALSE(doc.IsModified());
}

// --- origin ----------------------------------------------------------------------------------

TEST_F(SettingsDialogsTest, OriginDialogRefusesNonNumbers) {
    OriginDialog dialog(doc);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Koordinatenursprung festlegen"));
    Edit(dialog, kOriginEditY)->setText("1,5");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(Messages().LastCall(), nullptr);
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine Zahl ein.");
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, kOriginEditY));
}

TEST_F(SettingsDialogsTest, OriginConfirmedUnchangedReturnsToZero) {
    doc.EditStoredSettings([&](DocumentSettings& s) {
        s.m_fOriginX = -4000.0f;
        s.m_fOriginY = 1000.0f;
    });
    WithModalDialog([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); },
                    [&] { RunDocumentSettingsCommand(cmd::Origin, doc, nullptr); });
    EXPECT_NEAR(doc.OriginX(), 0.0f, 1e-3f);
    EXPECT_NEAR(doc.OriginY(), 0.0f, 1e-3f);
}

// --- scale and unit --------------------------------------------------------------------------

TEST_F(SettingsDialogsTest, ScaleDialogRefusesTextWithoutNumber) {
    ScaleDialog dialog(doc.ScaleDialogPreset());
    dialog.show();
    auto* combo = dialog.findChild<QComboBox*>(dialogs::ControlName(kScaleCombo));
    combo->setEditText("abc");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(Messages().LastCall(), nullptr);
    EXPECT_EQ(Messages().LastCall()->text, "Die Maßstabsangabe ist ungültig. Bitte\ngeben Sie eine Zahl ein.");
    EXPECT_EQ(Messages().LastCall()->caption, "Eingabefehler");
    EXPECT_EQ(Messages().LastCall()->type & 0xF0u, unsigned(MB_ICONERROR));
    EXPECT_EQ(combo->lineEdit()->selectedText(), QStringLiteral("abc"));
}

TEST_F(SettingsDialogsTest, ScaleDialogTakesAbsoluteValueAndRaisesBelowOne) {
    ScaleDialog dialog(doc.ScaleDialogPreset());
    auto* combo = dialog.findChild<QComboBox*>(dialogs::ControlName(kScaleCombo));
    combo->setEditText("-50");
    dialog.accept();
    EXPECT_FLOAT_EQ(dialog.Result().scale, 50.0f);
    combo->setEditText("0,5");
    dialog.accept();
    EXPECT_FLOAT_EQ(dialog.Result().scale, 1.0f);
    EXPECT_TRUE(Messages().Calls().empty());
}

TEST_F(SettingsDialogsTest, ScaleCommandAppliesScaleUnitAndListsNewScaleOnTop) {
    WithModalDialog(
        [](QWidget* modal) {
            modal->findChild<QComboBox*>(dialogs::ControlName(kScaleCombo))->setEditText("75");
            modal->findChild<QRadioButton*>(dialogs::ControlName(kUnitCentimetresRadio))->setChecked(true);
            qobject_cast<QDialog*>(modal)->accept();
        },
        [&] { RunDocumentSettingsCommand(cmd::ScaleAndUnit, doc, nullptr); });
    EXPECT_FLOAT_EQ(doc.Scale(), 75.0f);
    EXPECT_EQ(doc.ScaleText(), "75");
    EXPECT_EQ(doc.UnitDivisor(), 10);
    EXPECT_TRUE(doc.IsModified());

    ScaleDialog again(doc.ScaleDialogPreset());
    auto* combo = again.findChild<QComboBox*>(dialogs::ControlName(kScaleCombo));
    EXPECT_EQ(combo->itemText(0), QStringLiteral("75"));
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_TRUE(again.findChild<QRadioButton*>(dialogs::ControlName(kUnitCentimetresRadio))->isChecked());
}

// --- colour around the sheet ------------------------------------------------------------------

TEST_F(SettingsDialogsTest, BackgroundColourCommandSetsPaperColour) {
    WithModalDialog(
        [](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        },
        [&] { RunDocumentSettingsCommand(cmd::BackgroundColor, doc, nullptr); });
    EXPECT_EQ(doc.PaperColor(), RGB(1, 2, 3));
    // The colour around the sheet belongs to the session, not to the file: nothing to save
    // and nothing to undo.
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

}  // namespace

#include "app/dialogs/DocumentSettingsTarget.h"

namespace {

TEST(DocumentSettingsTargetTest, ClaimsTheDocumentsSettingsCommandsWhileItLives) {
    auto doc = std::make_shared<CArdoDoc>();
    std::unique_ptr<CommandTarget> target = MakeDocumentSettingsTarget(doc);
    CommandState state;
    for (int id : {cmd::BackgroundColor, cmd::GridSetup, cmd::ScaleAndUnit, cmd::Origin, cmd::SnapSetup})
        EXPECT_TRUE(target->OnUpdateCommand(id, state)) << id;
    EXPECT_FALSE(target->OnUpdateCommand(cmd::GridLines, state));
    EXPECT_FALSE(target->OnCommand(cmd::FileSave));
    doc.reset();
    EXPECT_FALSE(target->OnUpdateCommand(cmd::GridSetup, state));
    EXPECT_FALSE(target->OnCommand(cmd::GridSetup));
}

}  // namespace
