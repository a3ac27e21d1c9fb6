// Point-by-point input: polygon, polyline, Bezier area and the polygon measuring tools.
#include "ToolTestSupport.h"

#include <algorithm>

namespace tooltest {
namespace {

class PolygonToolTest : public ToolFixture {
protected:
    // Places vertices the way a user does: move to the point, then press (and release).
    void PlaceVertices(std::initializer_list<CPoint> clients) {
        for (CPoint c : clients) {
            MoveTo(c);
            Press(c);
            Release(c);
        }
    }
    std::vector<CPoint> Logical(std::initializer_list<CPoint> clients) const {
        std::vector<CPoint> out;
        for (CPoint c : clients) out.push_back(LogicalOf(c));
        return out;
    }
    // Labels an object draws, as text records.
    std::vector<std::string> LabelsOf(CArdoObj& obj) {
        RecordingBackend rec;
        CDC dc(rec);
        view->OnPrepareDC(dc);
        obj.Draw(&dc, CRect(0, 0, doc->Extent().cx, doc->Extent().cy));
        std::vector<std::string> labels;
        for (const DrawRecord& r : rec.Records())
            if (r.kind == DrawRecord::Kind::TextOut) labels.push_back(r.text);
        return labels;
    }
};

TEST_F(PolygonToolTest, DoubleClickAfterThreeVerticesKeepsExactlyThose) {
    Command(cmd::ToolPolyline);
    EXPECT_EQ(Pane(kPanePrompt), "Ersten Punkt der Poly-Linie anklicken");
    PlaceVertices({{100, 100}, {300, 120}, {250, 400}});
    EXPECT_EQ(Pane(kPanePrompt), "Polygoneingabe: Beenden mit ESC oder Doppelklick, Punkt zurücknehmen mit TAB-Taste");
    EXPECT_TRUE(host.capture);  // held for the whole input
    view->OnLButtonDblClk(MK_LBUTTON, {250, 400});
    Release({250, 400});
    auto* line = LastAs<CArdoPolyline>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->m_points, Logical({{100, 100}, {300, 120}, {250, 400}}));
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(Pane(kPanePrompt), "");
}

TEST_F(PolygonToolTest, EscapeAfterTheFirstPressLeavesTheVertexAndItsRubberPoint) {
    Command(cmd::ToolPolygon);
    Press({100, 100});
    view->OnCommand(cmd::Cancel);
    auto* poly = LastAs<CArdoPoly>();
    ASSERT_NE(poly, nullptr);
    const CPoint p = LogicalOf({100, 100});
    EXPECT_EQ(poly->m_points, (std::vector<CPoint>{p, CPoint(p.x + 1, p.y)}));
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    // The next press belongs to the selection tool, not to the finished input.
    Click({700, 600});
    EXPECT_EQ(poly->PointCount(), 2);
}

TEST_F(PolygonToolTest, TabTakesTheLastVertexBackToFollowTheMouse) {
    Command(cmd::ToolPolygon);
    Press({100, 100});
    view->OnChar('\t', 1, 0);  // only the first vertex: nothing to take back
    auto* poly = LastAs<CArdoPoly>();
    ASSERT_EQ(poly->PointCount(), 2);
    PlaceVertices({{300, 100}, {300, 300}});
    ASSERT_EQ(poly->PointCount(), 4);  // three vertices and the rubber point
    view->OnChar('\t', 1, 0);
    EXPECT_EQ(poly->m_points, Logical({{100, 100}, {300, 100}, {300, 300}}));
    MoveTo({400, 350});
    EXPECT_EQ(poly->m_points, Logical({{100, 100}, {300, 100}, {400, 350}}));
    for (unsigned ch : {8u, 37u, 60u}) {
        view->OnChar(ch, 1, 0);
        view->OnChar('x', 1, 0);  // other characters do nothing
    }
    EXPECT_EQ(poly->PointCount(), 2);
}

TEST_F(PolygonToolTest, PressOnTheFirstVertexClosesOrDiscardsTheInput) {
    Command(cmd::ToolPolygon);
    PlaceVertices({{100, 100}, {300, 100}, {300, 300}});
    MoveTo({100, 100});
    Press({100, 100});
    auto* poly = LastAs<CArdoPoly>();
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->m_points, Logical({{100, 100}, {300, 100}, {300, 300}}));
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);

    // A press on the first vertex right after it was placed leaves too little: discarded.
    Command(cmd::ToolPolygon);
    Press({500, 500});
    Release({500, 500});
    Press({500, 500});
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_FALSE(host.capture);
    EXPECT_TRUE(view->m_selection.empty());
}

