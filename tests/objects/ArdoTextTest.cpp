// Text labels: the angle setting, turning and moving by the handles, picking, drawing and
// the record.
#include "document/ArdoDoc.h"
#include "objects/ArdoText.h"
#include "objects/ObjectDialogs.h"
#include "platform/Archive.h"
#include "platform/MemoryServices.h"
#include "platform/RecordingBackend.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ScriptedTextDialog : public IObjectDialogs {
public:
    bool EditLineAndFill(LineFillValues&) override { return false; }
    bool EditText(TextDialogValues& inOut) override {
        shown = inOut;
        if (!answer) return false;
        inOut = *answer;
        return true;
    }
    std::optional<TextDialogValues> answer;
    TextDialogValues shown;
};

class ArdoTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        SetObjectDialogs(&dialogs);
        doc = std::make_unique<CArdoDoc>();
    }
    void TearDown() override { SetObjectDialogs(nullptr); }

    MemorySettingsStore& Settings() { return DefaultMemoryServices().settings; }

    // A horizontal label of 100 x 20 units standing on (0, 0), owned by the document.
    CArdoText* MakeLabel() {
        auto* text = doc->AddObject(std::make_unique<CArdoText>(CRect(0, 0, 10, 10)));
        text->m_text = "Label";
        text->m_cx = 100;
        text->m_cy = 20;
        text->PlaceHorizontal(CPoint(0, 0));
        return text;
    }

    ScriptedTextDialog dialogs;
    std::unique_ptr<CArdoDoc> doc;
};

TEST_F(ArdoTextTest, AngleSettingGivesAngleAndFixedFlag) {
    Settings().WriteProfileInt("Settings", "TextAngle", -30);
    CArdoText fixed(CRect(0, 0, 10, 10));
    EXPECT_EQ(30, fixed.m_nAngle);
    EXPECT_EQ(1, fixed.m_bFixedAngle);
    EXPECT_EQ(0, fixed.m_nCorners);
    EXPECT_EQ(-9, fixed.m_cy);

    Settings().WriteProfileInt("Settings", "TextAngle", 45);
    CArdoText reading;
    EXPECT_EQ(45, reading.m_nAngle);
    EXPECT_EQ(0, reading.m_bFixedAngle);
    EXPECT_EQ(4, reading.m_nCorners);
}

TEST_F(ArdoTextTest, FixedAngleDragMovesWithoutTurning) {
    Settings().WriteProfileInt("Settings", "TextAngle", -30);
    CArdoText* text = MakeLabel();
    ASSERT_EQ(1, text->m_bFixedAngle);
    const CRect before = text->m_position;
    for (int handle = 1; handle <= 4; ++handle) {
        const CPoint from = text->m_corners[handle - 1];
        text->MoveHandleTo(handle, from + CSize(7, 40), nullptr);
    }
    EXPECT_EQ(CPoint(28, 160), text->m_corners[0]);
    EXPECT_EQ(CPoint(128, 160), text->m_corners[3]);  // still horizontal, still 100 wide
    EXPECT_EQ(CPoint(28, 180), text->m_corners[1]);
    CRect moved = before;
    moved.OffsetRect(28, 160);
    EXPECT_EQ(moved, text->m_position);
}

TEST_F(ArdoTextTest, DraggingBottomRightTurnsAndSnapsToTheTextWidth) {
    CArdoText* text = MakeLabel();
    doc->SetModifiedFlag(false);
    text->MoveHandleTo(4, CPoint(120, 160), nullptr);  // above the baseline, 200 away
    // Turned towards the point, the baseline back at the text width of 100.
    EXPECT_EQ(CPoint(0, 0), text->m_corners[0]);
    EXPECT_EQ(CPoint(60, 80), text->m_corners[3]);
    EXPECT_EQ(CPoint(-16, 12), text->m_corners[1]);
    EXPECT_EQ(CPoint(44, 92), text->m_corners[2]);
    EXPECT_EQ(CRect(-16, 0, 60, 92), text->m_position);
    EXPECT_TRUE(doc->IsModified());

    // Dragging a top corner turns and moves the label with that corner; the baseline is
    // rebuilt below the top side and snaps to the text width.
    CArdoText* other = MakeLabel();
    other->MoveHandleTo(2, CPoint(0, 50), nullptr);
    EXPECT_EQ(CPoint(0, 50), other->m_corners[1]);
    EXPECT_EQ(CPoint(-5, 31), other->m_corners[0]);
    EXPECT_EQ(CPoint(90, 2), other->m_corners[3]);
}

