// The furniture symbol dialog with its default-size rule, the dimension dialog with its
// wrapping text height, and the library symbol attribute dialog.
#include "ObjectDialogTestSupport.h"

#include "app/objectdialogs/DimensionDialog.h"
#include "app/objectdialogs/SymbolAttributesDialog.h"
#include "app/objectdialogs/SymbolDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace {

class SymbolDialogTest : public ObjectDialogTest {
protected:
    SymbolDialogValues Preset() {
        SymbolDialogValues v;
        v.strNote = "Omas Tisch";
        v.strType = "Esstisch rund";
        v.fLength = 120.0f;
        v.fWidth = 80.456f;
        v.fDefaultLength = 200.0f;
        v.fDefaultWidth = 90.0f;
        v.fX = 10.0f;
        v.fY = 20.5f;
        v.fAngle = 359.999f;
        v.strUnit = "cm";
        return v;
    }
    QLineEdit* Width(QWidget& d) { return Control<QLineEdit>(d, ctl::kSymbolWidth); }
    QLineEdit* Height(QWidget& d) { return Control<QLineEdit>(d, ctl::kSymbolHeight); }
};

TEST_F(SymbolDialogTest, ShowsPresetWithTwoDecimalsAndUnits) {
    SymbolDialog dialog(Preset());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einrichtungsgegenstand"));
    EXPECT_EQ(Control<QLabel>(dialog, ctl::kSymbolType)->text(), QStringLiteral("Esstisch rund"));
    EXPECT_EQ(Control<QPlainTextEdit>(dialog, ctl::kSymbolNote)->toPlainText(), QStringLiteral("Omas Tisch"));
    EXPECT_EQ(Width(dialog)->text(), QStringLiteral("80.46"));
    EXPECT_EQ(Height(dialog)->text(), QStringLiteral("120.00"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kSymbolAngle)->text(), QStringLiteral("360.00"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kSymbolX)->text(), QStringLiteral("10.00"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kSymbolY)->text(), QStringLiteral("20.50"));
    for (int id : {145, 146, 138, 139}) EXPECT_EQ(Control<QLabel>(dialog, id)->text(), QStringLiteral("cm"));
    EXPECT_TRUE(Width(dialog)->isEnabled());
}

TEST_F(SymbolDialogTest, DefaultSizeShowsLibrarySizeAndRestoresTypedOne) {
    SymbolDialog dialog(Preset());
    auto* useDefault = Control<QCheckBox>(dialog, ctl::kDefaultSize);
    Width(dialog)->setText("77");
    useDefault->click();
    EXPECT_EQ(Width(dialog)->text(), QStringLiteral("90.00"));
    EXPECT_EQ(Height(dialog)->text(), QStringLiteral("200.00"));
    EXPECT_FALSE(Width(dialog)->isEnabled());
    EXPECT_FALSE(Height(dialog)->isEnabled());
    useDefault->click();
    EXPECT_EQ(Width(dialog)->text(), QStringLiteral("77"));
    EXPECT_EQ(Height(dialog)->text(), QStringLiteral("120.00"));
    EXPECT_TRUE(Width(dialog)->isEnabled());

    // Ticked on OK: the library size is what the symbol gets.
    useDefault->click();
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().bDefaultSize, 1);
    EXPECT_FLOAT_EQ(dialog.Values().fWidth, 90.0f);
    EXPECT_FLOAT_EQ(dialog.Values().fLength, 200.0f);
}

TEST_F(SymbolDialogTest, PresetDefaultSizeOpensWithLibrarySize) {
    SymbolDialogValues preset = Preset();
    preset.bDefaultSize = 1;
    SymbolDialog dialog(preset);
    EXPECT_EQ(Width(dialog)->text(), QStringLiteral("90.00"));
    EXPECT_FALSE(Height(dialog)->isEnabled());
    Control<QCheckBox>(dialog, ctl::kDefaultSize)->click();
    EXPECT_EQ(Width(dialog)->text(), QStringLiteral("80.46"));  // the symbol's own size
    EXPECT_EQ(Height(dialog)->text(), QStringLiteral("120.00"));
}

