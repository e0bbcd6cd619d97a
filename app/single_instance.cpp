#include "app/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

constexpr int kConnectMs = 500;
constexpr int kClaimMs = 5000;
constexpr char kActivate[] = "activate\n";

// Keeps the characters that are safe in a socket file name.
QString Sanitised(QString text) {
    for (QChar& c : text)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.') c = u'_';
    return text;
}

// True when path is a folder (not a link) of this user that nobody else
// may enter.
bool IsPrivateFolder(const QByteArray& path) {
    struct stat s;
    return lstat(path.constData(), &s) == 0 && S_ISDIR(s.st_mode) && s.st_uid == getuid() &&
           (s.st_mode & 077) == 0;
}

}  // namespace

QString InstanceFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime;
    // The temporary folder is shared by every user: the socket goes into a
    // folder of our own there, never straight into it.
    const QString folder = QStringLiteral("%1/polyshard-%2").arg(QDir::tempPath()).arg(getuid());
    const QByteArray path = QFile::encodeName(folder);
    mkdir(path.constData(), 0700);  // fails harmlessly when it exists
    return IsPrivateFolder(path) ? folder : QString();
}

QString InstanceName(const char* className) {
    const QString folder = InstanceFolder();
    if (folder.isEmpty()) return {};
    QString place = qEnvironmentVariable("POLYSHARD_INSTANCE");
    if (place.isEmpty()) place = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (place.isEmpty()) place = qEnvironmentVariable("DISPLAY");
    return folder + u'/' +
           Sanitised(QStringLiteral("%1-%2").arg(QString::fromLatin1(className), place));
}

bool ActivateRunningInstance(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMs);
    return true;
}

QLocalServer* ListenForLaterStarts(const QString& name, std::function<void()> activate) {
    // QLockFile counts a lock as stale when its process is gone.
    auto lock = std::make_shared<QLockFile>(name + QStringLiteral(".lock"));
    if (!lock->tryLock(0)) return nullptr;
    auto* server = new QLocalServer();
    // The claim is ours, so a socket file there is left by a crashed run.
    QLocalServer::removeServer(name);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return nullptr;
    }
    // The connection holds the lock; it goes, and the lock with it, when
    // the server is destroyed.
    QObject::connect(server, &QLocalServer::newConnection, server, [server, activate, lock] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            activate();
        }
    });
    return server;
}

bool HandOverToRunningInstance(const QString& name, std::function<void()> activate,
                               std::unique_ptr<QLocalServer>* server) {
    if (name.isEmpty()) return false;
    QElapsedTimer clock;
    clock.start();
    // Another start may hold the claim without listening yet: ask again
    // until it answers or its claim turns out stale.
    while (clock.elapsed() < kClaimMs) {
        if (ActivateRunningInstance(name)) return true;
        server->reset(ListenForLaterStarts(name, activate));
        if (*server) return false;
        QThread::msleep(50);
    }
    return false;
}
