// The line-and-fill and label dialogs: presets, the enabling rules, colour and font choices,
// and refusals that keep the dialog open and the values untouched.
#include "ObjectDialogTestSupport.h"

#include "app/objectdialogs/FontChoice.h"
#include "app/objectdialogs/LabelDialog.h"
#include "app/objectdialogs/LineFillDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

class LineFillDialogTest : public ObjectDialogTest {
protected:
    LineFillValues Preset() {
        LineFillValues v;
        v.lineWidth = 35;
        v.lineColor = RGB(1, 2, 3);
        v.fillColor = RGB(4, 5, 6);
        v.bFill = 0;
        return v;
    }
};

TEST_F(LineFillDialogTest, ShowsPresetAndEnablesFillColourOnlyWithFill) {
    LineFillDialog dialog(Preset());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hilfslinien"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kLineWidth)->text(), QStringLiteral("35"));
    auto* fill = Control<QCheckBox>(dialog, ctl::kUseFill);
    auto* fillColor = Control<QPushButton>(dialog, ctl::kFillColor);
    EXPECT_FALSE(fill->isChecked());
    EXPECT_FALSE(fillColor->isEnabled());
    fill->click();
    EXPECT_TRUE(fillColor->isEnabled());
    fill->click();
    EXPECT_FALSE(fillColor->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(dialog, ctl::kLineColor)->isEnabled());

    LineFillValues filled = Preset();
    filled.bFill = 1;
    LineFillDialog withFill(filled);
    EXPECT_TRUE(Control<QPushButton>(withFill, 116)->isEnabled());
}

TEST_F(LineFillDialogTest, ColourButtonsStoreTheChosenColoursOnOk) {
    LineFillDialog dialog(Preset());
    std::vector<COLORREF> startedFrom;
    COLORREF answer = RGB(200, 0, 0);
    bool ok = true;
    dialog.SetColorChooser([&](QWidget*, COLORREF& c) {
        startedFrom.push_back(c);
        if (ok) c = answer;
        return ok;
    });
    Control<QPushButton>(dialog, ctl::kLineColor)->click();
    Control<QCheckBox>(dialog, ctl::kUseFill)->click();
    answer = RGB(0, 0, 200);
    Control<QPushButton>(dialog, ctl::kFillColor)->click();
    ok = false;  // a cancelled colour dialog changes nothing
    Control<QPushButton>(dialog, ctl::kLineColor)->click();
    EXPECT_EQ(startedFrom.size(), 3u);

    Control<QLineEdit>(dialog, ctl::kLineWidth)->setText("120");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const LineFillValues v = dialog.Values();
    EXPECT_EQ(v.lineWidth, 120);
    EXPECT_EQ(v.lineColor, RGB(200, 0, 0));
    EXPECT_EQ(v.fillColor, RGB(0, 0, 200));
    EXPECT_EQ(v.bFill, 1);
}

TEST_F(LineFillDialogTest, BadWidthIsRefusedWithFocusOnTheField) {
    LineFillDialog dialog(Preset());
    dialog.show();
    auto* width = Control<QLineEdit>(dialog, ctl::kLineWidth);
    width->setText("32768");
    Control<QCheckBox>(dialog, ctl::kUseFill)->click();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(Messages().LastCall(), nullptr);
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine ganze Zahl zwischen 0 und 32767 ein.");
    EXPECT_EQ(dialog.focusWidget(), width);
    EXPECT_EQ(width->selectedText(), QStringLiteral("32768"));
    EXPECT_EQ(dialog.Values().lineWidth, 35);
    EXPECT_EQ(dialog.Values().bFill, 0);

    width->setText("zwei");
    dialog.accept();
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_TRUE(dialog.isVisible());

    width->setText("0");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values().lineWidth, 0);
}

class LabelDialogTest : public ObjectDialogTest {
protected:
    TextDialogValues Preset() {
        TextDialogValues v;
        v.strText = "Küche";
        v.lf.lfHeight = -16;
        v.lf.SetFaceName("Arial");
        v.crText = RGB(0, 0, 255);
        v.nAngle = 45;
        v.bFixedAngle = 0;
        return v;
    }
};

TEST_F(LabelDialogTest, AngleEditIsEnabledOnlyWhileFixed) {
    LabelDialog dialog(Preset());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Beschriftung"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kLabelText)->text(), QStringLiteral("Küche"));
    auto* fixed = Control<QCheckBox>(dialog, ctl::kFixAngle);
    auto* angle = Control<QLineEdit>(dialog, ctl::kLabelAngle);
    EXPECT_EQ(angle->text(), QStringLiteral("45"));
    EXPECT_FALSE(angle->isEnabled());
    fixed->click();
    EXPECT_TRUE(angle->isEnabled());
    fixed->click();
    EXPECT_FALSE(angle->isEnabled());

    TextDialogValues fixedPreset = Preset();
    fixedPreset.bFixedAngle = 1;
    LabelDialog fixedDialog(fixedPreset);
    EXPECT_TRUE(Control<QLineEdit>(fixedDialog, 199)->isEnabled());
}

