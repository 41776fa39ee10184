// The naming rules of the file commands: which files take the DXF path, the
// name a saved PLT gets, the add dialog's filters and the test patterns.
#include <QTemporaryDir>
#include <QTest>

#include "app/file_commands.h"
#include "app/test_patterns.h"
#include "jobs/station.h"

using pv::app::FileCommands;

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void dxfNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("dxf");
        QTest::newRow("upper") << "A.DXF" << true;
        QTest::newRow("lower") << "/p/a.dxf" << true;
        QTest::newRow("mixed") << "x.Dxf" << true;
        QTest::newRow("short extension") << "a.dx" << false;
        QTest::newRow("longer extension") << "a.dxf2" << false;
        QTest::newRow("plt") << "a.plt" << false;
    }
    void dxfNames() {
        QFETCH(QString, path);
        QFETCH(bool, dxf);
        QCOMPARE(FileCommands::IsDxfName(path), dxf);
    }

    void pltSaveNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "out" << "out.plt";
        QTest::newRow("upper extension kept") << "out.PLT" << "out.PLT";
        QTest::newRow("short extension") << "out.pl" << "out.pl.plt";
        QTest::newRow("only the extension") << ".plt" << ".plt.plt";
        QTest::newRow("mixed case") << "/d/a.Plt" << "/d/a.Plt";
    }
    void pltSaveNames() {
        QFETCH(QString, name);
        QFETCH(QString, saved);
        QCOMPARE(FileCommands::PltSaveName(name), saved);
    }

    void addFiltersFollowTheFileType() {
        QCOMPARE(FileCommands::AddFileFilters(0).size(), 3);
        QVERIFY(FileCommands::AddFileFilters(1).first().startsWith("HPGL Files"));
        QVERIFY(FileCommands::AddFileFilters(2).first().startsWith("DXF Files"));
        QVERIFY(FileCommands::AddFileFilters(7).first().startsWith("Support Files"));
        QVERIFY(FileCommands::AddFileFilters(-1).first().startsWith("Support Files"));
    }

    void testPatternsAreSquaresOfTheirSize() {
        QTemporaryDir home;
        QCOMPARE(pv::app::InstallTestPatterns(home.path()), 6);
        QCOMPARE(pv::app::InstallTestPatterns(home.path()), 0);   // present files are kept
        const std::pair<int, int> sizes[] = {{800, 10}, {801, 20}, {802, 30}, {803, 40}, {804, 50}, {805, 100}};
        for (auto [command, mm] : sizes) {
            pv::Station s(pv::Edition::TwoHead);
            const QString path = home.filePath(FileCommands::TestPatternPath(command));
            QVERIFY2(s.AddFile(path.toStdString()), qPrintable(path));
            const pv::COnePage* job = s.jobs.JobAt(0);
            QCOMPARE(job->maxX - job->minX, mm * 40);   // plotter units of 1/40 mm
            QCOMPARE(job->maxY - job->minY, mm * 40);
        }
        QVERIFY(FileCommands::TestPatternPath(806).isEmpty());
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
