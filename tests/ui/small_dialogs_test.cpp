// The ink statistics, offset, network and firmware dialogs on a station
// without a machine behind it.
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "dialog_test_util.h"
#include "link/firmware_menu.h"
#include "link/machine_link.h"
#include "ui/dialog_messages.h"
#include "ui/dlg_firm_update.h"
#include "ui/dlg_ivs.h"
#include "ui/dlg_offset.h"
#include "ui/dlg_set_eth.h"

using namespace pv;
using namespace pv::ui;
using pv::test::DrainQueue;
using pv::test::DialogAnswerer;
using pv::test::TestStation;

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void inkFiguresShowAndStoreTheDropCounts();
    void inkResetTakesEffectOnlyWithOk();
    void inkFieldsOutOfRangeStoreNothing();
    void offsetOfflineStaysOpenOnlineSends();
    void networkAddressStoredOfflineQueuedOnline();
    void networkListsThisComputersAddresses();
    void firmwareListKeepsTheLastSixteenLines();
    void firmwareMenuAnswersInOrder();
    void aShortMessageShowsItsWholeCaption();
};

void SmallDialogsTest::inkFiguresShowAndStoreTheDropCounts() {
    TestStation ts(Edition::TwoHead);
    ts->settings.Edit([](AppSettings& s) { s.DropCountIB1 = 200'000'000; });   // 1 mL
    ts->settings.Edit([&](AppSettings& s) { s.DropCountIB2 = 3; });
    CDlgIVS dialog(*ts);
    QCOMPARE(dialog.usedEdit(0)->text(), QString("1"));
    QCOMPARE(dialog.usedEdit(1)->text(), QString("1.5e-08"));
    QCOMPARE(dialog.capacityEdit()->text(), QString("40"));
    QVERIFY(!dialog.showCheck()->isChecked());
    // Untouched, 3 drops go back as 2: the product is just below 3.
    QVERIFY(dialog.Store());
    QCOMPARE(ts.S().DropCountIB1, 200'000'000);
    QCOMPARE(ts.S().DropCountIB2, 2);

    dialog.usedEdit(1)->setText("12.5");
    dialog.capacityEdit()->setText("42");
    dialog.showCheck()->setChecked(true);
    QVERIFY(dialog.Store());
    QCOMPARE(ts.S().DropCountIB2, 2'500'000'000LL);
    QCOMPARE(ts.S().InkSum_mL, 42);
    QCOMPARE(ts.S().EnableInkVolumStatistic, 1);
}

void SmallDialogsTest::inkResetTakesEffectOnlyWithOk() {
    TestStation ts(Edition::TwoHead);
    ts->settings.Edit([](AppSettings& s) { s.DropCountIB1 = 5'000'000'000LL; });   // beyond 32 bits
    {
        CDlgIVS dialog(*ts);
        QTimer::singleShot(0, &dialog, [&] {
            dialog.resetButton(0)->click();
            QCOMPARE(dialog.usedEdit(0)->text(), QString("0"));
            dialog.cancelButton()->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(ts.S().DropCountIB1, 5'000'000'000LL);
    }
    CDlgIVS dialog(*ts);
    QTimer::singleShot(0, &dialog, [&] {
        dialog.resetButton(0)->click();
        dialog.okButton()->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(ts.S().DropCountIB1, 0);
}

void SmallDialogsTest::inkFieldsOutOfRangeStoreNothing() {
    TestStation ts(Edition::TwoHead);
    ts->settings.Edit([&](AppSettings& s) { s.DropCountIB1 = 7; });
    CDlgIVS dialog(*ts);
    dialog.usedEdit(0)->setText("0");
    dialog.capacityEdit()->setText("1001");
    DialogAnswerer answers;
    QVERIFY(!dialog.Store());
    QCOMPARE(answers.messages, QStringList{"请输入一个 0 至 1000 之间的整数。"});
    QCOMPARE(dialog.focusWidget(), dialog.capacityEdit());
    QCOMPARE(ts.S().DropCountIB1, 7);
    QCOMPARE(ts.S().InkSum_mL, 40);
}

void SmallDialogsTest::offsetOfflineStaysOpenOnlineSends() {
    {
        TestStation ts(Edition::TwoHead, /*online=*/false);
        CDlgOffset dialog(*ts);
        QCOMPARE(dialog.offsetEdit()->text(), QString("20"));
        DialogAnswerer answers;
        QStringList seen;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.offsetEdit()->setText("35");
            dialog.okButton()->click();   // offline: told so, the dialog stays
            seen = answers.messages;
            dialog.cancelButton()->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(seen, QStringList{"脱机状态无法保存参数"});
        QCOMPARE(ts.P().machine.leftOffsetMm, 35);
        QCOMPARE(ts->link.queue.Count(), 0);
    }
    TestStation ts(Edition::TwoHead);
    CDlgOffset dialog(*ts);
    DialogAnswerer answers;
    dialog.offsetEdit()->setText("65536");   // would wrap in the 16-bit field
    dialog.Confirm();
    QCOMPARE(answers.messages, QStringList{"请输入一个 0 至 65535 之间的整数。"});
    QCOMPARE(ts.P().machine.leftOffsetMm, 20);
    dialog.offsetEdit()->setText("65535");
    QTimer::singleShot(0, &dialog, [&] { dialog.okButton()->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(ts.P().machine.leftOffsetMm, 65535);
    QCOMPARE(DrainQueue(*ts), std::vector<int>{0x25});
}

void SmallDialogsTest::networkAddressStoredOfflineQueuedOnline() {
    for (bool online : {false, true}) {
        TestStation ts(Edition::TwoHead, online);
        CDlgSetEth dialog(*ts, {});
        const int parts[4] = {192, 168, 1, 176};
        for (int i = 0; i < 4; ++i) QCOMPARE(dialog.addressField(i)->value(), parts[i]);
        const int typed[4] = {10, 0, 0, 5};
        for (int i = 0; i < 4; ++i) dialog.addressField(i)->setValue(typed[i]);
        dialog.Confirm();
        QCOMPARE(ts->link.editMachineIP.load(), 0x0500000A);
        QCOMPARE(ts.S().MachineIP, online ? AppSettings{}.MachineIP : 0x0500000A);
        QCOMPARE(DrainQueue(*ts), online ? std::vector<int>{0x23} : std::vector<int>{});
    }
    // Cancel changes nothing.
    TestStation ts(Edition::TwoHead, false);
    CDlgSetEth dialog(*ts, {});
    dialog.addressField(0)->setValue(11);
    QTimer::singleShot(0, &dialog, [&] { dialog.cancelButton()->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(ts.S().MachineIP, AppSettings{}.MachineIP);
    QCOMPARE(ts->link.editMachineIP.load(), 0);
}

void SmallDialogsTest::networkListsThisComputersAddresses() {
    TestStation ts(Edition::TwoHead);
    CDlgSetEth two(*ts, {"192.168.1.20", "10.0.0.7"});
    QCOMPARE(two.countLine()->text(), QString("本电脑共有2个网卡:"));
    QCOMPARE(two.addressList()->text(), QString("(1)192.168.1.20 (2)10.0.0.7 "));
    ts->settings.Edit([&](AppSettings& s) { s.Language = 1; });
    CDlgSetEth none(*ts, {});
    QCOMPARE(none.countLine()->text(), QString("This PC has 0 net card:"));
    QCOMPARE(none.addressList()->text(), QString());
}

void SmallDialogsTest::firmwareListKeepsTheLastSixteenLines() {
    SharedRecord<AppSettings> settings;
    LinkState state;
    MachineLink link(settings, state);
    CDlgFirmUpdate dialog(link.commu(), 1);
    dialog.Drain();
    QCOMPARE(dialog.list()->count(), 1);
    QVERIFY(dialog.list()->item(0)->text().endsWith(" Select firmware file,then press upgrade button"));
    for (int i = 1; i <= 16; ++i) dialog.log().Log("line " + std::to_string(i));
    dialog.Drain();
    QCOMPARE(dialog.list()->count(), CDlgFirmUpdate::kListLines);
    QVERIFY(dialog.list()->item(0)->text().endsWith(" line 1"));
    QVERIFY(dialog.list()->item(15)->text().endsWith(" line 16"));
    // The timer drains by itself.
    dialog.log().Log("line 17");
    QTRY_VERIFY_WITH_TIMEOUT(dialog.list()->item(15)->text().endsWith(" line 17"), 2000);
    QCOMPARE(dialog.list()->count(), CDlgFirmUpdate::kListLines);
    QVERIFY(dialog.list()->item(0)->text().endsWith(" line 2"));
}

void SmallDialogsTest::firmwareMenuAnswersInOrder() {
    MachineParams p = MachineParams::Defaults(Edition::FourHead);
    struct Case {
        bool online;
        std::uint8_t flag;
        bool eth;
        int language;
        const char* message;
    };
    const Case cases[] = {{false, 'Y', true, 0, "未联机"},
                          {true, 'N', true, 1, "Not supported."},
                          {true, 'Y', false, 0, "目前仅支持网口联机升级"},
                          {true, 'Y', true, 1, ""}};
    for (const Case& c : cases) {
        p.adv.firmwareFlag = c.flag;
        const FirmwareMenuAnswer a = AnswerFirmwareMenu(Edition::FourHead, c.online, p, c.eth, c.language);
        QCOMPARE(QString::fromStdString(a.message), QString(c.message));
        QVERIFY(!a.openDialog);   // the four-head edition has no update dialog
    }
}

// "Password error" is a short text under a longer caption: the box is wide
// enough for its title bar to show the caption whole.
void SmallDialogsTest::aShortMessageShowsItsWholeCaption() {
    const QString caption = QStringLiteral("Pelvane - Advanced parameters");
    int width = -1, needs = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        width = box->width();
        needs = CaptionRoom(box->windowTitle());
        box->accept();
    });
    poll.start();
    ShowMessage(nullptr, "Password error", caption);
    poll.stop();
    QVERIFY2(width >= needs, qPrintable(QStringLiteral("%1 px, needs %2").arg(width).arg(needs)));
    QVERIFY(needs > QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(caption));
}

QTEST_MAIN(SmallDialogsTest)
#include "small_dialogs_test.moc"
