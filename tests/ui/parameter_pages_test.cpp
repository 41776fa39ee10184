// The parameter dialog's pages: the range checks, each field's scale and
// truncation, the writes they queue for the machine, the offline state, the
// head boxes, the advanced page's lock and the four-head page set.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "dialog_test_util.h"
#include "ui/dlg_p_adv.h"
#include "ui/dlg_p_cut.h"
#include "ui/dlg_p_mac.h"
#include "ui/dlg_p_misc.h"
#include "ui/dlg_p_size.h"
#include "ui/dlg_p_user.h"
#include "ui/dlg_para.h"
#include "ui/field_form.h"

using namespace pv;
using namespace pv::ui;
using pv::test::DrainQueue;
using pv::test::DialogAnswerer;
using pv::test::TestStation;

Q_DECLARE_METATYPE(pv::Edition)

namespace {

// The edit box of a table-built field, by its record or setting name.
QLineEdit* EditOf(ParaPage* page, const char* name) {
    FieldForm* form = page->Form();
    if (!form) return nullptr;
    int i = form->IndexOf(name);
    if (i < 0) {
        // Settings are named by their member.
        static const std::pair<const char*, std::int32_t AppSettings::*> settings[] = {
            {"PaperLenMm", &AppSettings::PaperLenMm}, {"DotDist", &AppSettings::DotDist},
            {"DxfUnit", &AppSettings::DxfUnit},       {"CutOffDistX", &AppSettings::CutOffDistX},
            {"PltFontScale", &AppSettings::PltFontScale}};
        for (auto [n, m] : settings)
            if (QString(n) == name) i = form->IndexOf(m);
    }
    return i < 0 ? nullptr : qobject_cast<QLineEdit*>(form->Widget(i));
}

ParaPage* PageOf(CDlgPara& dialog, const QString& tabLabel) {
    for (int i = 0; i < dialog.PageCount(); ++i)
        if (dialog.tabs()->tabText(i) == tabLabel) return dialog.PageAt(i);
    return nullptr;
}

}  // namespace

class ParameterPagesTest : public QObject {
    Q_OBJECT
private slots:
    void rangeFailuresStopTheApply_data();
    void rangeFailuresStopTheApply();
    void fieldsStoreTheirScaledTruncatedValues_data();
    void fieldsStoreTheirScaledTruncatedValues();
    void applyQueuesTheRecordsOfThePage();
    void miscPageSendsTheMachineRecordAfterTheGap();
    void offlinePagesAreReadOnlyAndApplySaysSo();
    void headBoxesKeepOneHeadAndShowTheHeldValues();
    void machinePageCopiesTheHeadPositionsIntoTheSettings();
    void advancedPageUnlocksOnlyWithThePassword();
    void recommendedValuesFollowTheCarriagePulses_data();
    void recommendedValuesFollowTheCarriagePulses();
    void sizePageUpdatesAndStoresWhereTheRadioSays();
    void fourHeadDialogHasSevenPagesAndItsOwnFields();
    void tabLabelsFollowTheLanguage();
    void okAppliesOnlyItsOwnPage();
};

