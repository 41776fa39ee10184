// The training plotter of the window: choosing it starts the built-in
// virtual plotter and routes the link to it, a print reaches it and its
// pane shows the ink and the knife path of that job, and choosing Ethernet
// again ends it and sends the link back to the configured machine.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_frame.h"
#include "app/main_menu.h"
#include "app/training_dock.h"
#include "app/training_plotter.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "common/modal_util.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"
#include "ui/training_plotter_view.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

namespace {

struct Window {
    explicit Window(Edition edition) : ws(edition, host) {
        AppSettings settings = ws.station.settings.Get();
        InitProgramPaths(settings, home.path().toStdString());
        LoadSettings(settings);
        settings.ConnectViaEth = 1;
        settings.MachineIP = 0x0B00000A;   // 10.0.0.11: no machine answers there
        ws.station.settings.Set(settings);
        frame = std::make_unique<CMainFrame>(ws, host, "(1)10.0.0.5 ");
        frame->SetCloseGrace(50);
        frame->training().SetSpeed(0);
        frame->resize(1000, 700);
    }
    QTemporaryDir home;
    WindowHost host;
    WindowStation ws;
    std::unique_ptr<CMainFrame> frame;
};

bool AnyInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

}  // namespace

class TrainingPlotterTest : public QObject {
    Q_OBJECT
private slots:
    void printsOnTheTrainingPlotterAndGoesBack_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("ethernet");
        QTest::newRow("two heads") << static_cast<int>(Edition::TwoHead) << static_cast<int>(kCmdEthernet);
        QTest::newRow("four heads") << static_cast<int>(Edition::FourHead) << static_cast<int>(kCmdEthernet4);
    }
    void printsOnTheTrainingPlotterAndGoesBack() {
        QFETCH(int, edition);
        QFETCH(int, ethernet);
        Window w(static_cast<Edition>(edition));
        test::ModalAnswerer answer;
        w.frame->show();
        MainMenu& menu = *w.frame->menu();
        QVERIFY(!w.frame->training().running());   // never on at start
        w.frame->OnCommand(kCmdVirtualPlotter);
        QVERIFY(w.frame->training().running());
        QVERIFY(menu.Action(kCmdVirtualPlotter)->isChecked());
        QVERIFY(!menu.Action(ethernet)->isChecked());
        QVERIFY(w.ws.link.RoutedToLoopback());
        QCOMPARE(w.ws.station.settings.Read([](const AppSettings& a) { return a.MachineIP; }), 0x0B00000A);
        QTRY_VERIFY_WITH_TIMEOUT(w.ws.station.link.status.online.load(), 20000);

        QTRY_VERIFY_WITH_TIMEOUT(w.ws.station.link.status.state.load() == kStateReady, 20000);
        QVERIFY(w.ws.station.AddFile(PV_SOURCE_DIR "/resources/TestPlt/10x10.plt"));
        w.ws.station.jobs.CurrentJobIndex = 0;
        w.frame->OnCommand(kCmdStart);
        QVERIFY(w.ws.station.link.printThread.load());
        TrainingPlotterView* view = w.frame->training().view();
        QTRY_VERIFY_WITH_TIMEOUT(view->picture().ended && view->picture().jobNumber == 1, 60000);
        const TrainingPicture& t = view->picture();
        QCOMPARE(t.ending, QString("complete"));
        QVERIFY(t.bands > 0);
        QVERIFY(AnyInk(t.ink));
        // The knife square is 10 mm a side (millimetres from motor pulses;
        // a short knife-down stroke of a millimetre may come first).
        QVERIFY(!t.cuts.empty());
        QRectF cut;
        for (const QPolygonF& c : t.cuts)
            if (const QRectF r = c.boundingRect(); std::max(r.width(), r.height()) > 2) cut = cut.united(r);
        QVERIFY2(qAbs(cut.width() - 10) < 1.5 && qAbs(cut.height() - 10) < 1.5,
                 qPrintable(QString("%1 x %2").arg(cut.width()).arg(cut.height())));
        QVERIFY(t.cutBoundsMm.contains(cut));

        const std::uint16_t port = w.frame->training().plotter()->port();
        QVERIFY(port != 0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.ws.station.link.printThread.load(), 20000);
        w.frame->OnCommand(ethernet);
        QVERIFY(!w.frame->training().running());
        QVERIFY(!w.ws.link.RoutedToLoopback());
        QVERIFY(menu.Action(ethernet)->isChecked());
        QVERIFY(!menu.Action(kCmdVirtualPlotter)->isChecked());
        QVERIFY(!w.frame->training().dock()->isVisible());
        QCOMPARE(w.ws.link.eth().port(), Info(static_cast<Edition>(edition)).tcpPort);
    }

    void closingTheWindowEndsTheTrainingPlotter() {
        Window w(Edition::TwoHead);
        w.frame->show();
        w.frame->OnCommand(kCmdVirtualPlotter);
        QVERIFY(w.frame->training().running());
        QTRY_VERIFY_WITH_TIMEOUT(w.ws.station.link.status.online.load(), 20000);
        QVERIFY(w.frame->close());
        QVERIFY(!w.frame->training().running());
    }
};

QTEST_MAIN(TrainingPlotterTest)
#include "training_plotter_test.moc"
