// The status bar: its panes per edition, what the Show calls read from the
// station, and the width each pane is given.
#include <QFontMetrics>
#include <QTest>

#include "jobs/station.h"
#include "ui/color_status_bar.h"
#include "ui/status_texts.h"

using pv::Edition;
using pv::Station;
using pv::ui::CColorStatusBar;
using pv::ui::StatusTexts;

class ColorStatusBarTest : public QObject {
    Q_OBJECT
private slots:
    void panesPerEdition();
    void stateReadsStationAndAsksForBand();
    void carriageOnlyWhenNew();
    void inkOnlyWhenCounted();
    void widthsFollowText();
    void narrowBarShortensPanesInsteadOfGrowing();
};

void ColorStatusBarTest::panesPerEdition() {
    Station two(Edition::TwoHead);
    CColorStatusBar bar2(two);
    QCOMPARE(bar2.PaneCount(), 6);
    const QStringList initial{"鼠标:(0mm,0mm)", "机器状态", "X:0 Y:0", "Machine IP", "PC IP", "IVS"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(bar2.PaneText(i), initial[i]);
        QCOMPARE(bar2.PaneColour(i), StatusTexts::kGrey);
    }
    Station four(Edition::FourHead);
    CColorStatusBar bar4(four);
    QCOMPARE(bar4.PaneCount(), 5);   // no ink pane
    four.settings.Edit([&](pv::AppSettings& s) { s.EnableInkVolumStatistic = 1; });
    bar4.ShowInk();
    QCOMPARE(bar4.PaneText(CColorStatusBar::kInk), QString());
    bar4.SetPaneColorText(7, "ignored", Qt::red);   // out of range: nothing happens
}

void ColorStatusBarTest::stateReadsStationAndAsksForBand() {
    Station st(Edition::TwoHead);
    st.settings.Edit([&](pv::AppSettings& s) { s.Language = 1; });
    CColorStatusBar bar(st);
    QVERIFY(!bar.ShowMachineState());
    QCOMPARE(bar.PaneText(CColorStatusBar::kMachineState), QStringLiteral("Offline"));
    QCOMPARE(bar.PaneColour(CColorStatusBar::kMachineState), StatusTexts::kRed);

    st.link.status.online = true;
    st.link.status.StoreReply(pv::kStateWorking, 0);
    st.output.BandCount = 8;
    st.link.bandInProgress = 2;
    QVERIFY(bar.ShowMachineState());   // the window outlines the band now
    QCOMPARE(bar.PaneText(CColorStatusBar::kMachineState), QStringLiteral("Plotting...25.0%\n"));

    st.link.status.StoreReply(pv::kStatePaused, 0);
    QVERIFY(!bar.ShowMachineState());
    QCOMPARE(bar.PaneText(CColorStatusBar::kMachineState), QStringLiteral("Paused...25.0%"));
}

void ColorStatusBarTest::carriageOnlyWhenNew() {
    Station st(Edition::FourHead);
    CColorStatusBar bar(st);
    st.link.status.carriagePos = 1600;   // pulses; 80 pulses/mm by default
    bar.ShowCarriagePosition();
    QCOMPARE(bar.PaneText(CColorStatusBar::kCarriage), QStringLiteral("X:0 Y:0"));   // nothing new
    st.link.status.carriagePosNew = true;
    bar.ShowCarriagePosition();
    QCOMPARE(bar.PaneText(CColorStatusBar::kCarriage), QStringLiteral("小车:20.0 mm"));
    QVERIFY(!st.link.status.carriagePosNew.load());   // shown: the flag is cleared
    st.link.status.carriagePos = 0;
    bar.ShowCarriagePosition();
    QCOMPARE(bar.PaneText(CColorStatusBar::kCarriage), QStringLiteral("小车:20.0 mm"));
}