TEST_F(ArdoTextTest, PickedAnywhereInsideItsTurnedBox) {
    CArdoText* text = MakeLabel();
    text->MoveHandleTo(4, CPoint(60, 80), nullptr);
    EXPECT_EQ(1, text->Intersects(CRect(21, 45, 23, 47)));  // middle of the box
    EXPECT_EQ(0, text->Intersects(CRect(49, 9, 51, 11)));   // in the bounds, beside the box
    EXPECT_EQ(text, doc->ObjectAt(CPoint(22, 46)));
}

TEST_F(ArdoTextTest, EditingWithoutFontTakesTheDocumentsFontAndWritesTheAngle) {
    CArdoText* text = MakeLabel();
    doc->SetTextFont(doc->TextFont(), RGB(1, 2, 3));
    TextDialogValues answer;
    answer.strText = "Wohnen";
    answer.nAngle = 0;
    answer.bFixedAngle = 1;
    dialogs.answer = answer;
    ASSERT_TRUE(text->EditText(nullptr));
    EXPECT_EQ("Wohnen", text->m_text);
    EXPECT_EQ(doc->TextFont(), text->m_logfont);
    EXPECT_EQ(RGB(1, 2, 3), text->m_logbrush.lbColor);
    EXPECT_EQ(doc->TextFont(), dialogs.shown.lf);
    // Measured in the drawing font: 6 points at 200 units per mm = 422 units.
    EXPECT_EQ(422, text->m_cy);
    // A fixed angle of 0 is stored as 0 and so comes back as not fixed.
    EXPECT_EQ(0, Settings().GetProfileInt("Settings", "TextAngle", 99));
    EXPECT_EQ(0, CArdoText(CRect()).m_bFixedAngle);

    answer.nAngle = -90;
    answer.bFixedAngle = 1;
    dialogs.answer = answer;
    ASSERT_EQ(1, text->OnEditProperties(nullptr));
    EXPECT_EQ(270, text->m_nAngle);
    EXPECT_EQ(-270, Settings().GetProfileInt("Settings", "TextAngle", 0));
    // The box rebuilt at 270 degrees from the insertion point.
    EXPECT_EQ(CPoint(0, 0), text->m_corners[0]);
    EXPECT_EQ(CPoint(0, -text->m_cx), text->m_corners[3]);

    dialogs.answer.reset();
    const std::string before = text->m_text;
    EXPECT_EQ(0, text->OnEditProperties(nullptr));
    EXPECT_EQ(before, text->m_text);
}

TEST_F(ArdoTextTest, DrawingUsesANullPenAndTurnsTheTextWithItsBox) {
    CArdoText* text = MakeLabel();
    text->m_logbrush.lbColor = RGB(10, 20, 30);
    text->MoveHandleTo(4, CPoint(60, 80), nullptr);  // 53 degrees counter-clockwise

    RecordingBackend backend;
    CDC dc(backend);
    // The view's mapping: logical y grows upwards.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(1000, -1000);
    dc.SetViewportOrg(0, 500);
    text->Draw(&dc, CRect(-1000, -1000, 1000, 1000));

    EXPECT_EQ(PS_NULL, text->m_logpen.lopnStyle);
    EXPECT_EQ(CPoint(0, 0), text->m_logpen.lopnWidth);
    const DrawRecord* out = backend.Last(DrawRecord::Kind::TextOut);
    ASSERT_NE(nullptr, out);
    EXPECT_EQ("Label", out->text);
    EXPECT_EQ(CPoint(0, 500), out->points[0]);
    EXPECT_EQ(TA_LEFT | TA_BOTTOM, out->style.align);
    EXPECT_EQ(TRANSPARENT, out->style.bkMode);
    EXPECT_EQ(RGB(10, 20, 30), out->style.color);
    // The record keeps the escapement measured with y downwards; the device gets the
    // direction the user sees: 53.1 degrees counter-clockwise.
    EXPECT_EQ(-531, text->m_logfont.lfEscapement);
    EXPECT_EQ(531, text->m_logfont.lfOrientation);
    EXPECT_EQ(531, out->style.font.lf.lfEscapement);
    // The text state of the device context is restored.
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
}

TEST_F(ArdoTextTest, NothingDrawnOutsideTheClip) {
    CArdoText* text = MakeLabel();
    RecordingBackend backend;
    CDC dc(backend);
    text->Draw(&dc, CRect(500, 500, 600, 600));
    EXPECT_EQ(0u, backend.Count(DrawRecord::Kind::TextOut));
}

