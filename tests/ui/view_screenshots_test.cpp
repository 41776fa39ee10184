// Pictures of the view over a full-size garment marker: at fit zoom, zoomed
// in with a selection and its direction arrows, and while a band prints.
// With PV_SCREENSHOT_DIR set they are saved there as PNG files.
#include <QDir>
#include <QTest>

#include "../bench/marker_fixture.h"
#include "view_test_fixture.h"

using namespace pv;
using namespace pv::ui;
using pv::test::ViewBench;

namespace {

void Save(const QImage& image, const char* name) {
    const QByteArray dir = qgetenv("PV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    QVERIFY(image.save(QString::fromLocal8Bit(dir) + "/" + name));
}

int CountColour(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

class ViewScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void garmentMarker();
    void shirtSampleWithASelection();
};

void ViewScreenshotsTest::garmentMarker() {
    ViewBench b;
    COnePage marker = bench::GarmentMarker();
    COnePage& job = b.AddJob(std::move(marker.curves), "marker.plt");
    b.station.settings.Edit([](AppSettings& s) { s.PaperLenMm = 2000; });
    CPelvaneView& v = b.Open();
    v.resize(1200, 660);
    const QImage fit = v.grab().toImage();
    QVERIFY(CountColour(fit, QColor(255, 0, 0)) > 1000);
    QVERIFY(CountColour(fit, QColor(255, 255, 255)) > 1000);
    Save(fit, "view_fit.png");

    // Zoomed in on the corner piece, two outlines and a sewing line selected.
    v.SetTool(1);
    for (int i = 0; i < 3; ++i) QTest::keyClick(&v, Qt::Key_PageUp);
    const QPoint from = b.At(200, 200), to = b.At(8500, 10000);
    b.Drag(QPoint(from.x(), to.y()), QPoint(to.x(), from.y()));
    QVERIFY(job.anySelected != 0);
    const QImage zoomed = v.grab().toImage();
    Save(zoomed, "view_zoomed_selection.png");

    // While the job prints, band 12 is outlined.
    v.Fit();
    job.jobState = kJobPrinting;
    b.station.link.bandInProgress = 12;
    v.ShowPrintingBand();
    const QImage printing = v.grab().toImage();
    QVERIFY(CountColour(printing, QColor(0, 200, 255)) > 500);
    Save(printing, "view_printing_band.png");
}

void ViewScreenshotsTest::shirtSampleWithASelection() {
    ViewBench b;
    QVERIFY(b.station.AddFile(PV_SOURCE_DIR "/resources/samples/shirt.plt"));
    CPelvaneView& v = b.Open();
    v.resize(1000, 500);
    QTest::keyClick(&v, Qt::Key_PageUp);
    // Select everything cut, then the drawn lines of the first piece by a band.
    for (CCurve& c : b.Page().curves) c.selected = c.kind >= kFullCut ? 1 : 0;
    b.Page().curves.back().selected = 1;
    v.Redraw();
    const QImage shot = v.grab().toImage();
    QVERIFY(CountColour(shot, QColor(255, 0, 0)) > 200);
    Save(shot, "view_shirt_selection.png");
}

QTEST_MAIN(ViewScreenshotsTest)
#include "view_screenshots_test.moc"