void ColorStatusBarTest::inkOnlyWhenCounted() {
    Station st(Edition::TwoHead);
    CColorStatusBar bar(st);
    st.settings.Edit([&](pv::AppSettings& s) { s.DropCountIB1 = 6'408'000'000; });   // 19.9 % left of 40 mL
    bar.ShowInk();
    QCOMPARE(bar.PaneText(CColorStatusBar::kInk), QStringLiteral("IVS"));   // statistic off
    st.settings.Edit([&](pv::AppSettings& s) { s.EnableInkVolumStatistic = 1; });
    bar.ShowInk();
    QCOMPARE(bar.PaneText(CColorStatusBar::kInk), QStringLiteral("墨盒1剩余:19.9% 墨盒2剩余:100.0% "));
    QCOMPARE(bar.PaneColour(CColorStatusBar::kInk), StatusTexts::kYellow);
}

void ColorStatusBarTest::widthsFollowText() {
    Station st(Edition::TwoHead);
    CColorStatusBar bar(st);
    const QFontMetrics fm(bar.font());
    const auto w = [&](int pane) { return fm.horizontalAdvance(bar.PaneText(pane).section('\n', 0, 0)); };

    bar.ShowPointerPosition(123456, -40);
    QCOMPARE(bar.PaneWidth(CColorStatusBar::kPointer), 200);
    st.link.status.online = true;
    st.link.status.StoreReply(pv::kStateWorking, 0);   // the text ends in a line break, not measured
    st.output.BandCount = 3;
    st.link.bandInProgress = 1;
    bar.ShowMachineState();
    QVERIFY(w(CColorStatusBar::kMachineState) > 0);
    QCOMPARE(bar.PaneWidth(CColorStatusBar::kMachineState), 2 * w(CColorStatusBar::kMachineState));
    bar.ShowMachineIP();
    QCOMPARE(bar.PaneWidth(CColorStatusBar::kMachineIp), int(1.2 * w(CColorStatusBar::kMachineIp)));
    bar.ShowLocalAddresses("(1)10.0.0.5 ");
    QCOMPARE(bar.PaneText(CColorStatusBar::kLocalIp), QStringLiteral("本地IP:(1)10.0.0.5 "));
    QCOMPARE(bar.PaneWidth(CColorStatusBar::kLocalIp), int(1.2 * w(CColorStatusBar::kLocalIp)));
    st.settings.Edit([&](pv::AppSettings& s) { s.EnableInkVolumStatistic = 1; });
    bar.ShowInk();
    QCOMPARE(bar.PaneWidth(CColorStatusBar::kInk), 2 * w(CColorStatusBar::kInk));
    // A longer address list gets a wider pane.
    const int before = bar.PaneWidth(CColorStatusBar::kLocalIp);
    bar.ShowLocalAddresses("(1)10.0.0.5 (2)192.168.100.200 ");
    QVERIFY(bar.PaneWidth(CColorStatusBar::kLocalIp) > before);
}

// Six long panes (Chinese, printing, ink counted, several addresses) ask for
// more than a 1280-pixel screen: the bar never needs more than it is given;
// with room each pane gets its wish again.
void ColorStatusBarTest::narrowBarShortensPanesInsteadOfGrowing() {
    Station st(Edition::TwoHead);
    st.settings.Edit([&](pv::AppSettings& s) { s.EnableInkVolumStatistic = 1; });
    CColorStatusBar bar(st);
    st.link.status.online = true;
    st.link.status.StoreReply(pv::kStateWorking, 0);
    st.output.BandCount = 3;
    st.link.bandInProgress = 1;
    bar.ShowPointerPosition(123456, 4000);
    bar.ShowMachineState();
    bar.ShowMachineIP();
    bar.ShowInk();
    bar.ShowLocalAddresses("(1)192.168.100.200 (2)10.100.200.201 (3)172.16.254.254 (4)192.168.200.100 ");
    int wanted = 0;
    for (int i = 0; i < bar.PaneCount(); ++i) wanted += bar.PaneWidth(i);
    QVERIFY2(wanted > 1280, qPrintable(QString::number(wanted)));
    QVERIFY2(bar.minimumSizeHint().width() <= 1280, qPrintable(QString::number(bar.minimumSizeHint().width())));
    bar.resize(1280, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.width(), 1280);
    const auto* state = bar.findChild<QWidget*>("pane602");
    QVERIFY(state && state->width() < bar.PaneWidth(CColorStatusBar::kMachineState));
    bar.resize(wanted + 100, bar.height());
    QTRY_COMPARE(state->width(), bar.PaneWidth(CColorStatusBar::kMachineState));
}

QTEST_MAIN(ColorStatusBarTest)
#include "color_status_bar_test.moc"
