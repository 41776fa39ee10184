// What the four-head edition's view does differently: no tools (every left
// drag is a rubber band), moving the selection only when EnableCurveMove is
// on and the drag starts inside the selection, and the "Test" command.
#include <QTest>

#include "ui/command_ids.h"
#include "ui/orvanta_view.h"
#include "view_test_fixture.h"

using namespace pv;
using namespace pv::ui;
using pv::test::Curve;
using pv::test::ViewBench;

class OrvantaViewTest : public QObject {
    Q_OBJECT
private slots:
    void theFactoryMakesTheEditionsView();
    void everyLeftDragIsARubberBand();
    void curvesMoveOnlyWhenAllowedAndGrabbedInsideTheSelection();
    void testCommandMakesHalfMillimetreDots();
};

void OrvantaViewTest::theFactoryMakesTheEditionsView() {
    ViewBench four(Edition::FourHead);
    four.AddJob({Curve({{0, 0}, {400, 0}})});
    QVERIFY(qobject_cast<COrvantaView*>(&four.Open()) != nullptr);
    ViewBench two;
    two.AddJob({Curve({{0, 0}, {400, 0}})});
    QVERIFY(qobject_cast<COrvantaView*>(&two.Open()) == nullptr);
}

void OrvantaViewTest::everyLeftDragIsARubberBand() {
    ViewBench b(Edition::FourHead);
    b.AddJob({Curve({{4000, 4000}, {8000, 6000}}), Curve({{40000, 4000}, {44000, 4000}})});
    CPelvaneView& v = b.Open();
    // The tool buttons do not exist: a "move view" or "text" tool changes nothing.
    for (const int tool : {0, 4}) {
        v.SetTool(tool);
        const ViewMapping before = v.Mapping();
        b.Drag(b.At(2000, 2000), b.At(10000, 8000));
        QCOMPARE(b.Selected(), std::vector<int>{0});
        QCOMPARE(v.Mapping().sx0, before.sx0);
        QCOMPARE(b.Page().curves.size(), std::size_t{2});
    }
    // A click picks.
    QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, b.At(42000, 4000));
    QCOMPARE(b.Selected(), std::vector<int>{1});
}

void OrvantaViewTest::curvesMoveOnlyWhenAllowedAndGrabbedInsideTheSelection() {
    ViewBench b(Edition::FourHead);
    b.AddJob({Curve({{8000, 8000}, {24000, 16000}}), Curve({{40000, 4000}, {44000, 4000}})});
    CPelvaneView& v = b.Open();
    const QPoint inside = b.At(16000, 12000), outside = b.At(30000, 30000);
    const auto select = [&] {
        b.Page().ClearSelection();
        b.Page().curves[0].selected = 1;
        v.Redraw();
    };

    select();
    b.Drag(inside, inside + QPoint(50, 0));   // not allowed: a rubber band, which moves nothing
    QCOMPARE(b.Page().curves[0].points[0], (Point{8000, 8000}));

    b.station.settings.Edit([](AppSettings& s) { s.EnableCurveMove = 1; });
    select();
    QTest::mouseMove(&v, inside);
    QVERIFY(v.MovingSelection());
    QVERIFY(v.cursor().shape() == Qt::SizeAllCursor);
    b.Drag(inside, inside + QPoint(60, 0));   // 60 px = 8000 units
    QVERIFY(std::abs(b.Page().curves[0].points[0].x - 16000) <= 134);
    QCOMPARE(b.Selected(), std::vector<int>{0});

    // Ctrl held, or a press outside the selection's box: a rubber band.
    select();
    const Point start = b.Page().curves[0].points[0];
    b.Drag(inside, inside + QPoint(60, 0), Qt::ControlModifier);
    QCOMPARE(b.Page().curves[0].points[0], start);
    b.Drag(outside, outside + QPoint(60, 60));
    QCOMPARE(b.Page().curves[0].points[0], start);
    QCOMPARE(b.Selected(), std::vector<int>{});
}

void OrvantaViewTest::testCommandMakesHalfMillimetreDots() {
    ViewBench b(Edition::FourHead);
    b.station.settings.Edit([](AppSettings& s) { s.DotDist = 50; });   // 5 mm: 200 units
    b.AddJob({Curve({{4000, 4000}, {8000, 4000}}, kFullCut)});
    CPelvaneView& v = b.Open();
    QVERIFY(v.HandleCommand(kCmdTestDotted4));
    int dots = 0;
    for (const CCurve& c : b.Page().curves) {
        if (c.kind != kDot) continue;
        ++dots;
        QCOMPARE(c.points.back().x - c.points.front().x, 20);
    }
    QCOMPARE(dots, 19);   // a dot every 5 mm; the last 5 mm stay a gap
}

QTEST_MAIN(OrvantaViewTest)
#include "orvanta_view_test.moc"
