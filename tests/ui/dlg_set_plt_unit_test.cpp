// The PLT-unit dialog: its entries per language, and that OK stores both
// settings while Cancel leaves them alone.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "common/modal_util.h"
#include "settings/app_settings.h"
#include "ui/dlg_set_plt_unit.h"

using pv::AppSettings;
using pv::ui::CDlgSetPltUnit;

class DlgSetPltUnitTest : public QObject {
    Q_OBJECT
private slots:
    void entriesPerLanguage_data();
    void entriesPerLanguage();
    void okStoresCancelKeeps();
};

void DlgSetPltUnitTest::entriesPerLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("zh") << 0 << QStringList{"1-0.0250mm(常规)", "2-0.0254mm(专用)", "3-自动识别", "4-0.01mm(专用)"};
    QTest::newRow("en") << 1 << QStringList{"1-0.0250mm", "2-0.0254mm", "3-Auto", "4-0.01mm"};
    QTest::newRow("uk") << 3 << QStringList{"1-0.0250mm", "2-0.0254mm", "3-Авто Визнач.", "4-0.01mm"};
    QTest::newRow("ru") << 4 << QStringList{"1-0.0250mm", "2-0.0254mm", "3-Auto", "4-0.01mm"};
}

void DlgSetPltUnitTest::entriesPerLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, entries);
    AppSettings s;
    s.Language = language;
    s.PltFileUnit = 2;
    s.UnitNoHintNextTime = 0;
    CDlgSetPltUnit dlg(s);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("PLT文件单位"));
    QStringList shown;
    for (int i = 0; i < dlg.UnitList()->count(); ++i) shown << dlg.UnitList()->itemText(i);
    QCOMPARE(shown, entries);
    QCOMPARE(dlg.UnitList()->currentIndex(), 2);
    QVERIFY(!dlg.NoHintBox()->isChecked());
}

void DlgSetPltUnitTest::okStoresCancelKeeps() {
    struct Case {
        const char* button;
        int unit;
        int noHint;
    };
    // Start from unit 0 with the hint switched off; choose unit 3, tick the
    // box off, and press the button.  The station's settings are a shared
    // record: OK changes only the two fields.
    for (const Case c : {Case{"cancel", 0, 1}, Case{"ok", 3, 0}}) {
        AppSettings start;
        start.PltFileUnit = 0;
        start.UnitNoHintNextTime = 1;
        start.Language = 1;
        pv::SharedRecord<AppSettings> s(start);
        CDlgSetPltUnit dlg(s);
        pv::test::ModalAnswerer answer;
        answer.Then([&](QDialog* d) {
            // Meanwhile the link stores the machine's address.
            s.Edit([](AppSettings& a) { a.MachineIP = 0x0100000A; });
            d->findChild<QComboBox*>("unit")->setCurrentIndex(3);
            d->findChild<QCheckBox*>("noHint")->setChecked(false);
            d->findChild<QPushButton*>(c.button)->click();
        });
        const int result = dlg.exec();
        QCOMPARE(result, std::string(c.button) == "ok" ? int(QDialog::Accepted) : int(QDialog::Rejected));
        const AppSettings after = s.Get();
        QCOMPARE(after.PltFileUnit, c.unit);
        QCOMPARE(after.UnitNoHintNextTime, c.noHint);
        QCOMPARE(after.MachineIP, 0x0100000A);
        QCOMPARE(after.Language, 1);
    }
}

QTEST_MAIN(DlgSetPltUnitTest)
#include "dlg_set_plt_unit_test.moc"