void ParameterPagesTest::rangeFailuresStopTheApply_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("fields");   // name=text pairs typed in
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");       // the field that must get the focus

    QTest::newRow("integer out of range") << "用户参数" << 0 << QStringList{"PaperLenMm=100"}
                                          << "请输入一个 120 至 4000 之间的整数。"
                                          << "PaperLenMm";
    QTest::newRow("not an integer") << "用户参数" << 0 << QStringList{"DxfUnit=4.5"} << "请输入一个整数。"
                                    << "DxfUnit";
    QTest::newRow("not a number") << "用户参数" << 0 << QStringList{"DotDist=abc"} << "请输入一个数字。"
                                  << "DotDist";
    QTest::newRow("number out of range") << "用户参数" << 0 << QStringList{"DotDist=50.5"}
                                         << "请输入一个 1 至 50 之间的数字。"
                                         << "DotDist";
    QTest::newRow("first failing field in control order")
        << "用户参数" << 0 << QStringList{"DotDist=0", "PaperLenMm=1"} << "请输入一个 120 至 4000 之间的整数。"
        << "PaperLenMm";
    QTest::newRow("fractional bounds") << "喷切参数" << 0 << QStringList{"bridgeLen=3.5"}
                                       << "请输入一个 0.1 至 3 之间的数字。"
                                       << "bridgeLen";
    QTest::newRow("negative bounds") << "喷切参数" << 0 << QStringList{"edgeRightPx=-6"}
                                     << "请输入一个 -5 至 5 之间的整数。"
                                     << "edgeRightPx";
    QTest::newRow("english") << "MachinePara" << 1 << QStringList{"fullCutPressure=200"}
                             << "Please enter an integer between 2 and 199."
                             << "fullCutPressure";
    QTest::newRow("advanced page") << "高级参数" << 0 << QStringList{"carriagePulsesPerMm=10"}
                                   << "请输入一个 20 至 655.35 之间的数字。"
                                   << "carriagePulsesPerMm";
    // ×100 in a 16-bit record: 700 would reach the machine as 4464.
    QTest::newRow("pulses beyond the record") << "高级参数" << 0 << QStringList{"feedPulsesPerMm=700"}
                                              << "请输入一个 20 至 655.35 之间的数字。"
                                              << "feedPulsesPerMm";
    QTest::newRow("misc page setting") << "杂项" << 0 << QStringList{"CutOffDistX=51"}
                                       << "请输入一个 0 至 50 之间的整数。"
                                       << "CutOffDistX";
}

void ParameterPagesTest::rangeFailuresStopTheApply() {
    QFETCH(QString, tab);
    QFETCH(int, language);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    TestStation ts(Edition::TwoHead);
    ts->settings.Edit([&](AppSettings& s) { s.Language = language; });
    const AppSettings settingsBefore = ts.S();
    const MachineParams paramsBefore = ts.P();
    CDlgPara dialog(*ts);
    ParaPage* page = PageOf(dialog, tab);
    QVERIFY(page);
    for (const QString& f : fields) {
        const QStringList kv = f.split('=');
        QLineEdit* edit = EditOf(page, kv[0].toUtf8().constData());
        QVERIFY2(edit, qPrintable(kv[0]));
        edit->setText(kv[1]);
    }
    if (auto* adv = dynamic_cast<CDlgPAdv*>(page)) {
        adv->SetPasswordPrompt([] { return QString("917"); });
        adv->Unlock();
    }
    DialogAnswerer answers;
    QVERIFY(!page->Apply());
    QCOMPARE(answers.messages, QStringList{message});
    QCOMPARE(dialog.focusWidget(), EditOf(page, focus.toUtf8().constData()));
    // Nothing applied, nothing sent.
    QVERIFY(ts.P() == paramsBefore);
    QCOMPARE(ts.S().PaperLenMm, settingsBefore.PaperLenMm);
    QCOMPARE(ts.S().DotDist, settingsBefore.DotDist);
    QCOMPARE(ts.S().CutOffDistX, settingsBefore.CutOffDistX);
    QCOMPARE(ts->link.queue.Count(), 0);
}

