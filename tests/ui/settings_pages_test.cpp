// The directory page's folder rules and the page captures.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include "dialog_test_util.h"
#include "ui/dlg_p_dir.h"
#include "ui/dlg_p_mac.h"
#include "ui/dlg_para.h"
#include "ui/page_capture.h"

using namespace pv;
using namespace pv::ui;
using pv::test::DrainQueue;
using pv::test::DialogAnswerer;
using pv::test::TestStation;

class SettingsPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void browseRefusesTheProgramFolderAndShortPaths();
    void applyMakesTheBackupFolderAndNormalisesTheOthers();
    void backupFolderThatCannotBeMadeIsReportedOnlyWhenBackingUp();
    void emptyBackupFieldStopsAfterTheWatchedFolders();
    void directoryPageStoresItsFieldsAndSendsDarkLinesOnline();
    void captureNamesFollowPageEditionAndLanguage();
    void captureIsASixteenBitBottomUpBitmap();
    void captureButtonSavesThePageOnTheDesktop();

private:
    QTemporaryDir home_;
};

void SettingsPagesTest::initTestCase() {
    // The desktop folder of the captures lies in this test's own home.
    qputenv("HOME", home_.path().toUtf8());
}

void SettingsPagesTest::browseRefusesTheProgramFolderAndShortPaths() {
    TestStation ts(Edition::TwoHead);
    CDlgPDir page(*ts);
    const QString before = page.folderEdit(CDlgPDir::Automatic)->text();
    DialogAnswerer answers;
    QString chosen;
    page.SetFolderPicker([&] { return chosen; });
    QString program = QString::fromStdString(ts.S().ProgramDir);
    program.chop(1);   // the picker answers without the separator
    for (const QString& refused : {program, QString("/")}) {
        chosen = refused;
        page.Browse(CDlgPDir::Automatic);
    }
    QCOMPARE(answers.messages, QStringList(2, "非法的临时文件目录"));
    QCOMPARE(page.folderEdit(CDlgPDir::Automatic)->text(), before);
    chosen = "";   // Cancel
    page.Browse(CDlgPDir::Manual);
    QCOMPARE(answers.messages.size(), 2);

    chosen = ts.dir.path() + "/elsewhere";
    page.Browse(CDlgPDir::Backup);
    QCOMPARE(page.folderEdit(CDlgPDir::Backup)->text(), chosen + "/");
}

void SettingsPagesTest::applyMakesTheBackupFolderAndNormalisesTheOthers() {
    TestStation ts(Edition::TwoHead);
    CDlgPDir page(*ts);
    const QString program = QString::fromStdString(ts.S().ProgramDir);
    const QString backup = ts.dir.path() + "/printed";
    page.folderEdit(CDlgPDir::Automatic)->setText(program);   // typed by hand: accepted, then replaced
    page.folderEdit(CDlgPDir::Backup)->setText(backup);
    DialogAnswerer answers;
    QVERIFY(page.Apply());
    QCOMPARE(answers.messages, QStringList{});
    QCOMPARE(QString::fromStdString(ts.S().BackupDir), backup + "/");
    QVERIFY(QFileInfo(backup).isDir());
    QCOMPARE(QString::fromStdString(ts.S().AutoDir), program + "DirAuto/");
    QCOMPARE(page.folderEdit(CDlgPDir::Automatic)->text(), program + "DirAuto/");
}

void SettingsPagesTest::backupFolderThatCannotBeMadeIsReportedOnlyWhenBackingUp() {
    for (int backingUp : {0, 1}) {
        TestStation ts(Edition::TwoHead);
        ts->settings.Edit([&](AppSettings& s) { s.BackupPrintedFiles = backingUp; });
        CDlgPDir page(*ts);
        // A folder inside a missing one cannot be made in one step.
        const QString unmakeable = ts.dir.path() + "/missing/backup/";
        page.folderEdit(CDlgPDir::Backup)->setText(unmakeable);
        DialogAnswerer answers;
        QVERIFY(page.Apply());
        QCOMPARE(answers.messages, backingUp ? QStringList{"创建备份目录失败!"} : QStringList{});
    }
}

void SettingsPagesTest::emptyBackupFieldStopsAfterTheWatchedFolders() {
    TestStation ts(Edition::TwoHead);
    CDlgPDir page(*ts);
    const QString manual = ts.dir.path() + "/manual/";
    QDir().mkpath(manual);
    page.folderEdit(CDlgPDir::Manual)->setText(manual);
    page.folderEdit(CDlgPDir::Backup)->setText("");
    page.filterEdit()->setText("*.dxf;");
    DialogAnswerer answers;
    QVERIFY(!page.Apply());
    QCOMPARE(answers.messages.size(), 1);
    QCOMPARE(QString::fromStdString(ts.S().ManDir), manual);
    QCOMPARE(QString::fromStdString(ts.S().PrtFileExtension), QString("*.plt;*.hpg;"));
    QCOMPARE(ts->link.queue.Count(), 0);
}

