// The window program and the command-line tool keep an installed program's
// directory in the same place: the window asks Qt for its application data
// folder, the tool works it out itself; they must agree, or the two would
// read different settings and watched folders.
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "settings/program_dir.h"

class ProgramDirTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndToolShareTheUsersDataFolder() {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        for (const char* name : {"Pelvane", "Orvanta"}) {
            QCoreApplication::setApplicationName(name);
            const QString qt = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/";
            QCOMPARE(qt, QString::fromStdString(pv::UserDataProgramDir(name)));
        }
    }
};

QTEST_MAIN(ProgramDirTest)
#include "program_dir_test.moc"
