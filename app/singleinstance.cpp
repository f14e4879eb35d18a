// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QWidget>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvane {

namespace {

constexpr int kWaitMs = 1000;

QString SystemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The name a process runs under ("selvane"), from /proc.
QByteArray ProcessName(const QString& process) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(process));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

} // namespace

RuntimeFolder PrivateRuntimeFolder(const QString& xdgRuntimeDir, const QString& temporaryFolder) {
    if (!xdgRuntimeDir.isEmpty())
        return {xdgRuntimeDir, {}};
    const QString path = QDir(temporaryFolder).filePath(QStringLiteral("selvane-%1").arg(getuid()));
    const QByteArray name = QFile::encodeName(path);
    struct stat found {};
    // Where an earlier version kept its socket under this very name, a stale one of the user's
    // own gives way to the folder.
    if (::lstat(name.constData(), &found) == 0 && S_ISSOCK(found.st_mode) &&
        found.st_uid == getuid())
        ::unlink(name.constData());
    if (::mkdir(name.constData(), S_IRWXU) != 0 && errno != EEXIST)
        return {{}, QStringLiteral("cannot make %1: %2").arg(path, SystemReason())};
    if (::lstat(name.constData(), &found) != 0)
        return {{}, QStringLiteral("cannot read %1: %2").arg(path, SystemReason())};
    if (S_ISLNK(found.st_mode))
        return {{}, QStringLiteral("%1 is a link, not a folder of this user's").arg(path)};
    if (found.st_uid != getuid())
        return {{}, QStringLiteral("%1 belongs to another user").arg(path)};
    if (!S_ISDIR(found.st_mode))
        return {{}, QStringLiteral("%1 is not a folder").arg(path)};
    if ((found.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return {{}, QStringLiteral("%1 is open to other users").arg(path)};
    return {path, {}};
}

QString InstanceName(const QString& waylandDisplay, const QString& x11Display,
                     const QString& sessionId) {
    QString display = QStringLiteral("default");
    if (!waylandDisplay.isEmpty()) {
        display = waylandDisplay;
    } else if (!x11Display.isEmpty()) {
        // ":0.0" and ":0" are one display: the screen after the number goes.
        display = x11Display;
        static const QRegularExpression screen(QStringLiteral("(:[0-9]+)\\.[0-9]+$"));
        display.replace(screen, QStringLiteral("\\1"));
    } else if (!sessionId.isEmpty()) {
        display = QStringLiteral("session-") + sessionId;
    }
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.:_-]"));
    return QStringLiteral("selvane-") + display.replace(unsafe, QStringLiteral("_"));
}

InstanceClaim ClaimSingleInstance(QWidget& window, const QString& socketPath, QString* note) {
    const auto ignored = [&](const QString& why) {
        *note = why + QLatin1String(kUnfoundBySecondStart);
        return InstanceClaim::Ignored;
    };
    const QByteArray file = QFile::encodeName(socketPath);
    struct stat found {};
    if (::lstat(file.constData(), &found) == 0) {
        // Only a socket of the user's own is asked, or replaced; anything else stays as it is.
        if (!S_ISSOCK(found.st_mode))
            return ignored(QStringLiteral("%1 is not a socket (left as it is)").arg(socketPath));
        if (found.st_uid != getuid())
            return ignored(QStringLiteral("%1 belongs to another user").arg(socketPath));
        QLocalSocket other;
        other.connectToServer(socketPath);
        if (other.waitForConnected(kWaitMs)) {
            // Someone listens: a copy of this program when it runs as this user under this
            // program's name. The connection itself asks it to come forward: it waits in the
            // copy's queue even while the copy is busy.
            ucred peer{};
            socklen_t size = sizeof(peer);
            const bool known = getsockopt(static_cast<int>(other.socketDescriptor()), SOL_SOCKET,
                                          SO_PEERCRED, &peer, &size) == 0;
            other.abort();
            if (!known || peer.uid != getuid())
                return ignored(QStringLiteral("%1 is held by another user").arg(socketPath));
            if (ProcessName(QString::number(peer.pid)) != ProcessName(QStringLiteral("self")))
                return ignored(QStringLiteral("%1 is another program's").arg(socketPath));
            *note = QStringLiteral("Selvane already runs on this display: its window was "
                                   "brought forward");
            return InstanceClaim::BroughtForward;
        }
        // Nobody answered: the socket is a crashed copy's.
        QLocalServer::removeServer(socketPath);
    }

    auto* server = new QLocalServer(&window);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath)) {
        const QString why = server->errorString();
        delete server;
        return ignored(QStringLiteral("cannot listen at %1 (%2)").arg(socketPath, why));
    }
    QObject::connect(server, &QLocalServer::newConnection, &window, [server, &window] {
        while (QLocalSocket* later = server->nextPendingConnection()) {
            QObject::connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
            later->disconnectFromServer();
            window.showNormal();
            window.raise();
            window.activateWindow();
        }
    });
    return InstanceClaim::First;
}

} // namespace selvane