TEST_F(SymbolDialogTest, TinyLibrarySizeUsesLongFormatOrDisablesTheBox) {
    SymbolDialogValues preset = Preset();
    preset.fDefaultWidth = 0.0005f;
    preset.bDefaultSize = 1;
    SymbolDialog tiny(preset);
    EXPECT_EQ(Width(tiny)->text(), QStringLiteral("0.000500"));
    EXPECT_EQ(Height(tiny)->text(), QStringLiteral("200.000000"));

    preset.fDefaultWidth = 0.0f;
    SymbolDialog none(preset);
    auto* useDefault = Control<QCheckBox>(none, ctl::kDefaultSize);
    EXPECT_FALSE(useDefault->isChecked());
    EXPECT_FALSE(useDefault->isEnabled());
    EXPECT_TRUE(Width(none)->isEnabled());
    EXPECT_EQ(Width(none)->text(), QStringLiteral("80.46"));
    none.accept();
    EXPECT_EQ(none.Values().bDefaultSize, 0);
}

TEST_F(SymbolDialogTest, ZeroHeightIsReportedFirstAndNothingIsTaken) {
    SymbolDialog dialog(Preset());
    dialog.show();
    Height(dialog)->setText("0");
    Width(dialog)->setText("0");
    Control<QLineEdit>(dialog, ctl::kSymbolX)->setText("55");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_NE(Messages().LastCall(), nullptr);
    EXPECT_EQ(Messages().LastCall()->text, "Länge muß größer als 0 sein");
    EXPECT_EQ(Messages().LastCall()->caption, "Eingabefehler");
    EXPECT_EQ(Messages().LastCall()->type, MB_OK | MB_ICONERROR);
    EXPECT_EQ(dialog.focusWidget(), Height(dialog));

    Height(dialog)->setText("5");
    dialog.accept();
    EXPECT_EQ(Messages().LastCall()->text, "Breite muß größer als 0 sein");
    EXPECT_EQ(dialog.focusWidget(), Width(dialog));

    Width(dialog)->setText("5");
    Control<QLineEdit>(dialog, ctl::kSymbolY)->setText("-1");
    dialog.accept();
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine Zahl zwischen 0 und 1000000 ein.");
    EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, ctl::kSymbolY));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FLOAT_EQ(dialog.Values().fX, 10.0f);
    EXPECT_FLOAT_EQ(dialog.Values().fLength, 120.0f);
    dialog.reject();
}

TEST_F(SymbolDialogTest, OkTakesEveryField) {
    SymbolDialogValues preset = Preset();
    preset.strNote = "alt\r\nzweite Zeile";
    SymbolDialog dialog(preset);
    Control<QPlainTextEdit>(dialog, ctl::kSymbolNote)->setPlainText("neu\nzweite");
    Width(dialog)->setText("60");
    Height(dialog)->setText("140.25");
    Control<QLineEdit>(dialog, ctl::kSymbolAngle)->setText("-90");
    Control<QLineEdit>(dialog, ctl::kSymbolX)->setText("1000000");
    Control<QLineEdit>(dialog, ctl::kSymbolY)->setText("0");
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const SymbolDialogValues& v = dialog.Values();
    EXPECT_EQ(v.strNote, "neu\r\nzweite");
    EXPECT_FLOAT_EQ(v.fWidth, 60.0f);
    EXPECT_FLOAT_EQ(v.fLength, 140.25f);
    EXPECT_FLOAT_EQ(v.fAngle, -90.0f);
    EXPECT_FLOAT_EQ(v.fX, 1000000.0f);
    EXPECT_FLOAT_EQ(v.fY, 0.0f);
    EXPECT_EQ(v.strType, "Esstisch rund");
}

class DimensionDialogTest : public ObjectDialogTest {};

TEST_F(DimensionDialogTest, PolygonOffersTheChoice) {
    DimensionDialogValues preset;
    preset.bForPolygon = true;
    preset.nChoice = DimensionDialogValues::kEdgesAndArea;
    preset.strTextHeight = "5";
    DimensionDialog dialog(preset);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Maßlinien"));
    EXPECT_TRUE(Control<QRadioButton>(dialog, ctl::kEdgesAndArea)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(dialog, ctl::kEdges)->isEnabled());
    EXPECT_EQ(Control<QLabel>(dialog, ctl::kTextHeight)->text(), QStringLiteral("5"));
    Control<QRadioButton>(dialog, ctl::kEdges)->click();
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().nChoice, DimensionDialogValues::kEdges);
    EXPECT_EQ(dialog.Values().strTextHeight, "5");
}

