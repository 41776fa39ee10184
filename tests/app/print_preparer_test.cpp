// The window prepares a print with its heavy steps on a worker thread: its
// event loop keeps turning meanwhile, the link threads' messages wait until
// the preparation is done (nothing may change the job list under it), and a
// window that begins closing meanwhile starts nothing.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

#include "app/print_preparer.h"
#include "app/window_host.h"
#include "common/wait_for.h"
#include "jobs/station.h"

using namespace pv;
using namespace pv::app;

namespace {

struct CountingHandlers : HostHandlers {
    std::atomic<int> refreshes{0};
    void OnPrintFinished(int) override {}
    void OnBandSent() override {}
    void OnRefresh() override { ++refreshes; }
    void OnSaveSettings() override {}
    void OnScanManualDirectory() override {}
    void OnScanAutoDirectory() override {}
    void OnRemoveFinishedJobs() override {}
    void OnRedrawList() override {}
    void OnAutoStartOff() override {}
    void OnMessage(const std::string&) override {}
};

struct Setup {
    Setup() { host.Attach(&receiver, &handlers); }
    QObject receiver;
    CountingHandlers handlers;
    WindowHost host;
    Station station{Edition::TwoHead};
    PrintPreparer preparer{station, host, nullptr};
};

}  // namespace

class PrintPreparerTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowKeepsAnsweringWhileTheWorkRuns() {
        Setup s;
        std::atomic<int> ticks{0};
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(5);
        std::thread::id workThread;
        bool sawTicks = false;
        const bool ran = s.preparer.Run([&] {
            workThread = std::this_thread::get_id();
            sawTicks = test::WaitFor([&] { return ticks.load() >= 5; });
        });
        QVERIFY(ran);
        QVERIFY(sawTicks);
        QVERIFY(workThread != std::this_thread::get_id());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void linkMessagesWaitUntilThePreparationIsDone() {
        Setup s;
        std::atomic<bool> sending{false};
        std::thread link;
        int refreshesDuringWork = -1;
        QVERIFY(s.preparer.Run([&] {
            link = std::thread([&] {
                sending = true;
                s.host.Refresh();   // blocks until the window has handled it
            });
            test::WaitFor([&] { return sending.load(); });
            // Long enough for the window to have answered a message it had
            // not held back.
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            refreshesDuringWork = s.handlers.refreshes.load();
        }));
        QCOMPARE(refreshesDuringWork, 0);
        QTRY_COMPARE(s.handlers.refreshes.load(), 1);
        link.join();
    }

    void aClosingWindowAbandonsThePreparation() {
        Setup s;
        QVERIFY(!s.preparer.Run([&] { s.host.BeginClose(); }));
        Setup t;
        QVERIFY(!t.preparer.Run([&] { t.station.link.stopRequested.store(true); }));
        // Once closing, nothing more is prepared.
        bool ran = false;
        QVERIFY(!s.preparer.Run([&] { ran = true; }));
        QVERIFY(!ran);
    }
};

QTEST_MAIN(PrintPreparerTest)
#include "print_preparer_test.moc"
