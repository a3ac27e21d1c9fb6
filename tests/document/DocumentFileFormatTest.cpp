// The document file: byte layouts written, old and current files read, damaged files refused.
#include "DocTestSupport.h"

#include "document/DocumentFile.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoText.h"
#include "platform/Archive.h"

#include <cmath>
#include <limits>

using namespace doctest;

namespace {

class DocumentFileFormatTest : public DocTest {
protected:
    // Loads bytes into a fresh document; returns the message a failure would show, or "".
    std::string LoadMessage(const Bytes& bytes, CArdoDoc& doc) {
        try {
            doc.LoadFromBytes(bytes);
            return "";
        } catch (...) {
            return DocumentErrorText(std::current_exception(), FileOperation::load, "x.cpr");
        }
    }
    void ExpectDamaged(const Bytes& bytes, const std::string& why) {
        CArdoDoc doc;
        EXPECT_EQ(LoadMessage(bytes, doc), "Unerwartetes Dateiformat.") << why;
        EXPECT_TRUE(doc.Background().empty()) << why;
        EXPECT_TRUE(doc.Objects().empty()) << why;
    }
};

const Bytes kEmptyDocument = {
    0x00, 0x00, 0xC8, 0xC2,                          // -100.0
    0x17, 0x00,                                      // version 23
    0x01, 0x31,                                      // "1"
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // origin
    0xE8, 0x03,                                      // unit divisor 1000
    0x00, 0x00, 0x80, 0x00,                          // grid colour
    0x00, 0x00, 0x7A, 0x44, 0x00, 0x00, 0x7A, 0x44,  // grid 1000, 1000
    0x01, 0x00, 0x05, 0x00,                          // auto-adjust, dimension text height
    0x69, 0x00, 0x00, 0x00, 0x95, 0x00, 0x00, 0x00,  // 105 x 149 mm
    0x00, 0x00, 0x00, 0x00,                          // empty lists
    0x00, 0x00, 0x00, 0x00,                          // no items
};

// A document holding one object of every class, in both lists.
void FillWithEveryClass(CArdoDoc& doc) {
    for (int shape = SHAPE_RECTANGLE; shape <= SHAPE_DIMRECT; ++shape) {
        auto rect = std::make_unique<CArdoRect>(CRect(10 * shape, 500, 10 * shape + 300, -20), shape);
        rect->m_roundness = CPoint(3 + shape, 7);
        doc.AddObject(std::move(rect));
    }
    auto poly = std::make_unique<CArdoPoly>(CRect(0, 0, 1, 1));
    auto line = std::make_unique<CArdoPolyline>(CRect(0, 0, 1, 1));
    auto bezier = std::make_unique<CArdoBezier>(CRect(0, 0, 1, 1));
    auto measure = std::make_unique<CArdoPolyMeasure>(CRect(0, 0, 1, 1));
    measure->m_bArea = 1;
    for (CArdoPoly* p : {static_cast<CArdoPoly*>(poly.get()), static_cast<CArdoPoly*>(line.get()),
                         static_cast<CArdoPoly*>(bezier.get()), static_cast<CArdoPoly*>(measure.get())})
        for (int i = 0; i < 12; ++i) p->AddPointSilent(CPoint(i * 100, (i % 3) * 70 - 5));
    doc.AddBackgroundObject(std::move(line));
    doc.AddBackgroundObject(std::move(poly));
    doc.AddObject(std::move(bezier));
    doc.AddObject(std::move(measure));
    auto base = std::make_unique<CArdoObj>(CRect(1, 2, 3, 4));
    base->m_bPen = 0;
    base->m_logpen = LOGPEN{PS_DASH, {25, 9}, RGB(1, 2, 3)};
    base->m_bBrush = 1;
    base->m_logbrush = LOGBRUSH{BS_HATCHED, RGB(4, 5, 6), 3};
    doc.AddObject(std::move(base));
}

TEST_F(DocumentFileFormatTest, EmptyDocumentIsFiftyBytes) {
    CArdoDoc doc;
    EXPECT_EQ(doc.SaveToBytes(), kEmptyDocument);
}

TEST_F(DocumentFileFormatTest, EmptyDocumentReadsBackWithItsSettings) {
    ByteBuilder b;
    b.Float(-12.5f).Word(23).String("12,5").Float(1.5f).Float(-2.25f).Word(10).DWord(0x00112233);
    b.Float(250).Float(125).Word(0).Word(7).Long(297).Long(210).Word(0).Word(0).DWord(0);
    CArdoDoc doc;
    doc.LoadFromBytes(b.bytes());
    EXPECT_EQ(doc.FileVersion(), 23);
    EXPECT_EQ(doc.Scale(), 12.5f);
    EXPECT_EQ(doc.ScaleText(), "12,5");
    EXPECT_EQ(doc.OriginX(), 1.5f);
    EXPECT_EQ(doc.OriginY(), -2.25f);
    EXPECT_EQ(doc.UnitDivisor(), 10);
    EXPECT_EQ(doc.UnitName(), "cm");
    EXPECT_EQ(doc.GridColor(), 0x00112233u);
    EXPECT_EQ(doc.GridX(), 250.0f);
    EXPECT_EQ(doc.GridY(), 125.0f);
    EXPECT_EQ(doc.GridAutoAdjust(), 0);
    EXPECT_EQ(doc.DimTextHeight(), 7);
    EXPECT_EQ(doc.PaperSize(), CSize(297, 210));
    EXPECT_EQ(doc.UnitsPerMm(), 100.0f);
    EXPECT_EQ(doc.Extent(), CSize(29700, 21000));
    EXPECT_EQ(doc.RealPerUnit(), 12.5f / 100.0f / 10.0f);
    EXPECT_EQ(services().status.PaneText(kPaneScale), "1:12.50");
}

TEST_F(DocumentFileFormatTest, PositiveFirstFloatIsVersionOneWithoutVersionWord) {
    ByteBuilder b;
    b.Float(50.0f).String("50").Float(0).Float(0).Word(1).DWord(0).Float(10).Float(10).Word(1).Word(5);
    b.Long(105).Long(149).Word(0).Word(0).DWord(0);
    CArdoDoc doc;
    doc.LoadFromBytes(b.bytes());
    EXPECT_EQ(doc.FileVersion(), 1);
    EXPECT_EQ(doc.Scale(), 50.0f);
    EXPECT_EQ(doc.ScaleText(), "50");
    EXPECT_EQ(doc.UnitName(), "mm");
    // Saved again it becomes a current file.
    const Bytes saved = doc.SaveToBytes();
    EXPECT_EQ(saved[0] | saved[1] << 8 | saved[2] << 16 | uint32_t(saved[3]) << 24, std::bit_cast<uint32_t>(-50.0f));
    EXPECT_EQ(saved[4], 23);
}

TEST_F(DocumentFileFormatTest, DocumentReadFromVersionOneSavesRecordsInCurrentForm) {
    // Text records carry their angle from version 2 on; the saved file announces 23, so the
    // records must be written with it even when the document came from an old file.
    CArdoDoc doc;
    auto text = std::make_unique<CArdoText>(CRect(0, 0, 100, 100));
    text->m_text = "Küche";
    text->m_nAngle = 30;
    doc.AddObject(std::move(text));
    doc.SetFileVersion(1);
    const Bytes saved = doc.SaveToBytes();
    CArdoDoc reread;
    ASSERT_NO_THROW(reread.LoadFromBytes(saved));
    ASSERT_EQ(reread.Objects().size(), 1u);
    const auto& back = static_cast<const CArdoText&>(*reread.Objects()[0]);
    EXPECT_EQ(back.m_text, "Küche");
    EXPECT_EQ(back.m_nAngle, 30);
    EXPECT_EQ(reread.SaveToBytes(), saved);
}

TEST_F(DocumentFileFormatTest, WordFieldsReadZeroExtended) {
    ByteBuilder b;
    b.Float(-1.0f).Word(0xFFFF).String("").Float(0).Float(0).Word(0xFFFF).DWord(0).Float(1).Float(1);
    b.Word(0x8000).Word(0xFFFE).Long(105).Long(149).Word(0).Word(0).DWord(0);
    CArdoDoc doc;
    doc.LoadFromBytes(b.bytes());
    EXPECT_EQ(doc.FileVersion(), 0xFFFF);
    EXPECT_EQ(doc.UnitDivisor(), 0xFFFF);
    EXPECT_EQ(doc.GridAutoAdjust(), 0x8000);
    EXPECT_EQ(doc.DimTextHeight(), 0xFFFE);
}

TEST_F(DocumentFileFormatTest, TwoRectanglesShareOneClassTag) {
    CArdoDoc doc;
    CArdoRect* first = doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(1, 2, 3, 4), SHAPE_LINE));
    CArdoRect* second = doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(5, 6, 7, 8), SHAPE_ELLIPSE));
    const Bytes saved = doc.SaveToBytes();

    auto body = [](const CArdoRect& r) {
        ByteBuilder b;
        b.Long(r.m_position.left).Long(r.m_position.top).Long(r.m_position.right).Long(r.m_position.bottom);
        b.Word(uint16_t(r.m_bPen)).DWord(r.m_logpen.lopnStyle).Long(r.m_logpen.lopnWidth.x);
        b.Long(r.m_logpen.lopnWidth.y).DWord(r.m_logpen.lopnColor);
        b.Word(uint16_t(r.m_bBrush)).DWord(r.m_logbrush.lbStyle).DWord(r.m_logbrush.lbColor).Long(r.m_logbrush.lbHatch);
        b.Word(uint16_t(r.m_shape)).Long(r.m_roundness.x).Long(r.m_roundness.y);
        EXPECT_EQ(b.bytes().size(), 58u);
        return b.bytes();
    };
    ByteBuilder expected;
    expected.Append(Bytes(kEmptyDocument.begin(), kEmptyDocument.begin() + 42));
    expected.Word(2).NewClass("CArdoRect").Append(body(*first)).Word(0x8001).Append(body(*second));
    expected.Word(0).DWord(0);
    EXPECT_EQ(saved, expected.bytes());
}

