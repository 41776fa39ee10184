// The drawing view of the two-head edition under the pointer and keys: the
// mapping, Fit, picking, the rubber band, moving the selection, panning and
// zooming, the tools, the picture cache and the band being printed.
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "output/band_layout.h"
#include "ui/command_ids.h"
#include "view_test_fixture.h"

using namespace pv;
using namespace pv::ui;
using pv::test::Curve;
using pv::test::ViewBench;

class PelvaneViewTest : public QObject {
    Q_OBJECT
private slots:
    void fitsThePaperAndReportsThePointerInPlotterUnits();
    void aClickBesideADrawnLineOverACutLinePicksTheDrawnLine();
    void theRubberBandCrossesOnlyWhenDraggedLeftToRight();
    void movingTheSelectionStopsAtXZero();
    void wheelZoomKeepsThePointUnderThePointer();
    void pageDownStopsAtTheSmallestZoom();
    void startPointToolOnlyClears();
    void panningShiftsThePictureInsteadOfPaintingItAgain();
    void showJobClampsAndReadsDeferredFiles();
    void theBandBeingPrintedIsOutlined();
    void textToolAddsTheLabelAtThePressPoint();
};

void PelvaneViewTest::fitsThePaperAndReportsThePointerInPlotterUnits() {
    ViewBench b;
    b.station.settings.Edit([](AppSettings& s) { s.PaperLenMm = 2000; });
    b.AddJob({Curve({{0, 0}, {40000, 40000}})});
    CPelvaneView& v = b.Open();
    QCOMPARE(v.Mapping().z, 600.0 / 80000.0);
    QCOMPARE(ViewMapping::GridStepMm(v.Mapping().z), 200);
    QCOMPARE(v.Mapping().H, ViewBench::kHeight);

    // The pointer pane gets the drawing point under the cursor.
    QSignalSpy moved(&v, &CPelvaneView::pointerMoved);
    QTest::mouseMove(&v, QPoint(50 + 150, 660 - 30 - 300));
    QVERIFY(!moved.isEmpty());
    QVERIFY(std::abs(moved.last().at(0).toInt() - 20000) <= 1);   // 150 px / 0.0075
    QVERIFY(std::abs(moved.last().at(1).toInt() - 40000) <= 1);

    // Frame, grid and curves land where the mapping says.
    const QImage shot = v.grab().toImage();
    QCOMPARE(shot.pixelColor(b.At(0, 0) + QPoint(-4, -100)), QColor(0, 255, 0));          // frame's left side
    QCOMPARE(shot.pixelColor(b.At(8000, 20000)), QColor(20, 60, 60));                      // grid line at 200 mm
    QCOMPARE(shot.pixelColor(b.At(20000, 20000)), QColor(255, 255, 255));                  // the drawn line

    // A resize fits again.
    v.SetMapping([&] { ViewMapping m = v.Mapping(); m.z = 0.1; m.sx0 = 30; return m; }());
    v.resize(800, 460);
    QCOMPARE(v.Mapping().z, 400.0 / 80000.0);
    QCOMPARE(v.Mapping().sx0, 0);
}

void PelvaneViewTest::aClickBesideADrawnLineOverACutLinePicksTheDrawnLine() {
    ViewBench b;
    b.AddJob({Curve({{4000, 20000}, {60000, 20000}}, kFullCut), Curve({{4000, 20000}, {60000, 20000}})});
    CPelvaneView& v = b.Open();
    v.SetTool(1);
    const QPoint beside = b.At(30000, 20000) + QPoint(0, 3);
    QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, beside);
    QCOMPARE(b.Selected(), std::vector<int>{1});
    // The picture shows the selection (the handles are painted in the view).
    QVERIFY(b.Page().anySelected != 0);
    // A plain click clears first, so it picks the same line again; with
    // Ctrl nothing is cleared and the click toggles it off.
    QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, beside);
    QCOMPARE(b.Selected(), std::vector<int>{1});
    QTest::mouseClick(&v, Qt::LeftButton, Qt::ControlModifier, beside);
    QCOMPARE(b.Selected(), std::vector<int>{});
    QCOMPARE(b.Page().anySelected, 0);
}