TEST_F(LabelDialogTest, OkTakesTextAngleAndFlagButNoFontUnlessChosen) {
    LabelDialog dialog(Preset());
    Control<QLineEdit>(dialog, ctl::kLabelText)->setText("Bad");
    Control<QCheckBox>(dialog, ctl::kFixAngle)->click();
    Control<QLineEdit>(dialog, ctl::kLabelAngle)->setText("-90");
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().strText, "Bad");
    EXPECT_EQ(dialog.Values().nAngle, -90);  // the label adds 360 itself
    EXPECT_EQ(dialog.Values().bFixedAngle, 1);
    EXPECT_FALSE(dialog.Values().bFontChosen);
    EXPECT_EQ(dialog.Values().crText, RGB(0, 0, 255));
}

TEST_F(LabelDialogTest, FontChoiceSetsTheFlagAndCancelClearsIt) {
    LabelDialog dialog(Preset());
    bool ok = true;
    LOGFONT seen{};
    dialog.SetFontChooser([&](QWidget*, LOGFONT& lf, COLORREF& color) {
        seen = lf;
        if (!ok) return false;
        lf.lfHeight = -24;
        lf.lfWeight = FW_BOLD;
        color = RGB(9, 9, 9);
        return true;
    });
    auto* font = Control<QPushButton>(dialog, ctl::kFont);
    font->click();
    EXPECT_EQ(seen.lfHeight, -16);  // starts from the preset font
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Values().bFontChosen);
    EXPECT_EQ(dialog.Values().lf.lfHeight, -24);
    EXPECT_EQ(dialog.Values().lf.lfWeight, FW_BOLD);
    EXPECT_EQ(dialog.Values().crText, RGB(9, 9, 9));

    LabelDialog second(Preset());
    second.SetFontChooser([&](QWidget*, LOGFONT& lf, COLORREF&) {
        lf.lfHeight = -30;
        return ok;
    });
    Control<QPushButton>(second, ctl::kFont)->click();
    ok = false;
    Control<QPushButton>(second, ctl::kFont)->click();
    second.accept();
    EXPECT_FALSE(second.Values().bFontChosen);
    EXPECT_EQ(second.Values().lf.lfHeight, -16);
}

TEST_F(LabelDialogTest, AngleOutsideRangeIsRefused) {
    TextDialogValues preset = Preset();
    preset.bFixedAngle = 1;
    LabelDialog dialog(preset);
    dialog.show();
    auto* angle = Control<QLineEdit>(dialog, ctl::kLabelAngle);
    angle->setText("400");
    Control<QLineEdit>(dialog, ctl::kLabelText)->setText("geändert");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine ganze Zahl zwischen -360 und 360 ein.");
    EXPECT_EQ(dialog.focusWidget(), angle);
    EXPECT_EQ(dialog.Values().nAngle, 45);
    EXPECT_EQ(dialog.Values().strText, "Küche");
    dialog.reject();
}

TEST(FontChoiceTest, RecordSurvivesTheDialogFontRoundTrip) {
    LOGFONT base{};
    base.lfHeight = -16;
    base.lfWeight = FW_BOLD;
    base.lfItalic = 1;
    base.lfUnderline = 1;
    base.lfCharSet = 0;
    base.lfPitchAndFamily = 0x22;
    base.SetFaceName("Arial");
    const QFont font = FontForDialog(base);
    EXPECT_NEAR(font.pointSizeF(), 12.0, 1e-9);
    const LOGFONT back = LogFontFromDialog(font, base);
    EXPECT_EQ(back.lfHeight, -16);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfUnderline, 1);
    EXPECT_EQ(back.lfStrikeOut, 0);
    EXPECT_EQ(back.lfPitchAndFamily, 0x22);
    EXPECT_EQ(back.FaceName(), "Arial");

    QFont big(QStringLiteral("Liberation Serif"));
    big.setPointSizeF(24.0);
    big.setStrikeOut(true);
    const LOGFONT chosen = LogFontFromDialog(big, base);
    EXPECT_EQ(chosen.lfHeight, -32);
    EXPECT_EQ(chosen.lfStrikeOut, 1);
    EXPECT_EQ(chosen.lfEscapement, 0);
    EXPECT_EQ(chosen.FaceName(), "Liberation Serif");
}

}  // namespace
