// The one current job of the window: every route that makes a job current
// (a click in the list, Up or Down, a queued or automatic-folder start, the
// end of a copy, the removals, Add, a folder scan, undo) leaves the list's
// marked row, the view's page and what Start prints on the same job.
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <ctime>
#include <functional>
#include <string>
#include <thread>

#include "app/file_commands.h"
#include "app/main_frame.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "common/modal_util.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"
#include "ui/pelvane_view.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

namespace {

const std::string kPatterns = PV_SOURCE_DIR "/resources/TestPlt/";

// Stands for the machine link: takes every print at once and remembers the
// file of the page it was given.
class RecordingStarter : public PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(OutputStation& station) override {
        printed = station.PrintPage.fileName;
        return true;
    }
    std::string printed;
};

// A window on a ready machine whose link loops have been stopped, so that
// only the test moves the queue: opened jobs "10x10.plt" and "20x20.plt",
// then the automatic-folder job "30x30.plt", its drawing not read yet.
struct Window {
    Window() : ws(Edition::TwoHead, host) {
        AppSettings settings = ws.station.settings.Get();
        InitProgramPaths(settings, home.path().toStdString());
        LoadSettings(settings);
        settings.UnitNoHintNextTime = 1;
        ws.station.settings.Set(settings);
        frame = std::make_unique<CMainFrame>(ws, host, "(1)10.0.0.5 ");
        frame->SetCloseGrace(10);
        frame->resize(1000, 700);
        // A loop may be waiting in a message to the window while it is
        // stopped: the window keeps answering until all three have ended.
        std::atomic<bool> stopped{false};
        std::thread stopper([&] {
            ws.threads.Stop();
            stopped.store(true);
        });
        while (!stopped.load()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        stopper.join();
        ws.station.link.stopRequested.store(false);
        ws.station.link.status.state.store(kStateReady);
        ws.station.printStarter = &starter;
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        Add("10x10.plt");
        Add("20x20.plt");
        // The folders' jobs lose their files when removed: copies only.
        QVERIFY(QDir(home.path()).mkpath("DirAuto") && QDir(home.path()).mkpath("DirMan"));
        QVERIFY(QFile::copy(QString::fromStdString(kPatterns + "30x30.plt"), home.filePath("DirAuto/30x30.plt")));
        // A file is taken on the second scan that finds it unchanged.
        frame->OnScanAutoDirectory();
        frame->OnScanAutoDirectory();
        QCOMPARE(ws.station.jobs.Count(), 3);
        Click(0);
    }
    ~Window() { ws.station.printStarter = nullptr; }

    void Add(const char* name) { frame->files().AddPath(QString::fromStdString(kPatterns + name), false); }
    COnePage& Job(int index) { return *ws.station.jobs.JobAt(index); }
    // A left click on a row of the list.
    void Click(int row) {
        CMyListView* list = frame->list();
        list->RefreshJobList();
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Down pressed and released in the list.
    void Down() {
        CMyListView* list = frame->list();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }
    // What Start prints now ("" for nothing).
    std::string Start() {
        starter.printed.clear();
        frame->OnCommand(kCmdStart);
        return starter.printed;
    }

    QTemporaryDir home;
    WindowHost host;
    WindowStation ws;
    RecordingStarter starter;
    std::unique_ptr<CMainFrame> frame;
};

struct Route {
    const char* name;
    std::function<void(Window&)> act;
    int index;             // CurrentJobIndex afterwards
    const char* shown;     // the view's page ("" none)
    bool drawing;          // the shown page has its drawing
    const char* printed;   // what Start prints ("" nothing)
};

}  // namespace

class CurrentJobTest : public QObject {
    Q_OBJECT
private slots:
    void everyRouteShowsWhatStartPrints() {
        test::ModalAnswerer answer;
        const Route routes[] = {
            {"a click in the list", [](Window& w) { w.Click(1); }, 1, "20x20.plt", true, "20x20.plt"},
            {"Down onto a job not read yet shows an empty page for it",
             [](Window& w) { w.Click(1); w.Down(); }, 2, "30x30.plt", false, "30x30.plt"},
            {"a queued job starts while another is shown",
             [](Window& w) {
                 w.Job(1).queued = 1;
                 w.frame->OnRefresh();
             },
             1, "20x20.plt", true, "20x20.plt"},
            {"an automatic-folder job starts while another is shown",
             [](Window& w) {
                 w.ws.station.settings.Edit([](AppSettings& a) { a.AutoStart = 1; });
                 w.frame->OnRefresh();
             },
             2, "30x30.plt", true, "30x30.plt"},
            {"the last copy ends: back to the first job",
             [](Window& w) {
                 w.Click(1);
                 w.Job(1).jobState = kJobPrinting;
                 w.frame->OnPrintFinished(1);
             },
             0, "10x10.plt", true, "10x10.plt"},
            {"a copy ends and the next one starts: its job stays shown",
             [](Window& w) {
                 w.Job(1).copies = 2;
                 w.Job(1).jobState = kJobPrinting;
                 w.frame->OnPrintFinished(1);
             },
             1, "20x20.plt", true, "20x20.plt"},
            {"Delete removes the shown job",
             [](Window& w) {
                 w.Click(1);
                 w.frame->OnCommand(kCmdDeleteJobs);
             },
             0, "10x10.plt", true, "10x10.plt"},
            {"finished jobs removed (AutoDelFinish)",
             [](Window& w) {
                 w.Click(1);
                 w.Job(0).copies = 0;
                 w.host.RemoveFinishedJobs();
             },
             0, "20x20.plt", true, "20x20.plt"},
            {"every job removed: nothing shown, nothing printed",
             [](Window& w) {
                 for (int i = 0; i < 3; ++i) w.Job(i).copies = 0;
                 w.Click(2);
                 w.frame->OnRemoveFinishedJobs();
             },
             0, "", false, ""},
            {"an added file becomes current and is shown",
             [](Window& w) { w.Add("50x50.plt"); }, 2, "50x50.plt", true, "50x50.plt"},
            {"a file dropped on the window likewise",
             [](Window& w) {
                 w.frame->AddDroppedFiles({QUrl::fromLocalFile(QString::fromStdString(kPatterns + "40x40.plt"))});
             },
             2, "40x40.plt", true, "40x40.plt"},
            {"a manual-folder scan puts a row before the shown job: the job stays current",
             [](Window& w) {
                 w.Click(2);
                 QFile::copy(QString::fromStdString(kPatterns + "100x100.plt"), w.home.filePath("DirMan/a.plt"));
                 w.frame->OnScanManualDirectory();
                 w.frame->OnScanManualDirectory();
             },
             3, "30x30.plt", true, "30x30.plt"},
        };
        for (const Route& r : routes) {
            Window w;
            r.act(w);
            const QString what = QString::fromUtf8(r.name);
            QCOMPARE_EQ_MSG(w, r, what);
        }
    }