void PelvaneViewTest::theRubberBandCrossesOnlyWhenDraggedLeftToRight() {
    ViewBench b;
    // A long line; the band covers its left half only.
    b.AddJob({Curve({{4000, 20000}, {80000, 20000}}), Curve({{6000, 30000}, {8000, 31000}})});
    CPelvaneView& v = b.Open();
    v.SetTool(1);
    const QPoint lowLeft = b.At(2000, 10000), highRight = b.At(40000, 40000);
    b.Drag(highRight, lowLeft);
    QCOMPARE(b.Selected(), std::vector<int>{1});
    b.Drag(lowLeft, highRight);
    QCOMPARE(b.Selected(), (std::vector<int>{0, 1}));
    // Ctrl keeps what was selected.
    b.Page().ClearSelection();
    b.Page().curves[1].selected = 1;
    b.Drag(b.At(2000, 18000), b.At(20000, 22000), Qt::ControlModifier);
    QCOMPARE(b.Selected(), (std::vector<int>{0, 1}));
}

void PelvaneViewTest::movingTheSelectionStopsAtXZero() {
    ViewBench b;
    b.AddJob({Curve({{8000, 8000}, {16000, 12000}}), Curve({{40000, 8000}, {48000, 8000}})});
    CPelvaneView& v = b.Open();
    v.SetTool(2);
    b.Page().curves[0].selected = 1;
    v.Redraw();
    QTest::mouseMove(&v, b.At(12000, 10000));
    QVERIFY(v.MovingSelection());
    QVERIFY(v.cursor().shape() == Qt::SizeAllCursor);
    const int undoBefore = static_cast<int>(b.station.undo.Count());
    b.Drag(b.At(12000, 10000), b.At(12000, 10000) - QPoint(400, 0));   // 400 px = 53333 units to the left
    const CCurve& moved = b.Page().curves[0];
    QCOMPARE(moved.points[0].x, 0);
    QCOMPARE(moved.points[1].x, 8000);
    QVERIFY(std::abs(moved.points[0].y - 8000) <= 134);   // one pixel of vertical jitter at most
    QCOMPARE(b.Page().curves[1].points[0], (Point{40000, 8000}));
    QCOMPARE(static_cast<int>(b.station.undo.Count()), undoBefore + 1);
    // Without a selection the move tool drags nothing.
    b.Page().ClearSelection();
    v.Redraw();
    QTest::mouseMove(&v, b.At(4000, 10000));
    QVERIFY(!v.MovingSelection());
}

