#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace pv::app {

namespace {
constexpr int kAnswerWaitMs = 2000;
constexpr int kMaxNameLength = 80;
const char kRaiseRequest[] = "raise\n";
}  // namespace

QString SingleInstance::NameFor(const QString& programDir, const QString& executablePath) {
    const QString full = programDir + QFileInfo(executablePath).completeBaseName();
    QString name;
    name.reserve(full.size());
    for (QChar c : full) {
        const char16_t u = c.unicode();
        name += ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) ? c : QChar('_');
    }
    if (name.size() > kMaxNameLength) {
        const QByteArray hash = QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name = name.left(kMaxNameLength - 17) + '_' + QString::fromLatin1(hash);
    }
    return name;
}

SingleInstance::SingleInstance(const QString& name, const QString& windowProperty, QObject* parent)
    : QObject(parent), name_(name), property_(windowProperty) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
}

SingleInstance::~SingleInstance() { server_.close(); }

SingleInstance::Outcome SingleInstance::Acquire() {
    lock_ = std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(name_ + ".lock"));
    // A lock left by a program that died is taken over (its process is gone).
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        QLocalServer::removeServer(name_);   // a socket file left by a crash
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        server_.listen(name_);
        return Outcome::First;
    }
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kAnswerWaitMs)) return Outcome::OtherSilent;
    socket.write(kRaiseRequest);
    socket.flush();
    if (!socket.waitForReadyRead(kAnswerWaitMs)) return Outcome::OtherSilent;
    const QByteArray answer = socket.readLine().trimmed();
    return answer == property_.toLatin1() ? Outcome::RaisedOther : Outcome::OtherSilent;
}

void SingleInstance::OnConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            if (socket->readLine() != kRaiseRequest) {
                socket->disconnectFromServer();
                return;
            }
            socket->write(property_.toLatin1() + '\n');
            socket->flush();
            emit raiseRequested();
        });
    }
}

}  // namespace pv::app
