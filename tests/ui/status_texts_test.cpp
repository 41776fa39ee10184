// What the status panes say, and in which colour, over states and languages.
#include <QTest>

#include "ui/status_texts.h"

using pv::ui::PaneContent;
using pv::ui::StatusTexts;

Q_DECLARE_METATYPE(PaneContent)

namespace {

const QColor kGrey = StatusTexts::kGrey;
const QColor kGreen = StatusTexts::kGreen;
const QColor kYellow = StatusTexts::kYellow;
const QColor kRed = StatusTexts::kRed;

}  // namespace

class StatusTextsTest : public QObject {
    Q_OBJECT
private slots:
    void machineState_data();
    void machineState();
    void pointer_data();
    void pointer();
    void ink_data();
    void ink();
    void carriageAndAddresses();
};

void StatusTextsTest::machineState_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("bandInProgress");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");

    // Offline: Chinese, English, Turkish have a word; 3 to 6 show an empty red pane.
    QTest::newRow("offline zh") << 0 << false << 1 << 0 << 0 << "已脱机..." << kRed;
    QTest::newRow("offline en") << 1 << false << 1 << 0 << 0 << "Offline" << kRed;
    QTest::newRow("offline tr") << 2 << false << 1 << 0 << 0 << "Astar" << kRed;
    QTest::newRow("offline uk") << 3 << false << 1 << 0 << 0 << "" << kRed;
    QTest::newRow("offline vi") << 5 << false << 3 << 10 << 5 << "" << kRed;
    QTest::newRow("offline pl") << 6 << false << 1 << 0 << 0 << "" << kRed;

    QTest::newRow("init") << 4 << true << 0 << 0 << 0 << "Init..." << kYellow;
    QTest::newRow("ready zh") << 0 << true << 1 << 0 << 0 << "准备就绪" << kGreen;
    QTest::newRow("ready uk") << 3 << true << 1 << 0 << 0 << "Готово" << kGreen;
    QTest::newRow("ready vi") << 5 << true << 1 << 0 << 0 << "Ready" << kGreen;
    QTest::newRow("cleaning en") << 1 << true << 2 << 0 << 0 << "Plot Test..." << kYellow;
    QTest::newRow("cleaning ru") << 4 << true << 2 << 0 << 0 << "Очистка картриджей" << kYellow;

    // Progress: tenths of a per cent truncated, never above 100.0.
    QTest::newRow("working zh 3/7") << 0 << true << 3 << 7 << 3 << "工作中...完成42.8%\n" << kYellow;
    QTest::newRow("working en done") << 1 << true << 3 << 10 << 10 << "Plotting...100.0%\n" << kYellow;
    QTest::newRow("working en beyond") << 1 << true << 3 << 10 << 12 << "Plotting...100.0%\n" << kYellow;
    QTest::newRow("working uk") << 3 << true << 3 << 4 << 1 << "В роботi, завершено25.0%\n" << kYellow;
    QTest::newRow("working ru long marker") << 4 << true << 3 << 3000000 << 2999999
                                            << "В работе, завершено99.9%\n" << kYellow;
    QTest::newRow("paused zh") << 0 << true << 4 << 2 << 1 << "暂停...完成50.0%" << kYellow;
    QTest::newRow("paused en") << 6 << true << 4 << 2 << 1 << "Paused...50.0%" << kYellow;
    QTest::newRow("paused ru") << 4 << true << 4 << 2 << 1 << "Пауза, завершено50.0%\n" << kYellow;
    // Nothing prepared in this run: the abort text.
    QTest::newRow("abort zh") << 0 << true << 3 << 0 << 0 << "打印中断或其他电脑正在联机打印\n" << kYellow;
    QTest::newRow("abort en paused") << 1 << true << 4 << 0 << 0 << "Print abort or other PC printing\n" << kYellow;
    QTest::newRow("abort uk") << 3 << true << 3 << 0 << 0 << "Друк перервано або друкує iнший комп‘ютер" << kYellow;

    QTest::newRow("memory zh") << 0 << true << 5 << 0 << 0 << "内存错误..." << kRed;
    QTest::newRow("memory uk") << 3 << true << 5 << 0 << 0 << "Помилка пам‘ятi" << kRed;
    QTest::newRow("code 6") << 0 << true << 6 << 0 << 0 << "Error code 6" << kRed;
    QTest::newRow("code 9 ru") << 4 << true << 9 << 0 << 0 << "Error code 9" << kRed;
    QTest::newRow("seek zero en") << 1 << true << 7 << 0 << 0 << "Seek ZP......" << kYellow;
    QTest::newRow("seek zero ru") << 4 << true << 7 << 0 << 0 << "Поиск нач.точки..." << kYellow;
    QTest::newRow("cutting paper zh") << 0 << true << 8 << 0 << 0 << "手动裁纸..." << kRed;
    QTest::newRow("cutting paper uk") << 3 << true << 8 << 0 << 0 << "Ручне вiдрiзаня паперу" << kRed;
    QTest::newRow("reading params zh") << 0 << true << 255 << 0 << 0 << "正在读取系统参数..." << kYellow;
    QTest::newRow("reading params tr") << 2 << true << 255 << 0 << 0 << "Connecting..." << kYellow;
}

