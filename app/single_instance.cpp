#include "app/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kConnectMs = 500;
constexpr char kActivate[] = "activate\n";

// Keeps the characters that are safe in a socket file name.
QString Sanitised(QString text) {
    for (QChar& c : text)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.') c = u'_';
    return text;
}

}  // namespace

QString InstanceName(const char* className) {
    QString place = qEnvironmentVariable("POLYSHARD_INSTANCE");
    if (place.isEmpty()) place = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (place.isEmpty()) place = qEnvironmentVariable("DISPLAY");
    return Sanitised(
        QStringLiteral("%1-%2-%3").arg(QString::fromLatin1(className)).arg(getuid()).arg(place));
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
    auto* server = new QLocalServer();
    // Nobody answered, so a socket file left by a crashed run is stale.
    QLocalServer::removeServer(name);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return nullptr;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [server, activate] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            activate();
        }
    });
    return server;
}