void ParameterPagesTest::fieldsStoreTheirScaledTruncatedValues_data() {
    QTest::addColumn<pv::Edition>("edition");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");   // the default as the page shows it
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qlonglong>("stored");

    const auto two = Edition::TwoHead;
    const auto four = Edition::FourHead;
    QTest::newRow("hole spacing") << two << "用户参数" << "DotDist" << "5.0" << "1.23" << 12LL;
    QTest::newRow("paging width") << two << "用户参数" << "PaperLenMm" << "2000" << "120" << 120LL;
    QTest::newRow("correction 2.01") << two << "喷切参数" << "bidirCorrection" << "10.00" << "2.01" << 200LL;
    QTest::newRow("offset -0.15") << two << "喷切参数" << "plotCutOffsetX" << "5.0" << "-0.15" << -1LL;
    QTest::newRow("edge -5") << two << "喷切参数" << "edgeLeftPx" << "0" << "-5" << -5LL;
    QTest::newRow("bridge") << two << "喷切参数" << "bridgeLen" << "0.8" << "2.95" << 29LL;
    QTest::newRow("overlap 0.29") << two << "高级参数" << "bandOverlapComp" << "0.00" << "0.29" << 28LL;
    QTest::newRow("carriage pulses") << two << "高级参数" << "carriagePulsesPerMm" << "80.00" << "79.99" << 7998LL;
    QTest::newRow("feed pulses at the record's end") << two << "高级参数" << "feedPulsesPerMm" << "80.00" << "655.35"
                                                     << 65535LL;
    QTest::newRow("feed acceleration") << two << "高级参数" << "feedAccel" << "5.0" << "0.5" << 5LL;
    QTest::newRow("long move ratio") << two << "高级参数" << "longMoveSpeedRatio" << "50" << "100" << 100LL;
    QTest::newRow("tail bridge") << two << "杂项" << "cutOffBridge" << "1.0" << "4.99" << 49LL;
    QTest::newRow("tail distance") << two << "杂项" << "CutOffDistX" << "0" << "50" << 50LL;
    QTest::newRow("four-head position") << four << "喷墨参数" << "head4PosRight" << "650" << "750" << 750LL;
    QTest::newRow("four-head overlap") << four << "喷墨参数" << "overlap34Dots" << "0" << "10" << 10LL;
    QTest::newRow("four-head knife tip") << four << "切割参数" << "knifeTipComp" << "0.5" << "1.99" << 19LL;
    QTest::newRow("four-head soft limit") << four << "高级参数" << "softLimitMm" << "2106" << "4000" << 4000LL;
}

void ParameterPagesTest::fieldsStoreTheirScaledTruncatedValues() {
    QFETCH(pv::Edition, edition);
    QFETCH(QString, tab);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(qlonglong, stored);

    TestStation ts(edition);
    CDlgPara dialog(*ts);
    ParaPage* page = PageOf(dialog, tab);
    QVERIFY(page);
    QLineEdit* edit = EditOf(page, field.toUtf8().constData());
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    edit->setText(typed);
    DialogAnswerer answers;
    QVERIFY(page->Apply());
    QCOMPARE(answers.messages, QStringList{});
    FieldForm* form = page->Form();
    int i = form->IndexOf(field.toUtf8().constData());
    if (i < 0) i = field == "DotDist"      ? form->IndexOf(&AppSettings::DotDist)
                   : field == "PaperLenMm" ? form->IndexOf(&AppSettings::PaperLenMm)
                                           : form->IndexOf(&AppSettings::CutOffDistX);
    QCOMPARE(form->Field(i).target.Get(ts.S(), ts.P()), stored);
}

void ParameterPagesTest::applyQueuesTheRecordsOfThePage() {
    struct Case {
        const char* tab;
        std::vector<int> codes;
    };
    const Case cases[] = {{"用户参数", {}}, {"喷切参数", {0x25}}, {"目录设置", {0x25}},
                          {"尺寸相关", {0x25}}, {"高级参数", {0x24}}};
    for (const Case& c : cases) {
        TestStation ts(Edition::TwoHead);
        CDlgPara dialog(*ts);
        DialogAnswerer answers;
        QVERIFY(PageOf(dialog, c.tab)->Apply());
        QCOMPARE(DrainQueue(*ts), c.codes);
        QCOMPARE(answers.messages, QStringList{});
    }
}

