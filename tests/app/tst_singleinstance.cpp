// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Three starts in one process: the later ones find the first through the local socket, also
// where a copy killed while running left its socket file.

#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStartsBringTheFirstForward() {
        // A name of the test's own; a socket file there with nobody listening.
        const QString name =
            QStringLiteral("selvane-test-%1").arg(QCoreApplication::applicationPid());
        const QByteArray file = QFile::encodeName(QDir(QDir::tempPath()).filePath(name));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, file.constData(), sizeof(address.sun_path) - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        close(fd);

        QWidget first, later;
        QVERIFY(selvane::ClaimSingleInstance(first, name));
        first.showMinimized();
        for (int start = 0; start < 2; ++start) {
            QVERIFY(!selvane::ClaimSingleInstance(later, name));
            QTRY_VERIFY(first.isVisible() && !first.isMinimized());
            first.hide();
        }
        QVERIFY(!later.isVisible());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
