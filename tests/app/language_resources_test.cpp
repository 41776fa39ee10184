// The interface languages: which translation file each Language value loads
// in each edition, a missing file leaving the built-in Chinese texts, and the
// English file leaving no Chinese text in the window's menus, button bar,
// list columns, list menu and status panes.
#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/language_resources.h"
#include "app/main_frame.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "settings/settings_store.h"
#include "ui/color_status_bar.h"
#include "ui/my_dlg_bar.h"
#include "ui/my_list_view.h"

using namespace pv;
using namespace pv::app;

namespace {

bool HasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    return han.match(text).hasMatch();
}

// Every visible text of the window that comes from the language file.
QStringList WindowTexts(CMainFrame& frame) {
    QStringList texts;
    for (QAction* menu : frame.menuBar()->actions()) {
        texts << menu->text();
        // The language names are written in their own language on purpose.
        if (menu->text().contains("Language")) continue;
        for (QAction* item : menu->menu()->actions()) texts << item->text();
    }
    for (QToolButton* b : frame.bar()->findChildren<QToolButton*>()) texts << b->text();
    for (QWidget* w : frame.bar()->findChildren<QWidget*>())
        if (auto* l = qobject_cast<QAbstractButton*>(w)) texts << l->text();
    return texts;
}

}  // namespace

class LanguageResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void fileNamesFollowTheEdition_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("fourHead");
        QTest::addColumn<QString>("name");
        QTest::newRow("chinese") << 0 << false << "";
        QTest::newRow("english") << 1 << false << "DLL_EN.qm";
        QTest::newRow("turkish") << 2 << false << "DLL_Turkey.qm";
        QTest::newRow("ukrainian") << 3 << false << "Dll_Ukraine.qm";
        QTest::newRow("russian") << 4 << false << "DLL_Russian.qm";
        QTest::newRow("vietnamese") << 5 << false << "DLL_Vietnamese.qm";
        QTest::newRow("polish") << 6 << false << "DLL_Polish.qm";
        QTest::newRow("unknown") << 7 << false << "";
        QTest::newRow("four-head english") << 1 << true << "Dll4_EN.qm";
        QTest::newRow("four-head russian") << 4 << true << "Dll4_Russian.qm";
        QTest::newRow("four-head vietnamese") << 5 << true << "";
        QTest::newRow("four-head polish") << 6 << true << "";
    }
    void fileNamesFollowTheEdition() {
        QFETCH(int, language);
        QFETCH(bool, fourHead);
        QFETCH(QString, name);
        QCOMPARE(LanguageResources::FileName(language, fourHead ? Edition::FourHead : Edition::TwoHead), name);
    }

    void missingOrBrokenFilesKeepTheBuiltInTexts() {
        QTemporaryDir dir;
        LanguageTranslator translator;
        QVERIFY(!LanguageResources::Load(translator, 3, Edition::TwoHead, {dir.path()}));
        QFile broken(dir.filePath("DLL_EN.qm"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a translation file");
        broken.close();
        QVERIFY(!LanguageResources::Load(translator, 1, Edition::TwoHead, {dir.path()}));
    }

    void englishLeavesNoChineseInTheWindow_data() {
        QTest::addColumn<bool>("fourHead");
        QTest::newRow("Pelvane") << false;
        QTest::newRow("Orvanta") << true;
    }
    void englishLeavesNoChineseInTheWindow() {
        QFETCH(bool, fourHead);
        const Edition edition = fourHead ? Edition::FourHead : Edition::TwoHead;
        LanguageTranslator translator;
        QVERIFY(LanguageResources::Load(translator, 1, edition, {PV_QM_DIR}));
        QTemporaryDir home;
        WindowHost host;
        WindowStation ws(edition, host);
        AppSettings settings = ws.station.settings.Get();
        InitProgramPaths(settings, home.path().toStdString());
        settings.Language = 1;
        ws.station.settings.Set(settings);
        {
            CMainFrame frame(ws, host, QString());
            const QStringList texts = WindowTexts(frame);
            QVERIFY(texts.size() > 30);
            for (const QString& t : texts) QVERIFY2(!HasChinese(t), qPrintable(t));
            auto* list = frame.list();
            for (int c = 0; c < list->columnCount(); ++c) {
                const QString title = list->horizontalHeaderItem(c) ? list->horizontalHeaderItem(c)->text() : QString();
                QVERIFY2(!HasChinese(title), qPrintable(title));
            }
            for (int pane = 0; pane < frame.status()->PaneCount(); ++pane)
                QVERIFY2(!HasChinese(frame.status()->PaneText(pane)), qPrintable(frame.status()->PaneText(pane)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(LanguageResourcesTest)
#include "language_resources_test.moc"