void SettingsPagesTest::directoryPageStoresItsFieldsAndSendsDarkLinesOnline() {
    for (bool online : {true, false}) {
        TestStation ts(Edition::TwoHead, online);
        CDlgPDir page(*ts);
        QCOMPARE(page.darkLinesCheck()->isEnabled(), online);
        QVERIFY(page.lineWidthGroup()->button(1)->isChecked());   // LineWidth 2
        page.lineWidthGroup()->button(6)->setChecked(true);
        page.logoEdit()->setText("Shop 7");
        page.logoSizeEdit()->setText("11");
        DialogAnswerer answers;
        QVERIFY(!page.Apply());
        QCOMPARE(answers.messages, QStringList{"请输入一个 0 至 10 之间的整数。"});
        QCOMPARE(ts.S().LineWidth, 2);
        page.logoSizeEdit()->setText("9");
        page.backupCheck()->setChecked(true);
        if (online) page.darkLinesCheck()->setChecked(true);
        QVERIFY(page.Apply());
        QCOMPARE(answers.messages.size(), 1);   // offline stays silent
        QCOMPARE(ts.S().LineWidth, 7);
        QCOMPARE(ts.S().CusStrFontSize, 9);
        QCOMPARE(ts.S().CustomString, std::string("Shop 7"));
        QCOMPARE(ts.S().BackupPrintedFiles, 1);
        QCOMPARE(ts.P().machine.darkLines, online ? 1 : 0);
        QCOMPARE(DrainQueue(*ts), online ? std::vector<int>{0x25} : std::vector<int>{});
    }
}

void SettingsPagesTest::captureNamesFollowPageEditionAndLanguage() {
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    struct Case {
        CaptureKind kind;
        Edition edition;
        int language;
        const char* name;
    };
    const Case cases[] = {
        {CaptureKind::Machine, Edition::TwoHead, 1, "Para2026-03-04 05h06m07s.jpg"},
        {CaptureKind::Misc, Edition::TwoHead, 2, "MiscPara2026-03-04 05h06m07s.jpg"},
        {CaptureKind::Advanced, Edition::TwoHead, 1, "AdvPara2026-03-04 05h06m07s.jpg"},
        {CaptureKind::Advanced, Edition::FourHead, 1, "ProtectPara2026-03-04 05h06m07s.jpg"},
        {CaptureKind::Machine, Edition::TwoHead, 0, "参数2026年03月04日05时06分07秒.jpg"},
        {CaptureKind::Misc, Edition::FourHead, 0, "杂项参数2026年03月04日05时06分07秒.jpg"},
        {CaptureKind::Advanced, Edition::FourHead, 0, "高级参数2026年03月04日05时06分07秒.jpg"},
    };
    for (const Case& c : cases) QCOMPARE(CaptureFileName(c.kind, c.edition, c.language, when), QString(c.name));
}

void SettingsPagesTest::captureIsASixteenBitBottomUpBitmap() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(0, 0, qRgb(255, 0, 0));     // top left: red
    image.setPixel(2, 1, qRgb(0, 0, 255));     // bottom right: blue
    QTemporaryDir dir;
    const QString path = dir.filePath("cap.jpg");
    QVERIFY(WriteBitmap16(image, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    const int rowBytes = 8;   // 3 pixels × 2 bytes, padded to 4
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(u32(2), quint32(54 + rowBytes * 2));
    QCOMPARE(qsizetype(u32(2)), b.size());
    QCOMPARE(u32(10), 54u);
    QCOMPARE(u32(14), 40u);
    QCOMPARE(u32(18), 3u);
    QCOMPARE(u32(22), 2u);   // positive height: bottom-up
    QCOMPARE(u16(26), quint16(1));
    QCOMPARE(u16(28), quint16(16));
    QCOMPARE(u32(30), 0u);
    // The first row stored is the bottom one: blue at its end; then red first.
    QCOMPARE(u16(54 + 4), quint16(0x001F));
    QCOMPARE(u16(54 + rowBytes), quint16(0x7C00));
    QCOMPARE(u16(54 + 6), quint16(0));   // padding
}

void SettingsPagesTest::captureButtonSavesThePageOnTheDesktop() {
    TestStation ts(Edition::TwoHead);
    ts->settings.Edit([&](AppSettings& s) { s.Language = 1; });
    CDlgPara dialog(*ts);
    dialog.resize(800, 600);
    auto* mac = dialog.Find<CDlgPMac>();
    DialogAnswerer answers;
    mac->captureButton()->click();
    QTRY_COMPARE_WITH_TIMEOUT(answers.messages.size(), 1, 5000);
    QVERIFY(answers.messages[0].startsWith("Capture save to " + DesktopFolder() + "/Para"));
    const QString path = answers.messages[0].mid(QString("Capture save to ").size());
    QVERIFY(path.endsWith(".jpg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));
}

QTEST_MAIN(SettingsPagesTest)
#include "settings_pages_test.moc"
