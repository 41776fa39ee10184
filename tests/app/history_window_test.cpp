// The History window: the rows of the program directory's history newest
// first, picked by result and period, the totals of what is picked, Export
// CSV; in every interface language none of its texts stays Chinese.  With
// PV_SCREENSHOT_DIR set its Chinese and English pictures are saved there
// (docs/screenshots/history-zh.png, history-en.png).
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/language_resources.h"
#include "history/history_store.h"
#include "ui/history_window.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

namespace {

// A history of six copies over the last days, in `dir`.
void WriteHistory(const QString& dir) {
    HistoryStore store;
    QVERIFY(store.OpenForWriting((dir + "/History.db").toStdString()) == HistoryOpen::Opened);
    const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
    const std::int64_t hour = 3600 * 1000;
    struct Row { const char* name; CopyResult result; std::int64_t agoH; std::int64_t minutes; JobOrigin origin; const char* why; };
    const Row rows[] = {
        {"shirt-size-38.plt", CopyResult::Finished, 50, 14, JobOrigin::AutoFolder, ""},
        {"shirt-size-40.plt", CopyResult::Finished, 49, 15, JobOrigin::AutoFolder, ""},
        {"trousers-A.dxf", CopyResult::Failed, 26, 3, JobOrigin::ManualAdd, "Send cut data failed!"},
        {"trousers-A.dxf", CopyResult::Finished, 25, 22, JobOrigin::ManualAdd, ""},
        {"jacket-marker.plt", CopyResult::Stopped, 5, 6, JobOrigin::ManualFolder, ""},
        {"jacket-marker.plt", CopyResult::Interrupted, 2, 9, JobOrigin::ManualFolder, ""},
    };
    int k = 0;
    for (const Row& r : rows) {
        CopyRecord c;
        c.edition = "Pelvane";
        c.fileName = r.name;
        c.filePath = std::string("/srv/markers/") + r.name;
        c.origin = r.origin;
        c.result = r.result;
        c.message = r.why;
        c.startedMs = now - r.agoH * hour;
        c.endedMs = c.startedMs + r.minutes * 60'000;
        c.bandsTotal = 120 + 10 * k;
        c.bandsSent = r.result == CopyResult::Finished ? c.bandsTotal : c.bandsTotal / 3;
        c.widthMm = 1600;
        c.lengthMm = 4000 + 500 * k;
        c.paperMm = c.lengthMm + 60;
        c.knifeMm = 3.1 * c.lengthMm;
        c.drops = {1'200'000'000 + 100'000'000LL * k, 900'000'000, 0, 0};
        QVERIFY(store.Insert(c) != 0);
        ++k;
    }
}

bool HasChinese(const QString& s) { return s.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))); }

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void rowsTotalsFiltersAndExport();
    void noTextStaysChinese_data();
    void noTextStaysChinese();
};

void HistoryWindowTest::rowsTotalsFiltersAndExport() {
    QTemporaryDir home;
    WriteHistory(home.path());
    CHistoryWnd w(home.path() + "/", Edition::TwoHead);
    QCOMPARE(w.table()->rowCount(), 6);
    QCOMPARE(w.table()->item(0, 1)->text(), QString("jacket-marker.plt"));   // newest first
    QCOMPARE(w.table()->item(5, 1)->text(), QString("shirt-size-38.plt"));
    QVERIFY(w.totalsLabel()->text().contains(QString::fromUtf8("共 6 份（完成 3，停止 1，失败 1，中断 1）")));
    QVERIFY2(w.totalsLabel()->text().contains(QString::fromUtf8("最长: trousers-A.dxf (0:22:00)")),
             qPrintable(w.totalsLabel()->text()));

    w.resultBox()->setCurrentIndex(3);   // failed
    QCOMPARE(w.table()->rowCount(), 1);
    QCOMPARE(w.table()->item(0, w.table()->columnCount() - 1)->text(), QString("Send cut data failed!"));
    w.resultBox()->setCurrentIndex(0);
    w.periodBox()->setCurrentIndex(static_cast<int>(CHistoryWnd::Period::Today));
    const HistoryFilter today = w.Filter(QDateTime::currentMSecsSinceEpoch());
    QVERIFY(today.sinceMs.has_value());
    for (int r = 0; r < w.table()->rowCount(); ++r)
        QVERIFY(QDateTime::fromString(w.table()->item(r, 0)->text(), "yyyy-MM-dd HH:mm:ss").date() ==
                QDate::currentDate());

    w.periodBox()->setCurrentIndex(static_cast<int>(CHistoryWnd::Period::All));
    const QString csv = home.filePath("out.csv");
    QString error;
    QVERIFY2(w.ExportTo(csv, &error), qPrintable(error));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
    QVERIFY(lines[0].startsWith("id,edition,file_path,file_name"));
    QVERIFY(!w.ExportTo(home.filePath("no-such-folder/out.csv"), &error));
    QVERIFY(!error.isEmpty());
}

void HistoryWindowTest::noTextStaysChinese_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("fourHead");
    for (bool four : {false, true})
        for (int language = 0; language < (four ? 5 : 7); ++language)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(four ? "orvanta" : "pelvane").arg(language)))
                << language << four;
}

void HistoryWindowTest::noTextStaysChinese() {
    QFETCH(int, language);
    QFETCH(bool, fourHead);
    const Edition edition = fourHead ? Edition::FourHead : Edition::TwoHead;
    LanguageTranslator translator;
    if (language != 0) QVERIFY(LanguageResources::Load(translator, language, edition, {PV_QM_DIR}));
    QTemporaryDir home;
    WriteHistory(home.path());
    {
        CHistoryWnd w(home.path() + "/", edition);
        QCOMPARE(w.table()->columnCount(), fourHead ? 15 : 13);
        if (language != 0) {
            QStringList texts{w.windowTitle(), w.totalsLabel()->text()};
            for (int c = 0; c < w.table()->columnCount(); ++c) texts << w.table()->horizontalHeaderItem(c)->text();
            for (QComboBox* box : {w.periodBox(), w.resultBox()})
                for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
            for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
            for (QPushButton* b : w.findChildren<QPushButton*>()) texts << b->text();
            for (int r = 0; r < w.table()->rowCount(); ++r)
                for (int c : {2, 4}) texts << w.table()->item(r, c)->text();
            for (const QString& t : texts) QVERIFY2(!HasChinese(t), qPrintable(t));
        }
        const QString out = qEnvironmentVariable("PV_SCREENSHOT_DIR");
        if (!out.isEmpty() && !fourHead && language <= 1) {
            QDir().mkpath(out);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            const QImage shot = w.grab().toImage();
            QVERIFY(shot.save(QStringLiteral("%1/history-%2.png").arg(out, language == 0 ? "zh" : "en")));
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