void PelvaneViewTest::wheelZoomKeepsThePointUnderThePointer() {
    ViewBench b;
    b.AddJob({Curve({{0, 0}, {40000, 40000}})});
    CPelvaneView& v = b.Open();
    const QPoint cursor(523, 214);
    const Point before = v.Mapping().ToWorld({cursor.x(), cursor.y()});
    for (const int delta : {120, 120, 120, -120}) {
        QWheelEvent wheel(QPointF(cursor), QPointF(v.mapToGlobal(cursor)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&v, &wheel);
    }
    QCOMPARE(v.Mapping().z, 600.0 / 80000.0 * 1.25 * 1.25 * 1.25 * 0.8);
    const Point after = v.Mapping().ToWorld({cursor.x(), cursor.y()});
    const double unitsPerPixel = 1 / v.Mapping().z;
    QVERIFY(std::abs(after.x - before.x) <= unitsPerPixel);
    QVERIFY(std::abs(after.y - before.y) <= unitsPerPixel);
}

void PelvaneViewTest::pageDownStopsAtTheSmallestZoom() {
    ViewBench b;
    b.AddJob({Curve({{0, 0}, {400, 400}})});
    CPelvaneView& v = b.Open();
    ViewMapping m = v.Mapping();
    m.z = 0.001;
    m.sx0 = 90;
    v.SetMapping(m);
    QTest::keyClick(&v, Qt::Key_PageDown);
    QCOMPARE(v.Mapping().z, 0.001);
    QCOMPARE(v.Mapping().sx0, 90);
    QTest::keyClick(&v, Qt::Key_PageUp);
    QCOMPARE(v.Mapping().z, 0.002);
    QTest::keyClick(&v, Qt::Key_PageDown);
    QCOMPARE(v.Mapping().z, 0.001);
    QCOMPARE(v.Mapping().sx0, 45);
    QTest::keyClick(&v, Qt::Key_Left);
    QCOMPARE(v.Mapping().sx0, 125);
    QTest::keyClick(&v, Qt::Key_Down);
    QCOMPARE(v.Mapping().sy0, -80);
}

void PelvaneViewTest::startPointToolOnlyClears() {
    ViewBench b;
    b.AddJob({Curve({{4000, 4000}, {40000, 4000}}), Curve({{4000, 8000}, {40000, 8000}})});
    CPelvaneView& v = b.Open();
    v.SetTool(3);
    b.Page().curves[1].selected = 1;
    const std::vector<Point> before = b.Page().curves[0].points;
    const ViewMapping mapping = v.Mapping();
    b.Drag(b.At(20000, 4000), b.At(30000, 20000));
    QCOMPARE(b.Selected(), std::vector<int>{});
    QCOMPARE(b.Page().curves[0].points, before);
    QCOMPARE(v.Mapping().sx0, mapping.sx0);
    QCOMPARE(v.Mapping().sy0, mapping.sy0);
    QCOMPARE(b.Page().curves.size(), std::size_t{2});
    // Ctrl keeps the selection on a press.
    b.Page().curves[1].selected = 1;
    QTest::mouseClick(&v, Qt::LeftButton, Qt::ControlModifier, b.At(20000, 4000));
    QCOMPARE(b.Selected(), std::vector<int>{1});
}

void PelvaneViewTest::panningShiftsThePictureInsteadOfPaintingItAgain() {
    ViewBench b;
    std::vector<CCurve> curves;
    for (int i = 0; i < 40; ++i) curves.push_back(Curve({{i * 2000, 0}, {i * 2000 + 1500, 60000}}, 1 + i % 2));
    b.AddJob(std::move(curves));
    CPelvaneView& v = b.Open();
    v.SetTool(0);
    v.grab();
    const int full = v.Cache().FullRenders();
    b.Drag(QPoint(400, 300), QPoint(340, 330));
    QCOMPARE(v.Mapping().sx0, 60);
    QCOMPARE(v.Mapping().sy0, -30);
    const QImage panned = v.grab().toImage();
    QCOMPARE(v.Cache().FullRenders(), full);
    QVERIFY(v.Cache().Shifts() >= 1);
    // The shifted picture is the picture painted from scratch (but for the
    // odd pixel where a line meets a strip's edge).
    ViewBench fresh;
    std::vector<CCurve> same = b.Page().curves;
    fresh.AddJob(std::move(same));
    CPelvaneView& w = fresh.Open();
    w.SetMapping(v.Mapping());
    const QImage painted = w.grab().toImage();
    int differing = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) differing += painted.pixel(x, y) != panned.pixel(x, y);
    QVERIFY2(differing < 40, qPrintable(QString::number(differing)));
    // The right button pans anywhere, with any tool.
    v.SetTool(1);
    QTest::mousePress(&v, Qt::RightButton, Qt::NoModifier, QPoint(300, 300));
    QTest::mouseMove(&v, QPoint(310, 300));
    QTest::mouseMove(&v, QPoint(320, 300));
    QTest::mouseRelease(&v, Qt::RightButton, Qt::NoModifier, QPoint(320, 300));
    QCOMPARE(v.Mapping().sx0, 40);
}