void ParameterPagesTest::miscPageSendsTheMachineRecordAfterTheGap() {
    TestStation ts(Edition::TwoHead);
    CDlgPara dialog(*ts);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(PageOf(dialog, "杂项")->Apply());
    // Apply returns at once with the advanced record queued ...
    QVERIFY(clock.elapsed() < CDlgPMisc::kSecondWriteDelayMs);
    QCOMPARE(ts->link.queue.Pop(), std::optional<std::uint8_t>(0x24));
    QCOMPARE(ts->link.queue.Count(), 0);
    // ... and the machine record follows once the gap has passed.
    QTRY_COMPARE_WITH_TIMEOUT(ts->link.queue.Count(), 1, 2000);
    QVERIFY(clock.elapsed() >= CDlgPMisc::kSecondWriteDelayMs);
    QCOMPARE(ts->link.queue.Pop(), std::optional<std::uint8_t>(0x25));
}

void ParameterPagesTest::offlinePagesAreReadOnlyAndApplySaysSo() {
    for (int language : {0, 1}) {
        TestStation ts(Edition::TwoHead, /*online=*/false);
        ts->settings.Edit([&](AppSettings& s) { s.Language = language; });
        const QString offline = language == 0 ? "脱机状态无法保存参数" : "Offline!";
        CDlgPara dialog(*ts);

        auto* mac = dynamic_cast<CDlgPMac*>(PageOf(dialog, language == 0 ? "喷切参数" : "MachinePara"));
        QVERIFY(mac);
        for (std::size_t i = 0; i < mac->Form()->Size(); ++i) QVERIFY(!mac->Form()->Widget(i)->isEnabled());
        QVERIFY(!mac->head1Check()->isEnabled());
        QVERIFY(!mac->head2Check()->isEnabled());

        auto* misc = dynamic_cast<CDlgPMisc*>(dialog.Find<CDlgPMisc>());
        for (std::size_t i = 0; i < misc->Form()->Size(); ++i) QVERIFY(!misc->Form()->Widget(i)->isEnabled());
        QVERIFY(misc->fileTypeRadio(0)->isEnabled());

        // The advanced page can be unlocked and applied offline.
        auto* adv = dialog.Find<CDlgPAdv>();
        adv->SetPasswordPrompt([] { return QString("917"); });
        adv->Unlock();
        QVERIFY(EditOf(adv, "cutMaxSpeed")->isEnabled());
        EditOf(adv, "cutMaxSpeed")->setText("321");

        DialogAnswerer answers;
        QVERIFY(mac->Apply());
        QVERIFY(misc->Apply());
        QVERIFY(adv->Apply());
        QVERIFY(dialog.Find<CDlgPSize>()->Apply());
        QCOMPARE(answers.messages, QStringList(4, offline));
        // The directory and user pages stay silent.
        QVERIFY(PageOf(dialog, dialog.tabs()->tabText(2))->Apply());
        QVERIFY(dialog.Find<CDlgPUser>()->Apply());
        QCOMPARE(answers.messages.size(), 4);
        // Nothing went to the queue, but the copy keeps the new values.
        QCOMPARE(ts->link.queue.Count(), 0);
        QCOMPARE(ts.P().adv.cutMaxSpeed, 321);
    }
}

