// The main window on its station: command routing to the window's handlers,
// the link messages, files dropped onto it, a damaged task file, and closing
// while a link thread waits in a message to it.
#include <QMimeData>
#include <QLineEdit>
#include <QSplitter>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <atomic>
#include <csignal>
#include <fstream>
#include <thread>

#include "app/dialog_commands.h"
#include "app/main_frame.h"
#include "app/main_menu.h"
#include "app/pelvane_doc.h"
#include "app/termination_signals.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "common/modal_util.h"
#include "settings/settings_store.h"
#include "ui/command_ids.h"
#include "ui/dlg_set_eth.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"
#include "ui/pelvane_view.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

namespace {

// A window on an offline station whose program directory is a scratch folder.
struct Window {
    explicit Window(Edition edition = Edition::TwoHead) : ws(edition, host) {
        AppSettings settings = ws.station.settings.Get();
        InitProgramPaths(settings, home.path().toStdString());
        LoadSettings(settings);
        ws.station.settings.Set(settings);
        frame = std::make_unique<CMainFrame>(ws, host, "(1)10.0.0.5 ");
        frame->SetCloseGrace(50);
        frame->resize(1000, 700);
    }
    QTemporaryDir home;
    WindowHost host;
    WindowStation ws;
    std::unique_ptr<CMainFrame> frame;
};

std::int32_t Setting(const Window& w, std::int32_t AppSettings::*field) {
    return w.ws.station.settings.Read([field](const AppSettings& a) { return a.*field; });
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void transportCommandsSwitchAndReadParametersAgain() {
        Window w;
        w.frame->OnCommand(kCmdEthernet);
        QCOMPARE(Setting(w, &AppSettings::ConnectViaEth), 1);
        QVERIFY(!w.ws.station.link.status.online.load());
        QVERIFY(w.frame->menu()->Action(kCmdEthernet)->isChecked());
        QVERIFY(!w.frame->menu()->Action(kCmdUsb)->isChecked());
        w.frame->OnCommand(kCmdUsb);
        QCOMPARE(Setting(w, &AppSettings::ConnectViaEth), 0);
        QVERIFY(w.frame->menu()->Action(kCmdUsb)->isChecked());
    }

    void fourHeadMenuCarriesItsOwnIds() {
        Window w(Edition::FourHead);
        for (int id : {kCmdPltUnit4, kCmdUsb4, kCmdEthernet4, kCmdFirmware4})
            QVERIFY2(w.frame->menu()->Action(id), qPrintable(QString::number(id)));
        for (int id : {kCmdTestPattern10, kCmdInkStatistics, kCmdUsb, kCmdLangPolish})
            QVERIFY2(!w.frame->menu()->Action(id), qPrintable(QString::number(id)));
        w.frame->OnCommand(kCmdEthernet4);
        QCOMPARE(Setting(w, &AppSettings::ConnectViaEth), 1);
    }

    void choosingTheCurrentLanguageDoesNothing() {
        Window w;
        w.frame->show();
        w.frame->OnCommand(kCmdLangChinese);
        QVERIFY(w.frame->isVisible());
        QVERIFY(w.frame->menu()->Action(kCmdLangChinese)->isChecked());
    }

    void anotherLanguageIsStoredAnnouncedAndCloses() {
        Window w;
        w.frame->show();
        test::ModalAnswerer answer;
        w.frame->OnCommand(kCmdLangUkrainian);
        QCOMPARE(Setting(w, &AppSettings::Language), 3);
        QVERIFY(answer.WaitForBoxes(1));
        QCOMPARE(answer.boxTexts.last(), QString("You Changed the language settings,please restart the Application"));
        QTRY_VERIFY(!w.frame->isVisible());
    }

    void titleFollowsEditionAndLanguage() {
        Window two;
        QCOMPARE(two.frame->windowTitle(), QString::fromUtf8("喷切一体机输出中心V4.5"));
        Window four(Edition::FourHead);
        four.ws.station.settings.Edit([](AppSettings& a) { a.Language = 1; });
        four.frame->UpdateTitle();
        QCOMPARE(four.frame->windowTitle(), QString("K2P1_4P V4.6"));
    }

    void automaticStartOffClearsTheBox() {
        Window w;
        w.ws.station.settings.Edit([](AppSettings& a) { a.AutoStart = 1; });
        w.host.AutoStartOff();   // the message, as a link thread sends it
        QCOMPARE(Setting(w, &AppSettings::AutoStart), 0);
        auto* box = qobject_cast<QToolButton*>(w.frame->bar()->ControlWidget(kCtlAutoStart));
        QVERIFY(!box->isChecked());
    }

    void droppedFilesAreAddedAsJobs() {
        Window w;
        QTemporaryDir other;
        const QString junk = other.filePath("junk.plt");
        std::ofstream(junk.toStdString()) << "this is no drawing";
        test::ModalAnswerer answer;
        w.frame->AddDroppedFiles({QUrl::fromLocalFile(PV_SOURCE_DIR "/resources/TestPlt/20x20.plt"),
                                  QUrl("https://example.invalid/a.plt"), QUrl::fromLocalFile(junk),
                                  QUrl::fromLocalFile(PV_SOURCE_DIR "/resources/TestPlt/30x30.plt")});
        QCOMPARE(w.ws.station.jobs.Count(), 2);
    }

    void damagedTaskFileKeepsTheQueue() {
        Window w;
        QVERIFY(w.ws.station.AddFile(PV_SOURCE_DIR "/resources/TestPlt/10x10.plt"));
        const QString junk = w.home.filePath("junk.pvtask");
        std::ofstream(junk.toStdString()) << "\x01\x00\xff\xff\x01\x00\x03\x00XYZ";
        test::ModalAnswerer answer;
        QVERIFY(!w.frame->doc().Open(junk));
        QCOMPARE(answer.boxTexts.size(), 1);
        QCOMPARE(w.ws.station.jobs.Count(), 1);
        QVERIFY(!w.frame->doc().Open(w.home.filePath("missing.pvtask")));
        QCOMPARE(answer.boxTexts.last(), QString::fromUtf8("打开文档失败。"));
    }

    void taskFileRoundTripsTheQueue() {
        Window w;
        QVERIFY(w.ws.station.AddFile(PV_SOURCE_DIR "/resources/TestPlt/10x10.plt"));
        QVERIFY(w.ws.station.AddFile(PV_SOURCE_DIR "/resources/TestPlt/50x50.plt"));
        const QString path = w.home.filePath("queue.pvtask");
        QVERIFY(w.frame->doc().Save(path));
        w.ws.station.jobs.ClearAllJobs();
        QVERIFY(w.frame->doc().Open(path));
        QCOMPARE(w.ws.station.jobs.Count(), 2);
    }

    void closingDoesNotDeadlockOnAWaitingLinkThread() {
        Window w;
        w.frame->show();
        // Stands for a link thread: it keeps sending messages, so one of them
        // is waiting on the window when the window closes and joins threads.
        std::atomic<bool> run{true};
        std::atomic<int> sent{0};
        std::thread sender([&] {
            while (run.load()) {
                w.host.RedrawList();
                ++sent;
            }
        });
        QTRY_VERIFY(sent.load() > 3);
        QVERIFY(w.frame->close());
        QVERIFY(w.ws.station.link.stopRequested.load());
        // After the close every message returns at once.
        const int before = sent.load();
        QTRY_VERIFY(sent.load() > before + 100);
        run.store(false);
        sender.join();
    }

    // Closing while a print runs asks first, in the operator's language.
    void closingDuringAPrintAsksInEnglish() {
        Window w;
        w.ws.station.settings.Edit([](AppSettings& a) { a.Language = 1; });
        w.frame->show();
        w.ws.station.link.printThread.store(true);
        test::ModalAnswerer answer;
        answer.boxButton = QMessageBox::Cancel;
        QVERIFY(!w.frame->close());
        QVERIFY(w.frame->isVisible());
        QCOMPARE(answer.boxTitles.size(), 1);
        QCOMPARE(answer.boxTitles.last(), QString("Prompt"));
        QVERIFY2(answer.boxTexts.last().startsWith("The machine is running"), qPrintable(answer.boxTexts.last()));
        w.ws.station.link.printThread.store(false);
    }

    // With no notification area on the desktop, Hide minimises the window
    // to the task bar; it never makes it vanish.
    void hideWithoutATrayMinimises() {
        if (QSystemTrayIcon::isSystemTrayAvailable()) QSKIP("this desktop has a notification area");
        Window w;
        w.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frame.get()));
        w.frame->OnCommand(kCmdHide);
        QVERIFY(w.frame->isVisible());
        QTRY_VERIFY(w.frame->isMinimized());
    }

    // Page Up and Page Down zoom the drawing wherever the focus is, also in
    // the job list.
    void pageKeysZoomFromTheList() {
        Window w;
        w.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.frame.get()));
        w.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.frame.get()));
        const double z = w.frame->view()->Mapping().z;
        w.frame->list()->setFocus();
        QTest::keyClick(w.frame->list(), Qt::Key_PageUp);
        QCOMPARE(w.frame->view()->Mapping().z, 2 * z);
        QTest::keyClick(w.frame->list(), Qt::Key_PageDown);
        QCOMPARE(w.frame->view()->Mapping().z, z);
    }

    // The status bar's local addresses and the network dialog's list are
    // the same list in the same order.
    void localAddressesAgreeWithTheNetworkDialog() {
        Window w;
        const QString text = LocalAddressText();
        QString composed;
        const QStringList list = LocalAddressList();
        for (int i = 0; i < list.size(); ++i) composed += QStringLiteral("(%1)%2 ").arg(i + 1).arg(list[i]);
        QCOMPARE(text, composed);
        CDlgSetEth dialog(w.ws.station, list);
        bool shown = false;
        for (QLineEdit* e : dialog.findChildren<QLineEdit*>()) shown |= e->text() == text;
        QVERIFY2(shown || text.isEmpty(), qPrintable(text));
    }

    // A termination signal closes the window as the operator's close does,
    // without the question a running print would ask (nobody is there).
    void terminationSignalClosesWithoutAsking() {
        Window w;
        w.frame->show();
        TerminationSignals terminations;
        QVERIFY(terminations.installed());
        QObject::connect(&terminations, &TerminationSignals::requested, w.frame.get(), &CMainFrame::CloseWithoutAsking);
        w.ws.station.link.printThread.store(true);   // as while a print runs
        test::ModalAnswerer answer;
        answer.boxButton = QMessageBox::Cancel;      // the question, were it asked, would keep the window
        QVERIFY(std::raise(SIGTERM) == 0);
        QTRY_VERIFY(!w.frame->isVisible());
        QVERIFY(answer.boxTexts.isEmpty());
        QVERIFY(w.ws.station.link.stopRequested.load());
        w.ws.station.link.printThread.store(false);
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