TEST_F(PolygonToolTest, SnapAppliesToVerticesExceptForBezierAreas) {
    doc->SetSnap(1);
    doc->SetCurrentLineColor(RGB(1, 1, 1));
    doc->SetCurrentFillColor(RGB(2, 2, 2));
    doc->SetCurrentLineWidth(50);
    doc->SetCurrentFill(0);
    Command(cmd::ToolPolygon);
    PlaceVertices({{101, 101}, {203, 101}, {203, 307}});
    view->OnLButtonDblClk(MK_LBUTTON, {203, 307});
    auto* poly = LastAs<CArdoPoly>();
    ASSERT_EQ(poly->PointCount(), 3);
    for (CPoint p : poly->m_points) EXPECT_TRUE(p.x % 20 == 0 && p.y % 20 == 0) << p.x << "," << p.y;
    EXPECT_EQ(poly->m_logpen.lopnWidth.x, 50);
    EXPECT_EQ(poly->IsFilled(), 0);

    Command(cmd::ToolBezier);  // no menu item, but reachable by its id
    EXPECT_TRUE(Checked(cmd::ToolBezier));
    PlaceVertices({{101, 101}, {203, 101}, {203, 307}});
    view->OnLButtonDblClk(MK_LBUTTON, {203, 307});
    auto* bezier = LastAs<CArdoBezier>();
    ASSERT_NE(bezier, nullptr);
    EXPECT_EQ(bezier->m_points, Logical({{101, 101}, {203, 101}, {203, 307}}));
    EXPECT_EQ(bezier->GetLineColor(), RGB(1, 1, 1));
    EXPECT_EQ(bezier->GetFillColor(), RGB(2, 2, 2));
    EXPECT_EQ(bezier->m_logpen.lopnWidth.x, CArdoBezier(CRect()).m_logpen.lopnWidth.x);
    EXPECT_EQ(bezier->IsFilled(), CArdoBezier(CRect()).IsFilled());
}

TEST_F(PolygonToolTest, ChainsMeasureTheirEdgesAndAreasMeasureTheirArea) {
    doc->SetCurrentLineColor(RGB(5, 5, 5));
    const struct {
        int command;
        const char* prompt;
    } tools[] = {
        {cmd::MeasureChain, "Ersten Punkt der Poly-Maßlinie anklicken"},
        {cmd::MeasurePolygon, "Ersten Punkt des Vermaßungs-Polygons anklicken"},
    };
    std::vector<CArdoPolyMeasure*> made;
    for (const auto& t : tools) {
        Command(t.command);
        EXPECT_EQ(Pane(kPanePrompt), t.prompt);
        PlaceVertices({{100, 100}, {400, 100}, {400, 400}});
        view->OnLButtonDblClk(MK_LBUTTON, {400, 400});
        made.push_back(LastAs<CArdoPolyMeasure>());
        ASSERT_NE(made.back(), nullptr);
        EXPECT_EQ(made.back()->PointCount(), 3);
        EXPECT_NE(made.back()->GetLineColor(), RGB(5, 5, 5));
    }
    EXPECT_EQ(made[0]->m_bEdges, 1);
    EXPECT_EQ(made[0]->m_bArea, 0);
    EXPECT_EQ(made[1]->m_bEdges, 0);
    EXPECT_EQ(made[1]->m_bArea, 1);

    const std::vector<std::string> edges = LabelsOf(*made[0]);
    const std::vector<std::string> area = LabelsOf(*made[1]);
    EXPECT_EQ(edges.size(), 2u);
    ASSERT_EQ(area.size(), 1u);
    EXPECT_NE(area[0].find("²"), std::string::npos);
    for (const std::string& e : edges) EXPECT_EQ(e.find("²"), std::string::npos);
}

TEST_F(PolygonToolTest, DeletingTheObjectUnderConstructionEndsTheInputSafely) {
    Command(cmd::ToolPolyline);
    PlaceVertices({{100, 100}, {300, 100}});
    view->OnCommand(cmd::EditDelete);
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_FALSE(host.capture);
    // Further events of the ended input reach no freed object.
    MoveTo({350, 200});
    view->OnChar('\t', 1, 0);
    view->OnLButtonDblClk(MK_LBUTTON, {350, 200});
    Command(cmd::ToolPolyline);
    PlaceVertices({{100, 100}, {300, 100}});
    view->OnLButtonDblClk(MK_LBUTTON, {300, 100});
    ASSERT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(LastAs<CArdoPoly>()->PointCount(), 2);
}

}  // namespace
}  // namespace tooltest
