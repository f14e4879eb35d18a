// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cstdio>

#include <unistd.h>

namespace selvane {

namespace {

constexpr int kWaitMs = 1000;

} // namespace

QString InstanceName() {
    return QStringLiteral("selvane-%1").arg(getuid());
}

bool ClaimSingleInstance(QWidget& window, const QString& name) {
    QLocalSocket other;
    other.connectToServer(name);
    if (other.waitForConnected(kWaitMs)) {
        // A copy listens, and the connection itself asks it to come forward: it waits in the
        // copy's queue even while the copy is busy.
        other.disconnectFromServer();
        return false;
    }

    // Nobody answered, so a socket file there is a crashed copy's.
    QLocalServer::removeServer(name);
    auto* server = new QLocalServer(&window);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        std::fprintf(stderr, "Selvane: a second start cannot find this window (%s)\n",
                     qPrintable(server->errorString()));
        delete server;
        return true;
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
    return true;
}

} // namespace selvane
