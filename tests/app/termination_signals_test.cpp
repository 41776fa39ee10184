// SIGTERM, SIGINT and SIGHUP reach the window from any modal state: a
// message box (the start-up message about a damaged task file) or a dialog
// with a message box over it is closed, and the window's close is asked for
// once.  A box left standing is answered after a few seconds, so a lost
// signal fails the test instead of hanging it.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/termination_signals.h"

using pv::app::TerminationSignals;

namespace {

constexpr int kGiveUpMs = 5000;

// Runs `box` modally; true when something other than the give-up timer
// ended it.
bool EndedBeforeGivingUp(QDialog& box) {
    bool gaveUp = false;
    QTimer::singleShot(kGiveUpMs, &box, [&] {
        if (!box.isVisible()) return;
        gaveUp = true;
        box.done(QDialog::Accepted);
    });
    box.exec();
    return !gaveUp;
}

}  // namespace

class TerminationSignalsTest : public QObject {
    Q_OBJECT
private slots:
    void aSignalClosesAModalMessageBox_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalClosesAModalMessageBox() {
        QFETCH(int, signal);
        TerminationSignals terminations;
        QVERIFY(terminations.installed());
        QSignalSpy asked(&terminations, &TerminationSignals::requested);
        QMessageBox box(QMessageBox::Warning, "Pelvane", "The print task file is damaged and was not restored",
                        QMessageBox::Ok);
        QTimer::singleShot(50, [signal] { std::raise(signal); });
        QVERIFY2(EndedBeforeGivingUp(box), "the signal was lost behind the message box");
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.first().first().toInt(), signal);
        QCOMPARE(terminations.received(), signal);
    }

    void aSignalClosesNestedModalWindows() {
        TerminationSignals terminations;
        QSignalSpy asked(&terminations, &TerminationSignals::requested);
        QDialog dialog;
        QMessageBox box(QMessageBox::Question, "Pelvane", "Delete?", QMessageBox::Ok | QMessageBox::Cancel, &dialog);
        bool boxEnded = false;
        QTimer::singleShot(20, &dialog, [&] {
            QTimer::singleShot(50, [] { std::raise(SIGTERM); });
            boxEnded = EndedBeforeGivingUp(box);
        });
        QVERIFY2(EndedBeforeGivingUp(dialog), "the dialog under the box stayed");
        QVERIFY2(boxEnded, "the box stayed");
        QCOMPARE(asked.count(), 1);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void withoutASignalNothingIsAsked() {
        TerminationSignals terminations;
        QSignalSpy asked(&terminations, &TerminationSignals::requested);
        QCoreApplication::processEvents();
        QCOMPARE(asked.count(), 0);
        QCOMPARE(terminations.received(), 0);
    }
};

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
