#pragma once
// One running program per program directory and executable.  The first start
// holds a lock file and listens on a local socket, both named by the
// instance name; a second start finds the lock taken, asks the first over the
// socket to bring its window to the front and ends.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace pv::app {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,          // this is the only instance: the lock is held
        RaisedOther,    // another instance answered and shows its window
        OtherSilent,    // another instance holds the lock but did not answer
    };

    // The program directory followed by the executable's name without its
    // extension, every character that is not an ASCII letter made "_"
    // ("/opt/out 2/" and "a.exe" give "_opt_out__a").  Socket paths are
    // short on this platform: a longer name keeps its head and a hash of
    // the whole.
    static QString NameFor(const QString& programDir, const QString& executablePath);

    // `windowProperty` is what the first instance answers with ("PROP_KTR_Pelvane").
    SingleInstance(const QString& name, const QString& windowProperty, QObject* parent = nullptr);
    ~SingleInstance() override;

    Outcome Acquire();

signals:
    // A second start asked for the window.
    void raiseRequested();

private:
    void OnConnection();

    QString name_;
    QString property_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace pv::app