void ParameterPagesTest::headBoxesKeepOneHeadAndShowTheHeldValues() {
    TestStation ts(Edition::TwoHead);
    ts->params.Edit([](MachineParams& p) { p.machine.headEnable = 1; });   // only 1#
    CDlgPara dialog(*ts);
    auto* mac = dialog.Find<CDlgPMac>();
    QVERIFY(mac->head1Check()->isChecked());
    QVERIFY(!mac->head2Check()->isChecked());
    QLineEdit* overlap = EditOf(mac, "headOverlapDots");
    overlap->setText("7");   // typed, not yet read by the page
    QTest::mouseClick(mac->head1Check(), Qt::LeftButton);
    // Clearing the only enabled head enables the other.
    QVERIFY(!mac->head1Check()->isChecked());
    QVERIFY(mac->head2Check()->isChecked());
    QCOMPARE(overlap->text(), QString("2"));
    QVERIFY(mac->Apply());
    QCOMPARE(ts.P().machine.headEnable, 2);

    QTest::mouseClick(mac->head1Check(), Qt::LeftButton);
    QVERIFY(mac->head1Check()->isChecked() && mac->head2Check()->isChecked());
    QVERIFY(mac->Apply());
    QCOMPARE(ts.P().machine.headEnable, 0);
    QTest::mouseClick(mac->head2Check(), Qt::LeftButton);
    QVERIFY(mac->Apply());
    QCOMPARE(ts.P().machine.headEnable, 1);
}

void ParameterPagesTest::machinePageCopiesTheHeadPositionsIntoTheSettings() {
    {
        TestStation ts(Edition::TwoHead);
        CDlgPara dialog(*ts);
        auto* mac = dialog.Find<CDlgPMac>();
        EditOf(mac, "head1PosRight")->setText("17");
        EditOf(mac, "head2PosRight")->setText("230");
        QVERIFY(mac->Apply());
        QCOMPARE(ts.S().IB1PosToR, 17);
        QCOMPARE(ts.S().IB2PosToR, 230);
    }
    {
        TestStation ts(Edition::FourHead);
        CDlgPara dialog(*ts);
        auto* ink = dialog.Find<CDlgPMac>();
        QCOMPARE(ts.S().IBLRError, 1000);   // copied when the page loads
        EditOf(ink, "bidirCorrection")->setText("3.5");
        ink->combinationList()->setCurrentIndex(4);
        QVERIFY(ink->Apply());
        QCOMPARE(ts.S().IBLRError, 350);
        QCOMPARE(ts.P().machine.headCombination, 4);
        QCOMPARE(ink->combinationList()->itemText(3), QString("3-HP45(1#+2#+3#+4#)"));
    }
}

void ParameterPagesTest::advancedPageUnlocksOnlyWithThePassword() {
    for (int language : {0, 1}) {
        TestStation ts(Edition::TwoHead);
        ts->settings.Edit([&](AppSettings& s) { s.Language = language; });
        CDlgPara dialog(*ts);
        auto* adv = dialog.Find<CDlgPAdv>();
        FieldForm* form = adv->Form();
        auto allEnabled = [&](bool enabled) {
            for (std::size_t i = 0; i < form->Size(); ++i)
                if (form->Widget(i)->isEnabled() != enabled) return false;
            return true;
        };
        QVERIFY(adv->Locked());
        QVERIFY(allEnabled(false));   // locked even though the machine is online

        DialogAnswerer answers;
        // The real prompt: wrong text, then Cancel, then the password.
        QStringList typed{"918", "", "917"};
        int prompts = 0;
        answers.onDialog = [&](QWidget* w) {
            auto* prompt = qobject_cast<QDialog*>(w);
            auto* field = w->findChild<QLineEdit*>();
            QVERIFY(prompt && field);
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            const QString text = typed[prompts++];
            if (text.isEmpty()) {
                prompt->reject();
                return;
            }
            field->setText(text);
            prompt->accept();
        };
        adv->Unlock();
        QCOMPARE(answers.messages, QStringList{language == 0 ? "密码错误" : "Password error"});
        QVERIFY(allEnabled(false));
        adv->Unlock();
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(allEnabled(false));
        adv->Unlock();
        QVERIFY(!adv->Locked());
        QVERIFY(allEnabled(true));
        QCOMPARE(prompts, 3);
    }
}

void ParameterPagesTest::recommendedValuesFollowTheCarriagePulses_data() {
    QTest::addColumn<QString>("pulses");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("gap");
    QTest::newRow("80.00") << "80.00" << "11" << "30";
    QTest::newRow("40.00") << "40.00" << "6" << "27";
}

