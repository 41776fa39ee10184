// Adding a graded garment DXF file by hand: the window offers its sizes,
// only the ticked ones become the job, Cancel adds nothing, and with
// DxfGarmentLayers 0 the file is added without a question.
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/file_commands.h"
#include "common/modal_util.h"
#include "jobs/station.h"

using pv::app::FileCommands;

namespace {

const QString kNest = QStringLiteral(PV_TEST_DATA_DIR "/dxf/garment_nest.dxf");

int CutCurves(const pv::COnePage& page) {
    int n = 0;
    for (const pv::CCurve& c : page.curves) n += c.kind == pv::kFullCut ? 1 : 0;
    return n;
}

struct Desk {
    QTemporaryDir home;
    pv::Station station{pv::Edition::TwoHead};
    FileCommands files{station, nullptr, {}};
    Desk() {
        station.settings.Edit([this](pv::AppSettings& s) {
            s.ProgramDir = home.path().toStdString() + "/";
            s.HzFontPath = s.ProgramDir + "fon_hz.bin";
            s.EnFontPath = s.ProgramDir + "fon_en.bin";
        });
    }
};

}  // namespace

class GarmentSizesAddTest : public QObject {
    Q_OBJECT
private slots:
    void theTickedSizesBecomeTheJob() {
        Desk desk;
        pv::test::ModalAnswerer answer;
        QStringList offered;
        answer.Then([&offered](QDialog* d) {
            auto* list = d->findChild<QListWidget*>("sizes");
            for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
            list->item(0)->setCheckState(Qt::Unchecked);   // S
            d->findChild<QPushButton*>("ok")->click();
        });
        QVERIFY(desk.files.AddPath(kNest));
        QVERIFY(answer.WaitForHandlers());
        QCOMPARE(offered, (QStringList{"S", "M"}));
        QCOMPARE(desk.station.jobs.Count(), 1);
        QCOMPARE(CutCurves(*desk.station.jobs.JobAt(0)), 2);
    }

    void cancelAddsNothing() {
        Desk desk;
        pv::test::ModalAnswerer answer;
        answer.Then([](QDialog* d) { d->findChild<QPushButton*>("cancel")->click(); });
        QVERIFY(!desk.files.AddPath(kNest));
        QCOMPARE(desk.station.jobs.Count(), 0);
    }

    void switchedOffTheFileIsAddedWithoutAQuestion() {
        Desk desk;
        desk.station.settings.Edit([](pv::AppSettings& s) { s.DxfGarmentLayers = 0; });
        pv::test::ModalAnswerer answer;   // no handler: a dialog would be rejected
        QVERIFY(desk.files.AddPath(kNest));
        QCOMPARE(desk.station.jobs.Count(), 1);
        QCOMPARE(CutCurves(*desk.station.jobs.JobAt(0)), 0);
    }
};

QTEST_MAIN(GarmentSizesAddTest)
#include "garment_sizes_add_test.moc"
