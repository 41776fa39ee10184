// The button bar: which machine codes each command pushes in each machine
// state, the jog buttons' press and release, the check boxes and the tools.
#include <QCheckBox>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "jobs/station.h"
#include "ui/command_ids.h"
#include "ui/my_dlg_bar.h"

using namespace pv;
using namespace pv::ui;

namespace {

std::vector<int> Drain(Station& s) {
    std::vector<int> codes;
    while (auto c = s.link.queue.Pop()) codes.push_back(*c);
    return codes;
}

// Counts the prints it is asked to start and starts none.
class CountingStarter : public PrintStarter {
public:
    bool PrintDriverRunning() const override { return false; }
    bool StartPrintDriver(OutputStation&) override {
        ++started;
        return accept;
    }
    int started = 0;
    bool accept = true;
};

}  // namespace

class MyDlgBarTest : public QObject {
    Q_OBJECT
private slots:
    void commandsPushTheirCodesOnlyInTheirStates_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("printing");
        QTest::addColumn<std::vector<int>>("codes");
        const std::vector<int> none;
        QTest::newRow("pause while working") << int(kCmdPause) << 3 << true << std::vector<int>{13};
        QTest::newRow("pause while ready") << int(kCmdPause) << 1 << false << none;
        QTest::newRow("stop while working") << int(kCmdStop) << 3 << true << std::vector<int>{11};
        QTest::newRow("stop while paused") << int(kCmdStop) << 4 << true << std::vector<int>{11};
        QTest::newRow("stop while ready") << int(kCmdStop) << 1 << false << none;
        QTest::newRow("reset while ready") << int(kCmdReset) << 1 << false << std::vector<int>{15};
        QTest::newRow("reset while offline") << int(kCmdReset) << 255 << false << none;
        QTest::newRow("head test while ready") << int(kCmdTest) << 1 << false << std::vector<int>{7};
        QTest::newRow("head test while working") << int(kCmdTest) << 3 << true << none;
        QTest::newRow("cut-off while ready") << int(kCmdCutOff) << 1 << false << std::vector<int>{10};
        QTest::newRow("cut-off while cleaning") << int(kCmdCutOff) << 2 << false << none;
        QTest::newRow("start resumes a paused print") << int(kCmdStart) << 4 << true << std::vector<int>{12};
        QTest::newRow("start during a running print") << int(kCmdStart) << 3 << true << none;
        QTest::newRow("start without a job") << int(kCmdStart) << 1 << false << none;
    }
    void commandsPushTheirCodesOnlyInTheirStates() {
        QFETCH(int, command);
        QFETCH(int, state);
        QFETCH(bool, printing);
        QFETCH(std::vector<int>, codes);
        Station s(Edition::TwoHead);
        s.link.status.state.store(static_cast<std::uint8_t>(state));
        s.link.printThread.store(printing);
        CMyDlgBar bar(s);
        QVERIFY(bar.HandleCommand(command));
        QCOMPARE(Drain(s), codes);
    }

    void startPrintsTheCurrentJobWhenReady() {
        Station s(Edition::TwoHead);
        CountingStarter starter;
        s.printStarter = &starter;
        QVERIFY(s.AddFile(PV_SOURCE_DIR "/resources/TestPlt/10x10.plt"));
        s.jobs.CurrentJobIndex = 0;
        CMyDlgBar bar(s);
        int redraws = 0;
        QObject::connect(&bar, &CMyDlgBar::redrawListRequested, [&redraws] { ++redraws; });
        s.link.status.state.store(1);
        QVERIFY(bar.HandleCommand(kCmdStart));
        QCOMPARE(starter.started, 1);
        QCOMPARE(s.jobs.JobAt(0)->jobState, kJobPrinting);
        QCOMPARE(redraws, 1);
        // A print the link refuses to start leaves the job waiting: no driver
        // would ever report its end.
        s.jobs.JobAt(0)->jobState = kJobWaiting;
        starter.accept = false;
        QVERIFY(bar.HandleCommand(kCmdStart));
        QCOMPARE(s.jobs.JobAt(0)->jobState, kJobWaiting);
        QCOMPARE(redraws, 1);
    }

    void jogButtonsPushOnPressAndStopOnRelease() {
        Station s(Edition::TwoHead);
        s.link.status.state.store(0);   // the jog codes are not gated by the state
        CMyDlgBar bar(s);
        const std::pair<int, int> jogs[] = {{kCmdFeed, 2}, {kCmdFeedBack, 1}, {kCmdLeft, 3}, {kCmdRight, 4}};
        for (auto [id, code] : jogs) {
            auto* button = qobject_cast<QToolButton*>(bar.ControlWidget(id));
            QVERIFY(button);
            QTest::mousePress(button, Qt::LeftButton);
            QCOMPARE(Drain(s), std::vector<int>{code});
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(Drain(s), std::vector<int>{0});
        }
        // Any image button's release stops a jog: clicking Add pushes 0.
        QTest::mouseClick(qobject_cast<QToolButton*>(bar.ControlWidget(kCmdAddFile)), Qt::LeftButton);
        QCOMPARE(Drain(s), std::vector<int>{0});
    }

    void knifeBoxChangesButSendsNothingWhenNotReady() {
        Station s(Edition::TwoHead);
        CMyDlgBar bar(s);
        QObject::connect(&bar, &CMyDlgBar::command, &bar, [&bar](int id) { bar.HandleCommand(id); });
        auto* knife = qobject_cast<QCheckBox*>(bar.ControlWidget(kCtlKnife));
        auto* fan = qobject_cast<QCheckBox*>(bar.ControlWidget(kCtlFan));
        s.link.status.state.store(3);
        knife->click();
        QVERIFY(knife->isChecked());
        QCOMPARE(Drain(s), std::vector<int>{});   // no release code either: boxes are not image buttons
        s.link.status.state.store(1);
        knife->click();
        fan->click();
        fan->click();
        QCOMPARE(Drain(s), (std::vector<int>{9, 5, 6}));
    }

    void automaticBoxFollowsAndSetsAutoStart() {
        Station s(Edition::TwoHead);
        s.settings.Edit([](AppSettings& a) { a.AutoStart = 1; });
        CMyDlgBar bar(s);
        QObject::connect(&bar, &CMyDlgBar::command, &bar, [&bar](int id) { bar.HandleCommand(id); });
        auto* box = qobject_cast<QToolButton*>(bar.ControlWidget(kCtlAutoStart));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!s.AutoStartOn());
        bar.SetAutoStartChecked(true);
        QVERIFY(box->isChecked());
    }

    void toolButtonsSetTheToolAndShowItPushed() {
        Station s(Edition::TwoHead);
        CMyDlgBar bar(s);
        QCOMPARE(bar.CurrentTool(), 0);
        const std::pair<int, int> tools[] = {{kCmdToolSelect, 1}, {kCmdToolMoveLine, 2}, {kCmdToolStartPoint, 3},
                                             {kCmdToolText, 4},   {kCmdToolMoveView, 0}};
        for (auto [id, tool] : tools) {
            QVERIFY(bar.HandleCommand(id));
            QCOMPARE(bar.CurrentTool(), tool);
            for (auto [other, t] : tools) {
                auto* b = qobject_cast<QToolButton*>(bar.ControlWidget(other));
                QVERIFY(b->text().isEmpty());   // tool buttons show icons only
                QCOMPARE(b->icon().cacheKey() != 0, true);
            }
        }
        QVERIFY(!bar.HandleCommand(kCmdAddFile));   // the window's command, not the bar's
    }

    void tooltipsFollowTheLanguage() {
        Station s(Edition::TwoHead);
        s.settings.Edit([](AppSettings& a) { a.Language = 0; });
        CMyDlgBar chinese(s);
        QCOMPARE(chinese.ControlWidget(kCmdAddFile)->toolTip(), QString::fromUtf8("添加plt"));
        QVERIFY(chinese.ControlWidget(kCmdReset)->toolTip().isEmpty());
        s.settings.Edit([](AppSettings& a) { a.Language = 5; });
        CMyDlgBar other(s);
        QCOMPARE(other.ControlWidget(kCmdAddFile)->toolTip(), QString("Add plt"));
        QCOMPARE(other.ControlWidget(kCmdToolStartPoint)->toolTip(), QString("Set start"));
    }

    void fourHeadBarHasQueueAndLanguageButtonsButNoTools() {
        Station s(Edition::FourHead);
        CMyDlgBar bar(s);
        for (int id : {kCmdQueueIn, kCmdQueueOut, kCmdQueueAllOut, kCmdLanguageStep, kCtlKnife4, kCtlFan4,
                       kCtlAutoStart4})
            QVERIFY2(bar.ControlWidget(id), qPrintable(QString::number(id)));
        for (int id : {int(kCmdToolSelect), int(kCmdToolText), int(kCmdFitButton), int(kCtlKnife), 161})
            QVERIFY2(!bar.ControlWidget(id), qPrintable(QString::number(id)));
        // The language button steps 0, 1, 2, 3, 4 and back to 0.
        for (int expected : {1, 2, 3, 4, 0}) {
            QVERIFY(bar.HandleCommand(kCmdLanguageStep));
            QCOMPARE(s.Language(), expected);
        }
    }
};

Q_DECLARE_METATYPE(std::vector<int>)

QTEST_MAIN(MyDlgBarTest)
#include "my_dlg_bar_test.moc"