void StatusTextsTest::machineState() {
    QFETCH(int, language);
    QFETCH(bool, online);
    QFETCH(int, state);
    QFETCH(int, bandCount);
    QFETCH(int, bandInProgress);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const PaneContent c = StatusTexts::MachineState(language, online, state, bandCount, bandInProgress);
    QCOMPARE(c.text, text);
    QCOMPARE(c.colour, colour);
}

void StatusTextsTest::pointer_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("text");
    QTest::newRow("-39 is 0 mm") << 1 << -39 << 39 << "Pos:(0mm,0mm)";
    QTest::newRow("-40 is -1 mm") << 0 << -40 << 4000 << "位置:(-1mm,100mm)";
    QTest::newRow("uk") << 3 << 80 << -81 << "позицiя:(2mm,-2mm)";
    QTest::newRow("ru") << 4 << 0 << 0 << "позиция:(0mm,0mm)";
    QTest::newRow("pl") << 6 << 41 << 0 << "Pos:(1mm,0mm)";
}

void StatusTextsTest::pointer() {
    QFETCH(int, language);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, text);
    const PaneContent c = StatusTexts::Pointer(language, x, y);
    QCOMPARE(c.text, text);
    QCOMPARE(c.colour, kGrey);
}

// Drops for a cartridge of 40 mL: 8e7 drops are 1 % of it.
void StatusTextsTest::ink_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<qint64>("drops1");
    QTest::addColumn<qint64>("drops2");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("full zh") << 0 << qint64(0) << qint64(0) << "墨盒1剩余:100.0% 墨盒2剩余:100.0% " << kGrey;
    QTest::newRow("20.0 left is grey") << 1 << qint64(6'400'000'000) << qint64(0)
                                       << "1#Left:20.0% 2#left:100.0% " << kGrey;
    QTest::newRow("19.9 left is yellow") << 1 << qint64(0) << qint64(6'408'000'000)
                                         << "1#Left:100.0% 2#left:19.9% " << kYellow;
    QTest::newRow("overused shows negative") << 3 << qint64(8'800'000'000) << qint64(0)
                                             << "1#Left:-10.0% 2#left:100.0% " << kYellow;
}

void StatusTextsTest::ink() {
    QFETCH(int, language);
    QFETCH(qint64, drops1);
    QFETCH(qint64, drops2);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const PaneContent c = StatusTexts::Ink(language, drops1, drops2, 40);
    QCOMPARE(c.text, text);
    QCOMPARE(c.colour, colour);
}

void StatusTextsTest::carriageAndAddresses() {
    // 8000 = 80.00 pulses per mm.
    QCOMPARE(StatusTexts::Carriage(0, 8040, 8000).text, QStringLiteral("小车:100.5 mm"));
    QCOMPARE(StatusTexts::Carriage(4, -80, 8000).text, QStringLiteral("Car:-1.0 mm"));
    QCOMPARE(StatusTexts::Carriage(1, 80, 0).text, QStringLiteral("Car:80.0 mm"));   // no scale: pulses
    // 192.168.1.176 stored with its first part in the lowest byte.
    QCOMPARE(StatusTexts::MachineIp(0, -1342068544).text, QStringLiteral("绘图仪IP:192.168.1.176"));
    QCOMPARE(StatusTexts::MachineIp(3, 0x0100000A).text, QStringLiteral("Machine IP:10.0.0.1"));
    const QString local = QStringLiteral("(1)10.0.0.5 (2)192.168.1.20 ");
    QCOMPARE(StatusTexts::LocalAddresses(0, local).text, QStringLiteral("本地IP:") + local);
    QCOMPARE(StatusTexts::LocalAddresses(3, local).text, QStringLiteral("IP локальний:") + local);
    QCOMPARE(StatusTexts::LocalAddresses(4, local).text, QStringLiteral("IP локальный:") + local);
    QCOMPARE(StatusTexts::LocalAddresses(5, local).text, QStringLiteral("Local IP:") + local);
    QCOMPARE(StatusTexts::LocalAddresses(5, local).colour, kGrey);
}

QTEST_MAIN(StatusTextsTest)
#include "status_texts_test.moc"