    // A queued job that starts while another job is shown is shown itself,
    // and the band the machine is printing is outlined on it.  With
    // PV_SCREENSHOT_DIR set the window is saved there at 1280 × 800 as
    // pelvane-queued-printing.png (docs/screenshots).
    void theStartedJobsBandIsOutlined() {
        test::ModalAnswerer answer;
        Window w;
        const QString out = qEnvironmentVariable("PV_SCREENSHOT_DIR");
        if (!out.isEmpty()) w.frame->resize(1280, 800);
        w.frame->files().AddPath(PV_SOURCE_DIR "/resources/samples/shirt.plt", false);
        w.Click(0);
        w.Job(2).queued = 1;
        w.frame->OnRefresh();
        QCOMPARE(w.frame->view()->ShownPage(), &w.Job(2));
        w.ws.station.output.BandCount = 4;
        w.ws.station.link.bandInProgress.store(1);
        w.ws.station.link.status.state.store(kStateWorking);
        w.frame->OnBandSent();
        const QImage picture = w.frame->view()->grab().toImage();
        int band = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) band += picture.pixelColor(x, y) == QColor(0, 200, 255);
        QVERIFY2(band > 50, qPrintable(QString::number(band)));
        if (out.isEmpty()) return;
        QDir().mkpath(out);
        QVERIFY(w.frame->grab().toImage().save(out + "/pelvane-queued-printing.png"));
    }

    // A file added by hand is dated by the moment it was added, not by the
    // file's own time.
    void anAddedJobIsDatedNow() {
        test::ModalAnswerer answer;
        Window w;
        const auto now = static_cast<std::int64_t>(std::time(nullptr));
        QVERIFY2(std::abs(w.Job(0).fileTime - now) < 120, qPrintable(QString::number(w.Job(0).fileTime)));
    }

private:
    static void QCOMPARE_EQ_MSG(Window& w, const Route& r, const QString& what) {
        JobList& jobs = w.ws.station.jobs;
        const COnePage* shown = w.frame->view()->ShownPage();
        const std::string shownName = shown ? shown->fileName : "";
        const int curves = shown ? int(shown->curves.size()) : -1;
        const std::vector<int> marked = w.frame->list()->SelectedRows();
        const std::string printed = w.Start();
        const QString got = QStringLiteral("%1: index %2, view \"%3\" (%4 curves), list row %5, Start \"%6\"")
                                .arg(what)
                                .arg(jobs.CurrentJobIndex)
                                .arg(QString::fromStdString(shownName))
                                .arg(curves)
                                .arg(marked.empty() ? -1 : marked.front())
                                .arg(QString::fromStdString(printed));
        QVERIFY2(jobs.CurrentJobIndex == r.index, qPrintable(got));
        QVERIFY2(shownName == r.shown, qPrintable(got));
        QVERIFY2(!shown || (curves > 0) == r.drawing, qPrintable(got));
        QVERIFY2(printed == r.printed, qPrintable(got));
        if (shown) QVERIFY2(marked.size() == 1 && marked.front() == r.index, qPrintable(got));
    }
};

QTEST_MAIN(CurrentJobTest)
#include "current_job_test.moc"