TEST_F(DocumentFileFormatTest, PaperStoredAsTruncatedMillimetres) {
    CArdoDoc doc;
    doc.Extent() = CSize(21099, 29850);  // not whole multiples of 200 units
    const Bytes saved = doc.SaveToBytes();
    const Bytes paper(saved.begin() + 34, saved.begin() + 42);
    EXPECT_EQ(paper, (ByteBuilder().Long(105).Long(149).bytes()));

    CArdoDoc reread;
    reread.LoadFromBytes(saved);
    EXPECT_EQ(reread.Extent(), CSize(21000, 29800));
    EXPECT_EQ(reread.PaperSizeInFile(), CSize(105, 149));
}

TEST_F(DocumentFileFormatTest, LargePaperWithFractionalUnitsSurvivesSaving) {
    // 3000 x 4000 mm keeps 8.19175 units per mm; the extent divided back is 2999.97 mm.
    CArdoDoc doc;
    doc.SetPaperSize(3000, 4000, 1);
    CArdoDoc reread;
    reread.LoadFromBytes(doc.SaveToBytes());
    EXPECT_EQ(reread.PaperSize(), CSize(3000, 4000));
    EXPECT_EQ(reread.Extent(), doc.Extent());
}

TEST_F(DocumentFileFormatTest, EveryClassRoundTripsByteForByte) {
    CArdoDoc doc;
    doc.EditStoredSettings([&](DocumentSettings& s) {
        s.m_fScale = 33.3f;
        s.m_strScale = "33,3 ä";
        s.m_fOriginX = -0.0f;
        s.m_fGridY = std::numeric_limits<float>::quiet_NaN();
    });
    doc.SetPaperSize(297, 420, 1);
    FillWithEveryClass(doc);
    const Bytes saved = doc.SaveToBytes();

    CArdoDoc reread;
    reread.LoadFromBytes(saved);
    ASSERT_EQ(reread.Background().size(), doc.Background().size());
    ASSERT_EQ(reread.Objects().size(), doc.Objects().size());
    for (size_t i = 0; i < doc.Objects().size(); ++i) {
        EXPECT_STREQ(reread.Objects()[i]->GetRuntimeClass()->m_lpszClassName,
                     doc.Objects()[i]->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(reread.Objects()[i]->m_position, doc.Objects()[i]->m_position);
        EXPECT_EQ(reread.Objects()[i]->GetDocument(), &reread);
    }
    const auto& rect = static_cast<const CArdoRect&>(*reread.Objects()[1]);
    EXPECT_EQ(rect.m_shape, SHAPE_ROUNDRECT);
    EXPECT_EQ(rect.m_roundness, CPoint(4, 7));
    const auto& measure = static_cast<const CArdoPolyMeasure&>(*reread.Objects()[7]);
    EXPECT_EQ(measure.m_bArea, 1);
    EXPECT_EQ(measure.m_points, static_cast<const CArdoPolyMeasure&>(*doc.Objects()[7]).m_points);
    EXPECT_EQ(measure.m_nAllocPoints, 20);
    EXPECT_TRUE(std::signbit(reread.OriginX()));
    EXPECT_TRUE(std::isnan(reread.GridY()));
    EXPECT_EQ(reread.ScaleText(), "33,3 ä");
    EXPECT_EQ(reread.SaveToBytes(), saved);
}

TEST_F(DocumentFileFormatTest, EveryTruncationIsRefusedWithNothingLoaded) {
    CArdoDoc doc;
    FillWithEveryClass(doc);
    const Bytes saved = doc.SaveToBytes();
    for (size_t n = 0; n < saved.size(); ++n)
        ExpectDamaged(Bytes(saved.begin(), saved.begin() + n), "length " + std::to_string(n));
}

TEST_F(DocumentFileFormatTest, DamagedScaleIsRefused) {
    for (float scale : {0.0f, -0.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                        -std::numeric_limits<float>::infinity()}) {
        Bytes bytes = kEmptyDocument;
        const uint32_t bits = std::bit_cast<uint32_t>(scale);
        for (int i = 0; i < 4; ++i) bytes[i] = uint8_t(bits >> (8 * i));
        ExpectDamaged(bytes, "scale bits " + std::to_string(bits));
    }
}

TEST_F(DocumentFileFormatTest, DamagedClassTagsAndReferencesAreRefused) {
    const Bytes rect = ByteBuilder().BaseRecord(0, 0, 10, 10).Word(0).Long(16).Long(16).bytes();
    auto withBackground = [](const ByteBuilder& list) {
        return ByteBuilder().Header().Append(list.bytes()).Word(0).DWord(0).bytes();
    };
    ExpectDamaged(withBackground(ByteBuilder().Word(1).NewClass("CArdoFoo").Append(rect)), "unknown class");
    ExpectDamaged(withBackground(ByteBuilder().Word(1).NewClass("CArdoRect" + std::string(55, 'x')).Append(rect)),
                  "class name of 64 bytes");
    ExpectDamaged(withBackground(ByteBuilder().Word(1).NewClass("CArdoRect", 1).Append(rect)), "schema 1");
    ExpectDamaged(withBackground(ByteBuilder().Word(1).Word(0x0005)), "reference to an unread index");
    ExpectDamaged(withBackground(ByteBuilder().Word(1).Word(0x8003)), "unread class index");
    ExpectDamaged(withBackground(ByteBuilder().Word(2).NewClass("CArdoRect").Append(rect).Word(0x0002)),
                  "one object listed twice");
    ExpectDamaged(withBackground(ByteBuilder().Word(1).Word(0x0000)), "null element");
}

TEST_F(DocumentFileFormatTest, HugeListCountInSmallFileIsRefusedQuickly) {
    ByteBuilder b;
    b.Header().Word(0xFFFF).DWord(4000000000u);
    while (b.bytes().size() < 100) b.Byte(0);
    ExpectDamaged(b.bytes(), "count of 4 billion");
}

TEST_F(DocumentFileFormatTest, PolygonCountBeyondCapacityIsRefused) {
    ByteBuilder poly;
    poly.Word(1).NewClass("CArdoPoly").BaseRecord(0, 0, 10, 10).Word(5).Word(2);
    for (int i = 0; i < 5; ++i) poly.Long(i).Long(i);
    ExpectDamaged(ByteBuilder().Header().Append(poly.bytes()).Word(0).DWord(0).bytes(), "count 5, capacity 2");
}

TEST_F(DocumentFileFormatTest, EmbeddedItemsAreRefusedUntilSupported) {
    Bytes bytes = kEmptyDocument;
    bytes[46] = 1;
    ExpectDamaged(bytes, "one embedded item");
}

TEST_F(DocumentFileFormatTest, SecondListCanFailAfterFirstWasRead) {
    // The background list is complete, the foreground list is damaged: nothing stays.
    const Bytes rect = ByteBuilder().BaseRecord(0, 0, 10, 10).Word(0).Long(16).Long(16).bytes();
    ByteBuilder b;
    b.Header().Word(1).NewClass("CArdoRect").Append(rect).Word(1).Word(0x0002).DWord(0);
    ExpectDamaged(b.bytes(), "foreground refers to a background object");
}

}  // namespace
