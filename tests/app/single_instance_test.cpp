// One program per program directory: the instance name rule, a second start
// bringing the first window forward, and a lock whose holder does not answer.
#include <QDir>
#include <QLockFile>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <future>

#include "app/single_instance.h"

using pv::app::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void nameKeepsOnlyAsciiLetters_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("name");
        QTest::newRow("drive folder with a blank") << "C:\\Out 2\\" << "a.exe" << "C__Out___a";
        QTest::newRow("unix folder") << "/opt/out 2/" << "/usr/bin/Pelvane" << "_opt_out___Pelvane";
        QTest::newRow("non-ASCII letters") << QString::fromUtf8("/输出/") << "Orvanta" << "____Orvanta";
    }
    void nameKeepsOnlyAsciiLetters() {
        QFETCH(QString, dir);
        QFETCH(QString, exe);
        QFETCH(QString, name);
        QCOMPARE(SingleInstance::NameFor(dir, exe), name);
    }

    void longNamesStayShortAndDistinct() {
        const QString deep = "/" + QString("abcdefghij/").repeated(20);
        const QString a = SingleInstance::NameFor(deep + "x/", "Pelvane");
        const QString b = SingleInstance::NameFor(deep + "y/", "Pelvane");
        QVERIFY(a.size() <= 80);
        QVERIFY(a != b);
    }

    void secondStartRaisesTheFirst() {
        const QString name = "pvtest" + QUuid::createUuid().toString(QUuid::Id128).left(12);
        SingleInstance first(name, "PROP_KTR_Pelvane");
        QCOMPARE(first.Acquire(), SingleInstance::Outcome::First);
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        // The second start runs where the first can answer it: its own thread.
        auto second = std::async(std::launch::async, [name] {
            SingleInstance other(name, "PROP_KTR_Pelvane");
            return other.Acquire();
        });
        QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 10000);
        QCOMPARE(second.get(), SingleInstance::Outcome::RaisedOther);
        QCOMPARE(raised.count(), 1);
    }

    void aHolderThatDoesNotAnswerIsReported() {
        const QString name = "pvtest" + QUuid::createUuid().toString(QUuid::Id128).left(12);
        QLockFile held(QDir(QDir::tempPath()).filePath(name + ".lock"));
        QVERIFY(held.tryLock(0));
        SingleInstance second(name, "PROP_KTR_Pelvane");
        QCOMPARE(second.Acquire(), SingleInstance::Outcome::OtherSilent);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