void PelvaneViewTest::showJobClampsAndReadsDeferredFiles() {
    ViewBench b;
    b.AddJob({Curve({{0, 0}, {4000, 4000}})}, "a.plt");
    COnePage& missing = b.AddJob({}, "missing.plt");
    CPelvaneView& v = b.Open();
    v.ShowJob(-3);
    QCOMPARE(v.ShownIndex(), 0);
    QCOMPARE(b.Page().listSelected, 1);
    v.ShowJob(1, true);
    QCOMPARE(v.ShownIndex(), 1);
    QCOMPARE(b.station.jobs.CurrentJobIndex, 1);
    QCOMPARE(b.Page().listSelected, 0);
    QCOMPARE(missing.listSelected, 1);
    QCOMPARE(b.messages, std::vector<std::string>{"文件打开失败!"});
    v.ShowJob(1, false);
    QCOMPARE(b.messages.size(), std::size_t{1});
    v.ShowJob(2);
    QCOMPARE(v.ShownIndex(), -1);
    QCOMPARE(b.station.jobs.CurrentJobIndex, 0);
    QVERIFY(v.ShownPage() == nullptr);
    // Nothing shown: a left press shows the job before the current one (job 0).
    QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(v.ShownIndex(), 0);

    // A deferred file that reads is read when first shown.
    QFile file(b.dir.filePath(QStringLiteral("later.plt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("IN;SP1;PU0,0;PD400,0,400,400;SP2;PU800,0;PD1600,0;");
    file.close();
    b.AddJob({}, "later.plt");
    v.ShowJob(2, true);
    QCOMPARE(b.station.jobs.JobAt(2)->curves.size(), std::size_t{2});
    QCOMPARE(b.messages.size(), std::size_t{1});
}

void PelvaneViewTest::theBandBeingPrintedIsOutlined() {
    ViewBench b;
    COnePage& job = b.AddJob({Curve({{0, 0}, {200000, 60000}})});
    job.startPosMm = 100;
    job.jobState = kJobPrinting;
    CPelvaneView& v = b.Open();
    b.station.link.bandInProgress = 3;
    v.ShowPrintingBand();
    const BandLayout layout(b.station.output.raster);
    const QImage shot = v.grab().toImage();
    const int x0 = b.At(4000 + layout.BandEndX(2), 0).x(), x1 = b.At(4000 + layout.BandEndX(3), 0).x();
    QVERIFY(x1 > x0 + 2);
    const int midY = b.At(0, 44000).y();   // clear of the grid lines
    QCOMPARE(shot.pixelColor(x0, midY), QColor(0, 200, 255));
    QCOMPARE(shot.pixelColor(x1, midY), QColor(0, 200, 255));
    QVERIFY(shot.pixelColor((x0 + x1) / 2, b.At(0, 80000).y()) == QColor(0, 200, 255));
    // A job that is not printing shows no band.
    job.jobState = kJobFinished;
    v.ShowPrintingBand();
    QVERIFY(v.grab().toImage().pixelColor(x0, midY) != QColor(0, 200, 255));
}

void PelvaneViewTest::textToolAddsTheLabelAtThePressPoint() {
    ViewBench b;
    b.AddJob({Curve({{0, 0}, {40000, 40000}})});
    CPelvaneView& v = b.Open();
    v.SetTool(4);
    CTextProp seen;
    v.SetTextPrompt([&](CTextProp& prop, int& replaced) {
        seen = prop;
        prop.text = "A";
        prop.size = 0;
        replaced = 1;
        return true;
    });
    const QPoint press = b.At(40000, 20000), release = press + QPoint(100, -100);
    b.Drag(press, release);
    const Point w = v.Mapping().ToWorld({press.x(), press.y()});
    QCOMPARE(seen.x, w.x / 40.0);
    QCOMPARE(seen.y, w.y / 40.0);
    QVERIFY(std::abs(seen.angle - 45.0) <= 0.1);
    QVERIFY(b.Page().curves.size() > 1);
    for (std::size_t i = 1; i < b.Page().curves.size(); ++i) QCOMPARE(b.Page().curves[i].kind, kDrawn);
    QCOMPARE(b.messages.size(), std::size_t{1});   // the character GB2312 could not hold
    // Cancel adds nothing.
    const std::size_t count = b.Page().curves.size();
    v.SetTextPrompt([](CTextProp&, int&) { return false; });
    b.Drag(press, release);
    QCOMPARE(b.Page().curves.size(), count);
}

QTEST_MAIN(PelvaneViewTest)
#include "pelvane_view_test.moc"