void ParameterPagesTest::recommendedValuesFollowTheCarriagePulses() {
    QFETCH(QString, pulses);
    QFETCH(QString, interval);
    QFETCH(QString, gap);
    TestStation ts(Edition::TwoHead);
    ts->params.Edit([&](MachineParams& p) { p.adv.fireIntervalPulses = 3; });
    const MachineParams before = ts.P();
    CDlgPara dialog(*ts);
    auto* adv = dialog.Find<CDlgPAdv>();
    EditOf(adv, "carriagePulsesPerMm")->setText(pulses);
    QVERIFY(adv->Recommend());   // works while locked
    QCOMPARE(EditOf(adv, "fireIntervalPulses")->text(), interval);
    QCOMPARE(EditOf(adv, "nozzleColumnGapPx")->text(), gap);
    QVERIFY(ts.P() == before);   // nothing stored before Apply
    QCOMPARE(ts->link.queue.Count(), 0);
}

void ParameterPagesTest::sizePageUpdatesAndStoresWhereTheRadioSays() {
    for (bool computer : {false, true}) {
        TestStation ts(Edition::TwoHead);
        CDlgPara dialog(*ts);
        auto* size = dialog.Find<CDlgPSize>();
        QCOMPARE(size->measuredEdit(CDlgPSize::AlongFeed)->text(), QString("1000.0"));
        QCOMPARE(size->scaleEdit(CDlgPSize::AlongFeed)->text(), QString("1.0000"));
        if (computer) QTest::mouseClick(size->computerRadio(), Qt::LeftButton);
        size->measuredEdit(CDlgPSize::AlongFeed)->setText("1001.2");
        QVERIFY(size->Update());
        QCOMPARE(size->scaleEdit(CDlgPSize::AlongFeed)->text(), QString("0.9988"));
        QVERIFY(size->Apply());
        QCOMPARE(ts.S().RatioSaveTo, computer ? 1 : 0);
        QCOMPARE(computer ? ts.S().Measure10000X : ts.P().machine.scaleMeasureX, 10012);
        QCOMPARE(computer ? ts.P().machine.scaleMeasureX : ts.S().Measure10000X, 10000);
        QCOMPARE(DrainQueue(*ts), std::vector<int>{0x25});
    }
    // Offline the machine's lengths are shown but locked; the computer's are not.
    TestStation ts(Edition::TwoHead, /*online=*/false);
    ts->settings.Edit([&](AppSettings& s) { s.Measure10000Y = 9990; });
    CDlgPara dialog(*ts);
    auto* size = dialog.Find<CDlgPSize>();
    QVERIFY(!size->measuredEdit(CDlgPSize::AcrossFeed)->isEnabled());
    QTest::mouseClick(size->computerRadio(), Qt::LeftButton);
    QVERIFY(size->measuredEdit(CDlgPSize::AcrossFeed)->isEnabled());
    QCOMPARE(size->measuredEdit(CDlgPSize::AcrossFeed)->text(), QString("999.0"));
    QCOMPARE(ts.S().RatioSaveTo, 0);   // the radio itself stores nothing
}