TEST_F(ArdoTextTest, CornersAtOppositeEndsOfTheRangeStillDrawAndMove) {
    // A damaged file can put the baseline's ends anywhere; the angle must not overflow.
    CArdoText* text = MakeLabel();
    text->m_corners[0] = CPoint(INT32_MAX, 0);
    text->m_corners[3] = CPoint(INT32_MIN, 0);
    text->m_position = CRect(INT32_MIN, -10, INT32_MAX, 10);
    RecordingBackend backend;
    CDC dc(backend);
    text->Draw(&dc, CRect(-1000, -1000, 1000, 1000));
    EXPECT_EQ(1u, backend.Count(DrawRecord::Kind::TextOut));
    // Moving it keeps the corners inside the range instead of wrapping around.
    text->MoveTo(CRect(INT32_MIN + 100, -10, INT32_MAX, 10), nullptr);
    EXPECT_EQ(INT32_MAX, text->m_corners[0].x);
}

std::vector<uint8_t> Store(CArdoObj& obj, CArdoDoc* doc) {
    std::vector<uint8_t> bytes;
    CArchive ar(bytes);
    ar.m_pDocument = static_cast<ObjectOwner*>(doc);
    obj.Serialize(ar);
    return bytes;
}

TEST_F(ArdoTextTest, RecordRoundTripKeepsTheFontBytes) {
    CArdoText* text = MakeLabel();
    text->m_nAngle = 300;
    text->m_logbrush.lbColor = RGB(7, 8, 9);
    text->m_logfont.lfHeight = -11;
    text->m_logfont.lfWeight = FW_BOLD;
    text->m_logfont.lfCharSet = 0xEE;
    text->m_logfont.SetFaceName("Arial");
    text->m_logfont.lfFaceName[20] = 'x';  // bytes after the terminator travel as well
    text->m_logfont.lfFaceName[31] = '\x7F';
    doc->SetInitialTextHeight(1234);
    const std::vector<uint8_t> bytes = Store(*text, doc.get());
    ASSERT_EQ(48u + 1 + 5 + 6 + 60 + 4 + 32 + 2, bytes.size());

    doc->SetInitialTextHeight(-9);
    CArdoText read;
    CArchive in{std::span<const uint8_t>(bytes)};
    in.m_pDocument = static_cast<ObjectOwner*>(doc.get());
    read.Serialize(in);
    EXPECT_EQ(0u, in.Remaining());
    EXPECT_EQ(1234, doc->InitialTextHeight());
    EXPECT_EQ(text->m_logfont, read.m_logfont);
    EXPECT_EQ("Label", read.m_text);
    EXPECT_EQ(300, read.m_nAngle);
    EXPECT_EQ(RGB(7, 8, 9), read.m_logbrush.lbColor);
    EXPECT_EQ(text->m_corners[2], read.m_corners[2]);
    EXPECT_EQ(doc.get(), read.m_pDocument);
    EXPECT_EQ(bytes, Store(read, doc.get()));
}

TEST_F(ArdoTextTest, VersionOneRecordsHaveNoAngle) {
    CArdoText* text = MakeLabel();
    text->m_nAngle = 45;
    doc->SetFileVersion(1);
    const std::vector<uint8_t> bytes = Store(*text, doc.get());
    Settings().WriteProfileInt("Settings", "TextAngle", 77);
    CArdoText read;
    CArchive in{std::span<const uint8_t>(bytes)};
    in.m_pDocument = static_cast<ObjectOwner*>(doc.get());
    read.Serialize(in);
    EXPECT_EQ(0u, in.Remaining());
    EXPECT_EQ(0, read.m_nAngle);
}

TEST_F(ArdoTextTest, CloneCopiesTheLabelButTakesTheAngleSetting) {
    CArdoText* text = MakeLabel();
    text->m_nAngle = 10;
    Settings().WriteProfileInt("Settings", "TextAngle", -20);
    std::unique_ptr<CArdoObj> copy = text->Clone();
    auto* clone = dynamic_cast<CArdoText*>(copy.get());
    ASSERT_NE(nullptr, clone);
    EXPECT_EQ(4, clone->m_nCorners);
    EXPECT_EQ(text->m_corners[3], clone->m_corners[3]);
    EXPECT_EQ(text->m_position, clone->m_position);
    EXPECT_EQ(20, clone->m_nAngle);
    EXPECT_EQ(1, clone->m_bFixedAngle);
    EXPECT_EQ(nullptr, clone->m_pDocument);
}

}  // namespace