TEST_F(DimensionDialogTest, RectangleKindsAreFixedToArea) {
    DimensionDialogValues preset;
    preset.bForPolygon = false;
    preset.nChoice = DimensionDialogValues::kEdges;
    preset.strTextHeight = "7";
    DimensionDialog dialog(preset);
    for (int id : {146, 147, 148}) EXPECT_FALSE(Control<QRadioButton>(dialog, id)->isEnabled()) << id;
    EXPECT_TRUE(Control<QRadioButton>(dialog, ctl::kArea)->isChecked());
    dialog.accept();
    EXPECT_EQ(dialog.Values().nChoice, DimensionDialogValues::kArea);
}

TEST_F(DimensionDialogTest, ScrollBarStepsAndWraps) {
    DimensionDialogValues preset;
    preset.strTextHeight = "99";
    DimensionDialog dialog(preset);
    auto* height = Control<QLabel>(dialog, ctl::kTextHeight);
    auto* bar = Control<QScrollBar>(dialog, ctl::kHeightScroll);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the up arrow
    EXPECT_EQ(height->text(), QStringLiteral("1"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the down arrow
    EXPECT_EQ(height->text(), QStringLiteral("99"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(height->text(), QStringLiteral("98"));
    // The bar keeps no position, so it can step on and on in either direction.
    for (int i = 0; i < 5; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(height->text(), QStringLiteral("4"));
    EXPECT_EQ(bar->value(), 0);
    dialog.accept();
    EXPECT_EQ(dialog.Values().strTextHeight, "4");
}

TEST_F(DimensionDialogTest, ThreeCharacterHeightIsRefusedUntilStepped) {
    DimensionDialogValues preset;
    preset.bForPolygon = true;
    preset.strTextHeight = "120";
    DimensionDialog dialog(preset);
    dialog.show();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte nicht mehr als 2 Zeichen ein.");
    EXPECT_EQ(dialog.Values().strTextHeight, "120");
    dialog.StepHeight(+1);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values().strTextHeight, "1");
}

class SymbolAttributesDialogTest : public ObjectDialogTest {};

TEST_F(SymbolAttributesDialogTest, ShowsFlagsAndTheCornerRule) {
    SymbolAttributeValues preset{"Bett", 0x0F, 2000, 900};
    SymbolAttributesDialog dialog(preset);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Symbol - Attribute ändern"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kAttrName)->text(), QStringLiteral("Bett"));
    for (int id : {178, 179, 180, 181}) EXPECT_TRUE(Control<QCheckBox>(dialog, id)->isChecked()) << id;
    for (int id : {178, 179, 181}) EXPECT_FALSE(Control<QCheckBox>(dialog, id)->isEnabled()) << id;
    auto* corner = Control<QCheckBox>(dialog, ctl::kAttrCorner);
    auto* useDefault = Control<QCheckBox>(dialog, ctl::kAttrDefault);
    EXPECT_TRUE(corner->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kAttrLengthMm)->text(), QStringLiteral("2000"));
    EXPECT_EQ(Control<QLineEdit>(dialog, ctl::kAttrWidthMm)->text(), QStringLiteral("900"));

    useDefault->click();  // the default size excludes corner scaling
    EXPECT_FALSE(corner->isChecked());
    EXPECT_FALSE(corner->isEnabled());
    useDefault->click();
    EXPECT_TRUE(corner->isEnabled());
    EXPECT_FALSE(corner->isChecked());

    SymbolAttributesDialog withDefault(SymbolAttributeValues{"x", 0x14, 1, 1});
    EXPECT_FALSE(Control<QCheckBox>(withDefault, 180)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(withDefault, 180)->isEnabled());
}

TEST_F(SymbolAttributesDialogTest, OkRebuildsFlagsAndTakesSizeWithDefault) {
    SymbolAttributesDialog dialog(SymbolAttributeValues{"Bett", 0x0B, 2000, 900});
    dialog.show();
    Control<QLineEdit>(dialog, ctl::kAttrName)->setText("Doppelbett");
    Control<QCheckBox>(dialog, ctl::kAttrDefault)->click();
    auto* length = Control<QLineEdit>(dialog, ctl::kAttrLengthMm);
    length->setText("zwei");
    Control<QLineEdit>(dialog, ctl::kAttrWidthMm)->setText("1800");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Messages().LastCall()->text, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_EQ(dialog.focusWidget(), length);
    EXPECT_EQ(dialog.Values().strDescription, "Bett");

    length->setText("2100");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values().strDescription, "Doppelbett");
    EXPECT_EQ(dialog.Values().nFlags, 0x1Bu);
    EXPECT_EQ(dialog.Values().nLength, 2100);
    EXPECT_EQ(dialog.Values().nWidth, 1800);
}

}  // namespace
