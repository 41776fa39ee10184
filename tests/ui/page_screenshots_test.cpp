// Every page of the parameter dialog lays out on screen: each tab of both
// editions grabs to a picture with its fields inside.  With
// PV_SCREENSHOT_DIR set the pictures are saved there (docs/screenshots).
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "dialog_test_util.h"
#include "ui/dlg_para.h"
#include "ui/para_page.h"

using namespace pv;
using namespace pv::ui;
using pv::test::TestStation;

class PageScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTabOfBothEditionsFitsTheDialog();
};

void PageScreenshotsTest::everyTabOfBothEditionsFitsTheDialog() {
    const QString out = qEnvironmentVariable("PV_SCREENSHOT_DIR");
    if (!out.isEmpty()) QDir().mkpath(out);
    for (Edition e : {Edition::TwoHead, Edition::FourHead}) {
        for (int language : {0, 1}) {
            TestStation ts(e);
            ts->settings.Edit([&](AppSettings& s) { s.Language = language; });
            CDlgPara dialog(*ts);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            for (int tab = 0; tab < dialog.PageCount(); ++tab) {
                dialog.tabs()->setCurrentIndex(tab);
                QCoreApplication::processEvents();
                ParaPage* page = dialog.PageAt(tab);
                // The page shows all its widgets inside the dialog.
                QVERIFY(page->okButton()->isVisible());
                QVERIFY(dialog.rect().contains(page->okButton()->mapTo(&dialog, QPoint(0, 0))));
                const QImage shot = dialog.grab().toImage();
                QVERIFY(!shot.isNull());
                if (!out.isEmpty()) {
                    const QString name = QString("parameters-%1-%2-tab%3.png")
                                             .arg(IsFourHead(e) ? "orvanta" : "pelvane")
                                             .arg(language == 0 ? "zh" : "en")
                                             .arg(tab);
                    QVERIFY(shot.save(out + "/" + name));
                }
            }
        }
    }
}

QTEST_MAIN(PageScreenshotsTest)
#include "page_screenshots_test.moc"