void ParameterPagesTest::fourHeadDialogHasSevenPagesAndItsOwnFields() {
    TestStation ts(Edition::FourHead);
    CDlgPara dialog(*ts);
    QStringList labels;
    for (int i = 0; i < dialog.PageCount(); ++i) labels << dialog.tabs()->tabText(i);
    QCOMPARE(labels, (QStringList{"用户参数", "喷墨参数", "切割参数", "目录设置", "尺寸相关", "杂项", "高级参数"}));
    QVERIFY(dynamic_cast<CDlgPCut*>(dialog.PageAt(2)));
    QVERIFY(!EditOf(dialog.PageAt(0), "PltFontScale"));
    QVERIFY(!dialog.Find<CDlgPMac>()->head1Check());
    QVERIFY(!EditOf(dialog.Find<CDlgPMac>(), "fullCutPressure"));   // on the cut page
    QVERIFY(EditOf(dialog.PageAt(2), "fullCutPressure"));
    QVERIFY(!EditOf(dialog.Find<CDlgPAdv>(), "longMoveSpeedRatio"));

    auto* misc = dialog.Find<CDlgPMisc>();
    QVERIFY(misc->curveMoveCheck());
    misc->curveMoveCheck()->setChecked(true);
    QVERIFY(misc->Apply());
    QCOMPARE(ts.S().EnableCurveMove, 1);

    TestStation two(Edition::TwoHead);
    CDlgPara twoDialog(*two);
    QCOMPARE(twoDialog.PageCount(), 6);
    QVERIFY(EditOf(twoDialog.PageAt(0), "PltFontScale"));
    QVERIFY(!twoDialog.Find<CDlgPCut>());
    QVERIFY(!twoDialog.Find<CDlgPMisc>()->curveMoveCheck());
}

void ParameterPagesTest::tabLabelsFollowTheLanguage() {
    using P = CDlgPara::Page;
    QCOMPARE(CDlgPara::TabLabel(P::Machine, Edition::TwoHead, 0), QString("喷切参数"));
    QCOMPARE(CDlgPara::TabLabel(P::User, Edition::TwoHead, 1), QString("UserSet"));
    QCOMPARE(CDlgPara::TabLabel(P::Size, Edition::TwoHead, 2), QString("Size"));
    QCOMPARE(CDlgPara::TabLabel(P::Misc, Edition::TwoHead, 3), QString("рiзне"));
    QCOMPARE(CDlgPara::TabLabel(P::Directory, Edition::TwoHead, 4), QString("Параметры каталога"));
    QCOMPARE(CDlgPara::TabLabel(P::Advanced, Edition::TwoHead, 5), QString("Thông số nâng cao"));
    QCOMPARE(CDlgPara::TabLabel(P::Advanced, Edition::TwoHead, 6), QString("AdvPara"));
    // Four-head: the inkjet and cut tabs share their label; no Vietnamese.
    QCOMPARE(CDlgPara::TabLabel(P::Cut, Edition::FourHead, 1), QString("MachinePara"));
    QCOMPARE(CDlgPara::TabLabel(P::Machine, Edition::FourHead, 4), QString("Параметры резания"));
    QCOMPARE(CDlgPara::TabLabel(P::Cut, Edition::FourHead, 4), QString("Параметры резания"));
    QCOMPARE(CDlgPara::TabLabel(P::User, Edition::FourHead, 5), QString("UserSet"));
}

void ParameterPagesTest::okAppliesOnlyItsOwnPage() {
    TestStation ts(Edition::TwoHead);
    CDlgPara dialog(*ts);
    auto* user = dialog.Find<CDlgPUser>();
    auto* mac = dialog.Find<CDlgPMac>();
    EditOf(mac, "fullCutPressure")->setText("99");
    EditOf(user, "PaperLenMm")->setText("1500");
    QTimer::singleShot(0, user->okButton(), [user] { user->okButton()->click(); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(ts.S().PaperLenMm, 1500);
    QCOMPARE(ts.P().machine.fullCutPressure, 70);
    QCOMPARE(ts->link.queue.Count(), 0);

    // Cancel applies nothing.
    CDlgPara again(*ts);
    EditOf(again.Find<CDlgPUser>(), "PaperLenMm")->setText("1600");
    QTimer::singleShot(0, &again, [&again] { again.Find<CDlgPUser>()->cancelButton()->click(); });
    QCOMPARE(again.exec(), int(QDialog::Rejected));
    QCOMPARE(ts.S().PaperLenMm, 1500);
}

QTEST_MAIN(ParameterPagesTest)
#include "parameter_pages_test.moc"
