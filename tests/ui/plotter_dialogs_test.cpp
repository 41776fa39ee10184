// The dialogs against the virtual plotter through the link's own loops:
// applied pages reach the machine's records, offline applies reach nothing,
// and a firmware file goes over as its pages.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialog_test_util.h"
#include "link/command_protocol.h"
#include "link/link_threads.h"
#include "link/machine_link.h"
#include "link/quiet_station_host.h"
#include "emulator/virtual_plotter.h"
#include "ui/dlg_firm_update.h"
#include "ui/dlg_p_adv.h"
#include "ui/dlg_p_mac.h"
#include "ui/dlg_para.h"
#include "ui/field_form.h"

using namespace pv;
using namespace pv::ui;
using pv::test::DialogAnswerer;
using pv::test::TestStation;

namespace {

constexpr std::int32_t kLoopback = 0x0100007F;   // 127.0.0.1, first part lowest

// A station linked to a virtual plotter on a free port.
struct LinkedStation {
    LinkedStation() {
        VirtualPlotterOptions o;
        o.port = 0;
        plotter = std::make_unique<VirtualPlotter>(o);
        started = plotter->Start();
        ts.station->link.status.online.store(false);
        Station& s = *ts.station;
        s.settings.Edit([](AppSettings& a) {
            a.ConnectViaEth = 1;
            a.MachineIP = kLoopback;
        });
        link = std::make_unique<MachineLink>(s.settings, s.link);
        link->eth().SetPort(plotter->port());
        protocol = std::make_unique<CommandProtocol>(link->commu(), s.settings, s.params, s.link, host);
        threads = std::make_unique<LinkThreads>(*protocol);
    }
    ~LinkedStation() {
        if (threads) threads->Stop();
    }
    Station& station() { return *ts.station; }

    TestStation ts{Edition::TwoHead, false};
    std::unique_ptr<VirtualPlotter> plotter;
    bool started = false;
    QuietStationHost host;
    std::unique_ptr<MachineLink> link;
    std::unique_ptr<CommandProtocol> protocol;
    std::unique_ptr<LinkThreads> threads;
};

QLineEdit* EditOf(ParaPage* page, const char* field) {
    const int i = page->Form()->IndexOf(field);
    return i < 0 ? nullptr : qobject_cast<QLineEdit*>(page->Form()->Widget(i));
}

}  // namespace

class PlotterDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void appliedPagesReachTheMachinesRecords();
    void offlineApplySendsNothingAndTheMachineValueComesBack();
    void firmwareFileGoesOverAsItsPages();
};

void PlotterDialogsTest::appliedPagesReachTheMachinesRecords() {
    LinkedStation ls;
    QVERIFY(ls.started);
    ls.threads->Start();
    QTRY_VERIFY_WITH_TIMEOUT(ls.station().link.status.online.load(), 10000);

    CDlgPara dialog(ls.station());
    auto* mac = dialog.Find<CDlgPMac>();
    QVERIFY(EditOf(mac, "fullCutPressure")->isEnabled());
    EditOf(mac, "fullCutPressure")->setText("99");
    EditOf(mac, "bidirCorrection")->setText("2.01");
    auto* adv = dialog.Find<CDlgPAdv>();
    EditOf(adv, "cutMaxSpeed")->setText("321");
    DialogAnswerer answers;
    QVERIFY(mac->Apply());
    QVERIFY(adv->Apply());
    QTRY_COMPARE_WITH_TIMEOUT(int(ls.plotter->machine().Params().machine.fullCutPressure), 99, 10000);
    QCOMPARE(int(ls.plotter->machine().Params().machine.bidirCorrection), 200);
    QTRY_COMPARE_WITH_TIMEOUT(int(ls.plotter->machine().Params().adv.cutMaxSpeed), 321, 10000);
    QCOMPARE(answers.messages, QStringList{});
}

void PlotterDialogsTest::offlineApplySendsNothingAndTheMachineValueComesBack() {
    LinkedStation ls;
    QVERIFY(ls.started);
    CDlgPara dialog(ls.station());
    auto* adv = dialog.Find<CDlgPAdv>();
    adv->SetPasswordPrompt([] { return QString("917"); });
    adv->Unlock();
    EditOf(adv, "cutMaxSpeed")->setText("333");
    DialogAnswerer answers;
    QVERIFY(adv->Apply());
    QCOMPARE(answers.messages, QStringList{"脱机状态无法保存参数"});
    QCOMPARE(ls.station().params.Get().adv.cutMaxSpeed, 333);
    QCOMPARE(ls.station().link.queue.Count(), 0);

    // The connection replaces the copy with the machine's own record.
    ls.threads->Start();
    QTRY_VERIFY_WITH_TIMEOUT(ls.station().link.status.online.load(), 10000);
    QCOMPARE(ls.station().params.Get().adv.cutMaxSpeed, 200);
    QCOMPARE(int(ls.plotter->machine().Params().adv.cutMaxSpeed), 200);
}

void PlotterDialogsTest::firmwareFileGoesOverAsItsPages() {
    LinkedStation ls;
    QVERIFY(ls.started);
    QTemporaryDir dir;
    const QString path = dir.filePath("board.kxfw");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray image(40961, '\x5A');
    file.write(image);
    file.close();

    CDlgFirmUpdate dialog(ls.link->commu(), 1);
    dialog.SetFilePicker([&] { return path; });
    dialog.Select();
    QCOMPARE(dialog.pathField()->text(), path);
    dialog.Upgrade();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.Running(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.list()->count() > 0 &&
                                 dialog.list()->item(dialog.list()->count() - 1)->text().endsWith("Updating, 100%..."),
                             5000);
    const PlotterFirmware fw = ls.plotter->machine().Firmware();
    QCOMPARE(fw.pagesAnnounced, 21);
    QCOMPARE(fw.data.size(), std::size_t(21 * 2048));
    QCOMPARE(fw.data[40960], std::uint8_t(0x5A));
    QCOMPARE(fw.data[40961], std::uint8_t(0xFF));
    QVERIFY(fw.ended);
    // The dialog can start the next update.
    QVERIFY(dialog.upgradeButton()->isEnabled());
}

QTEST_MAIN(PlotterDialogsTest)
#include "plotter_dialogs_test.moc"
