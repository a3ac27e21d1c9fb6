// The field checks of the property dialogs: what is accepted, the exact messages of what is
// refused, and that a refusal never writes a value.
#include "app/objectdialogs/ObjectDialogChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ObjectDialogChecks, WholeFieldsFollowTheFrameworkTransfer) {
    int64_t v = 0;
    EXPECT_TRUE(ParseWholeField(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ParseWholeField("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(ParseWholeField("+3", v));
    EXPECT_EQ(v, 3);
    for (const char* bad : {"", "  ", "-", "4a", "1.5", "1 2", "--1", "x"})
        EXPECT_FALSE(ParseWholeField(bad, v)) << bad;
    // Huge numbers stay huge (clamped) instead of wrapping into the range.
    EXPECT_TRUE(ParseWholeField("99999999999999999999", v));
    EXPECT_GT(v, 32767);
}

TEST(ObjectDialogChecks, LineWidthRangeAndMessages) {
    int width = 5;
    EXPECT_FALSE(CheckLineWidth("0", width));
    EXPECT_EQ(width, 0);
    EXPECT_FALSE(CheckLineWidth("32767", width));
    EXPECT_EQ(width, 32767);

    width = 5;
    auto refusal = CheckLineWidth("abc", width);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_EQ(refusal->control, ctl::kLineWidth);
    EXPECT_EQ(refusal->icon, MB_ICONEXCLAMATION);
    for (const char* outside : {"32768", "-1", "4294967296"}) {
        refusal = CheckLineWidth(outside, width);
        ASSERT_TRUE(refusal) << outside;
        EXPECT_EQ(refusal->message, "Geben Sie bitte eine ganze Zahl zwischen 0 und 32767 ein.");
    }
    EXPECT_EQ(width, 5);  // refusals leave the value alone
}

TEST(ObjectDialogChecks, LabelAngleRange) {
    int angle = 0;
    EXPECT_FALSE(CheckLabelAngle("-360", angle));
    EXPECT_EQ(angle, -360);
    auto refusal = CheckLabelAngle("361", angle);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine ganze Zahl zwischen -360 und 360 ein.");
    EXPECT_EQ(refusal->control, ctl::kLabelAngle);
    EXPECT_EQ(angle, -360);
}

TEST(ObjectDialogChecks, FloatFieldsRefuseTextNanAndOutOfRange) {
    float v = 1.0f;
    EXPECT_FALSE(CheckFloatField(121, " 12.5 ", 0.0f, 1000000.0f, v));
    EXPECT_FLOAT_EQ(v, 12.5f);
    auto refusal = CheckFloatField(121, "12,5", 0.0f, 1000000.0f, v);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine Zahl ein.");
    for (const char* bad : {"1000000.5", "-0.01", "nan", "inf"}) {
        refusal = CheckFloatField(121, bad, 0.0f, 1000000.0f, v);
        ASSERT_TRUE(refusal) << bad;
    }
    refusal = CheckFloatField(124, "400", -360.0f, 360.0f, v);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine Zahl zwischen -360 und 360 ein.");
    EXPECT_FLOAT_EQ(v, 12.5f);
}

TEST(ObjectDialogChecks, MaxCharsCountsCharactersNotBytes) {
    EXPECT_FALSE(CheckMaxChars(153, "99", 2));
    EXPECT_FALSE(CheckMaxChars(153, "äö", 2));
    auto refusal = CheckMaxChars(153, "100", 2);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte nicht mehr als 2 Zeichen ein.");
}

SymbolFieldTexts GoodTexts() { return SymbolFieldTexts{"80.00", "200.00", "90.00", "10.00", "20.00"}; }

TEST(ObjectDialogChecks, SymbolFieldsAcceptedWriteAllValues) {
    SymbolDialogValues values;
    EXPECT_FALSE(CheckSymbolFields(GoodTexts(), values));
    EXPECT_FLOAT_EQ(values.fWidth, 80.0f);
    EXPECT_FLOAT_EQ(values.fLength, 200.0f);
    EXPECT_FLOAT_EQ(values.fAngle, 90.0f);
    EXPECT_FLOAT_EQ(values.fX, 10.0f);
    EXPECT_FLOAT_EQ(values.fY, 20.0f);
}

TEST(ObjectDialogChecks, SymbolHeightIsCheckedBeforeWidth) {
    SymbolDialogValues values;
    values.fWidth = 3.0f;
    SymbolFieldTexts texts = GoodTexts();
    texts.height = "0";
    texts.width = "0";
    auto refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Länge muß größer als 0 sein");
    EXPECT_EQ(refusal->caption, "Eingabefehler");
    EXPECT_EQ(refusal->icon, MB_ICONERROR);
    EXPECT_EQ(refusal->control, ctl::kSymbolHeight);

    texts.height = "5";
    texts.width = "-2";
    refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Breite muß größer als 0 sein");
    EXPECT_EQ(refusal->control, ctl::kSymbolWidth);

    // Text that holds no number counts as 0 for the dialog's own check.
    texts.width = "abc";
    refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Breite muß größer als 0 sein");
    EXPECT_FLOAT_EQ(values.fWidth, 3.0f);
}

TEST(ObjectDialogChecks, SymbolFieldsThenGetTheFrameworkRangeChecks) {
    SymbolDialogValues values;
    SymbolFieldTexts texts = GoodTexts();
    texts.width = "5x";  // above 0 when read leniently, but no number for the transfer
    auto refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine Zahl ein.");
    EXPECT_EQ(refusal->control, ctl::kSymbolWidth);

    texts = GoodTexts();
    texts.y = "2000000";
    refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine Zahl zwischen 0 und 1000000 ein.");
    EXPECT_EQ(refusal->control, ctl::kSymbolY);

    texts = GoodTexts();
    texts.angle = "-361";
    refusal = CheckSymbolFields(texts, values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->control, ctl::kSymbolAngle);
    EXPECT_FLOAT_EQ(values.fLength, 0.0f);  // nothing taken from a refused form
    EXPECT_FLOAT_EQ(values.fX, 0.0f);
}

TEST(ObjectDialogChecks, DefaultSizeDisplayFormats) {
    DefaultSizeDisplay d = DefaultSizeFor(200.0f, 80.5f);
    EXPECT_TRUE(d.available);
    EXPECT_EQ(d.lengthText, "200.00");
    EXPECT_EQ(d.widthText, "80.50");
    // A library size below 0.001 in the unit shows all six decimals.
    d = DefaultSizeFor(0.2f, 0.0005f);
    EXPECT_TRUE(d.available);
    EXPECT_EQ(d.lengthText, "0.200000");
    EXPECT_EQ(d.widthText, "0.000500");
    // Below 0.000001 there is no usable library size.
    EXPECT_FALSE(DefaultSizeFor(0.0f, 5.0f).available);
    EXPECT_FALSE(DefaultSizeFor(5.0f, 0.0000005f).available);
    EXPECT_EQ(TwoDecimals(359.999f), "360.00");
}

TEST(ObjectDialogChecks, TextHeightStepsWrapAround) {
    EXPECT_EQ(StepTextHeight("5", +1), 6);
    EXPECT_EQ(StepTextHeight("5", -1), 4);
    EXPECT_EQ(StepTextHeight("99", +1), 1);
    EXPECT_EQ(StepTextHeight("1", -1), 99);
    // Unreadable or out-of-range texts still step into 1 ... 99.
    EXPECT_EQ(StepTextHeight("", -1), 99);
    EXPECT_EQ(StepTextHeight("abc", +1), 1);
    EXPECT_EQ(StepTextHeight("250", +1), 1);
    EXPECT_EQ(StepTextHeight("-4", +1), 99);
}

TEST(ObjectDialogChecks, SymbolAttributeFlagsRoundTrip) {
    for (uint32_t flags = 0; flags < 32; ++flags) EXPECT_EQ(FlagsFromBoxes(BoxesFromFlags(flags)), flags);
    const SymbolAttributeBoxes boxes = BoxesFromFlags(0x1F);
    EXPECT_TRUE(boxes.length && boxes.width && boxes.corner && boxes.rotate && boxes.defaultSize);
}

TEST(ObjectDialogChecks, SymbolAttributesTakeSizeOnlyWithDefaultSize) {
    SymbolAttributeValues values{"alt", 0xFF, 100, 50};
    SymbolAttributeBoxes boxes;
    boxes.rotate = true;
    EXPECT_FALSE(ApplySymbolAttributes("Tisch", boxes, "300", "200", values));
    EXPECT_EQ(values.strDescription, "Tisch");
    EXPECT_EQ(values.nFlags, 8u);  // rebuilt from the five boxes only
    EXPECT_EQ(values.nLength, 100);
    EXPECT_EQ(values.nWidth, 50);

    boxes.defaultSize = true;
    EXPECT_FALSE(ApplySymbolAttributes("Tisch", boxes, "300", "200", values));
    EXPECT_EQ(values.nFlags, 0x18u);
    EXPECT_EQ(values.nLength, 300);
    EXPECT_EQ(values.nWidth, 200);

    auto refusal = ApplySymbolAttributes("Neu", boxes, "3 m", "200", values);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Geben Sie bitte eine ganze Zahl ein.");
    EXPECT_EQ(refusal->control, ctl::kAttrLengthMm);
    EXPECT_EQ(values.strDescription, "Tisch");
}

TEST(ObjectDialogChecks, MultiLineTextsKeepTheirLineBreaks) {
    const std::string stored = "Zeile 1\r\nZeile 2";
    EXPECT_EQ(ToEditLines(stored), "Zeile 1\nZeile 2");
    EXPECT_EQ(FromEditLines("Zeile 1\nZeile 2", stored), stored);
    EXPECT_EQ(FromEditLines("Zeile 1\nZeile 2\nneu", stored), "Zeile 1\r\nZeile 2\r\nneu");
    // A text with bare line feeds that is left as it was stays byte for byte.
    EXPECT_EQ(FromEditLines("a\nb", "a\nb"), "a\nb");
}

TEST(ObjectDialogChecks, MessageTemplates) {
    EXPECT_EQ(FillMessage("zwischen %1 und %2", "1", "99"), "zwischen 1 und 99");
    EXPECT_EQ(FillMessage("100 %", "x"), "100 %");
    EXPECT_EQ(BoundText(1000000.0), "1000000");
    EXPECT_EQ(BoundText(-360.0), "-360");
    EXPECT_EQ(BoundText(0.5), "0.5");
}

}  // namespace
