// Every page of the parameter dialog lays out on screen in every interface
// language, with its translation file loaded as the program loads it: the
// page's OK button lies inside the dialog and no label or button is squeezed
// below the width its text needs, and every field shows its whole value.  With PV_SCREENSHOT_DIR set the Chinese
// and English pages of both editions are saved there (docs/screenshots).
#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/language_resources.h"
#include "jobs/station.h"
#include "settings/settings_store.h"
#include "ui/dlg_para.h"
#include "ui/para_page.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

class ParameterScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTabFitsTheDialog_data();
    void everyTabFitsTheDialog();
};

void ParameterScreenshotsTest::everyTabFitsTheDialog_data() {
    QTest::addColumn<bool>("fourHead");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("picture");   // the name part of saved pictures, empty: none
    for (bool four : {false, true}) {
        const int languages = four ? 5 : 7;   // the four-head program has no Vietnamese or Polish
        for (int language = 0; language < languages; ++language) {
            const QString edition = four ? "orvanta" : "pelvane";
            const QString picture = language == 0 ? edition + "-zh" : language == 1 ? edition + "-en" : QString();
            const QString file = LanguageResources::FileName(language, four ? Edition::FourHead : Edition::TwoHead);
            const QString row = language == 0 ? edition + " built-in Chinese" : file;
            QTest::newRow(qPrintable(row)) << four << language << picture;
        }
    }
}

void ParameterScreenshotsTest::everyTabFitsTheDialog() {
    QFETCH(bool, fourHead);
    QFETCH(int, language);
    QFETCH(QString, picture);
    const Edition edition = fourHead ? Edition::FourHead : Edition::TwoHead;
    LanguageTranslator translator;
    if (language != 0) QVERIFY(LanguageResources::Load(translator, language, edition, {PV_QM_DIR}));

    QTemporaryDir home;
    Station station(edition);
    station.settings.Edit([&](AppSettings& s) {
        InitProgramPaths(s, home.path().toStdString());
        NormaliseDirectories(s);
        s.Language = language;
    });
    station.link.status.online.store(true);   // the pages as an operator sees them on a machine
    const QString out = qEnvironmentVariable("PV_SCREENSHOT_DIR");
    if (!out.isEmpty()) QDir().mkpath(out);
    {
        CDlgPara dialog(station);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int tab = 0; tab < dialog.PageCount(); ++tab) {
            dialog.tabs()->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            ParaPage* page = dialog.PageAt(tab);
            QVERIFY(page->okButton()->isVisible());
            QVERIFY(dialog.rect().contains(page->okButton()->mapTo(&dialog, QPoint(0, 0))));
            for (QLineEdit* e : page->findChildren<QLineEdit*>()) {
                // A number shows whole, with the frame's few pixels beside
                // it; a folder path may scroll in its wide field.
                if (e->maximumWidth() > 200) continue;
                const int needs = e->fontMetrics().horizontalAdvance(e->text()) + 8;
                QVERIFY2(!e->isVisibleTo(page) || e->width() >= needs,
                         qPrintable(QStringLiteral("tab %1: \"%2\" in a %3 px field").arg(tab).arg(e->text()).arg(e->width())));
            }
            for (QWidget* w : page->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(page) || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
                    continue;
                QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("tab %1: %2 is %3 px wide, needs %4")
                                        .arg(tab)
                                        .arg(w->objectName())
                                        .arg(w->width())
                                        .arg(w->minimumSizeHint().width())));
            }
            if (picture.isEmpty() || out.isEmpty()) continue;
            const QImage shot = dialog.grab().toImage();
            QVERIFY(!shot.isNull());
            QVERIFY(shot.save(QStringLiteral("%1/parameters-%2-tab%3.png").arg(out, picture).arg(tab)));
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(ParameterScreenshotsTest)
#include "parameter_screenshots_test.moc"
