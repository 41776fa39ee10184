// The firmware, network, ink-statistics and offset dialogs lay out whole in
// Chinese and English, with the translation file loaded as the program
// loads it: no label, button or field is squeezed below the width its text
// needs, and a short field shows its whole value.  With
// PV_SCREENSHOT_DIR set each is saved there as <dialog>-<zh|en>.png
// (docs/screenshots).
#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/language_resources.h"
#include "app/window_host.h"
#include "app/window_station.h"
#include "settings/settings_store.h"
#include "ui/dlg_firm_update.h"
#include "ui/dlg_ivs.h"
#include "ui/dlg_offset.h"
#include "ui/dlg_set_eth.h"

using namespace pv;
using namespace pv::app;
using namespace pv::ui;

class DialogScreenshotsTest : public QObject {
    Q_OBJECT
private slots:
    void dialogsLayOutWhole_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("Chinese") << 0 << "zh";
        QTest::newRow("English") << 1 << "en";
    }

    void dialogsLayOutWhole() {
        QFETCH(int, language);
        QFETCH(QString, code);
        LanguageTranslator translator;
        if (language != 0) QVERIFY(LanguageResources::Load(translator, language, Edition::TwoHead, {PV_QM_DIR}));
        QTemporaryDir home;
        WindowHost host;
        WindowStation ws(Edition::TwoHead, host);
        ws.station.settings.Edit([&](AppSettings& s) {
            InitProgramPaths(s, home.path().toStdString());
            NormaliseDirectories(s);
            s.Language = language;
            s.EnableInkVolumStatistic = 1;
            s.DropCountIB1 = 123456789;
            s.MachineIP = 0xB001A8C0;   // 192.168.1.176
        });
        ws.station.link.status.online.store(true);   // as an operator sees them on a machine
        const QString out = qEnvironmentVariable("PV_SCREENSHOT_DIR");
        if (!out.isEmpty()) QDir().mkpath(out);

        const std::pair<const char*, std::function<std::unique_ptr<QDialog>()>> dialogs[] = {
            {"firmware", [&] { return std::make_unique<CDlgFirmUpdate>(ws.link.commu(), language); }},
            {"network",
             [&] {
                 return std::make_unique<CDlgSetEth>(ws.station, QStringList{"192.168.1.20", "10.0.0.5"});
             }},
            {"ink", [&] { return std::make_unique<CDlgIVS>(ws.station); }},
            {"offset", [&] { return std::make_unique<CDlgOffset>(ws.station); }},
        };
        for (const auto& [name, make] : dialogs) {
            std::unique_ptr<QDialog> dialog = make();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            // The firmware dialog's list shows its first message at the
            // next tick of its 100 ms timer.
            for (QListWidget* list : dialog->findChildren<QListWidget*>()) QTRY_VERIFY(list->count() > 0);
            QCoreApplication::processEvents();
            const QString where = QString::fromUtf8(name);
            for (QWidget* w : dialog->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(dialog.get())) continue;
                if (auto* e = qobject_cast<QLineEdit*>(w); e && e->maximumWidth() <= 200) {
                    const int needs = e->fontMetrics().horizontalAdvance(e->text()) + 8;
                    QVERIFY2(e->width() >= needs, qPrintable(where + ": \"" + e->text() + "\" in " +
                                                             QString::number(e->width()) + " px"));
                }
                if (!(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))) continue;
                QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("%1: %2 is %3 px wide, needs %4")
                                        .arg(where, w->objectName())
                                        .arg(w->width())
                                        .arg(w->minimumSizeHint().width())));
            }
            if (out.isEmpty()) continue;
            const QImage shot = dialog->grab().toImage();
            QVERIFY(!shot.isNull());
            QVERIFY(shot.save(QStringLiteral("%1/%2-%3.png").arg(out, where, code)));
        }
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(DialogScreenshotsTest)
#include "dialog_screenshots_test.moc"
