// The size check list of a graded garment DXF file: every size ticked at
// first, OK refused while none is ticked, the ticked sizes in file order.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/dlg_garment_sizes.h"

using pv::ui::CDlgGarmentSizes;

class DlgGarmentSizesTest : public QObject {
    Q_OBJECT
private slots:
    void tickedSizesAreChosenAndNoneRefusesOk() {
        CDlgGarmentSizes dlg("nest.dxf", {"S", "M", "L"});
        QCOMPARE(dlg.windowTitle(), QStringLiteral("选择尺码"));
        QCOMPARE(dlg.Chosen(), (QStringList{"S", "M", "L"}));
        QVERIFY(dlg.OkButton()->isEnabled());

        dlg.SizeList()->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(dlg.Chosen(), (QStringList{"S", "L"}));
        dlg.SizeList()->item(0)->setCheckState(Qt::Unchecked);
        dlg.SizeList()->item(2)->setCheckState(Qt::Unchecked);
        QVERIFY(dlg.Chosen().isEmpty());
        QVERIFY(!dlg.OkButton()->isEnabled());
        dlg.SizeList()->item(2)->setCheckState(Qt::Checked);
        QVERIFY(dlg.OkButton()->isEnabled());
        QCOMPARE(dlg.Chosen(), (QStringList{"L"}));
    }
};

QTEST_MAIN(DlgGarmentSizesTest)
#include "dlg_garment_sizes_test.moc"
