// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a file is written to: a stream (a fifo, a device, an open descriptor) as it is, never
// replaced; a regular file whole or not at all; a failure named by what happened.

#include "core/atomicfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace selvane;

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void outputTargets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason"); // after "Cannot write \"<path>\": "; empty: written
        QTest::newRow("a link to a fifo with a reader") << "fifo" << QString();
        QTest::newRow("a null device") << "null" << QString();
        QTest::newRow("a full device") << "full"
                                       << "No space left on device.";
        QTest::newRow("a socket") << "socket"
                                  << "No such device or address.";
        QTest::newRow("a file a shell opened to append") << "descriptor" << QString();
        QTest::newRow("beyond the size limit") << "limit"
                                               << "File too large.";
        QTest::newRow("a full file system") << "tmpfs"
                                            << "No space left on device.";
    }

    void outputTargets() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray bytes = QByteArray("BEGIN:VCALENDAR\r\n").repeated(2000); // 34 kB
        const QByteArray file = QFile::encodeName(dir.filePath("moon.ics"));
        QString path = dir.filePath("moon.ics");
        int fd = -1;
        rlimit limit{};
        if (target == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
            QCOMPARE(symlink("fifo", file.constData()), 0);
            fd = open(file.constData(), O_RDONLY | O_NONBLOCK);
        } else if (target == "null" || target == "full") {
            // Nodes of the test's own: a fault must not replace the system's.
            if (mknod(file.constData(), S_IFCHR | 0666, makedev(1, target == "null" ? 3 : 7)))
                QSKIP("making a device node needs root");
        } else if (target == "socket") {
            sockaddr_un address{AF_UNIX, {}};
            std::strncpy(address.sun_path, file.constData(), sizeof(address.sun_path) - 1);
            fd = socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        } else if (target == "descriptor") { // "program -o /dev/fd/3 3>>moon.ics"
            fd = open(file.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            QCOMPARE(::write(fd, "head\n", 5), ssize_t(5));
            path = QStringLiteral("/dev/fd/%1").arg(fd);
        } else if (target == "limit") { // the write fails rather than raise SIGXFSZ
            std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlimit low{10000, limit.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
        } else if (mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                         "size=16k") != 0) {
            QSKIP("mounting a small file system needs root");
        }
        struct stat before {};
        lstat(file.constData(), &before);

        QString error;
        const bool written = WriteFileAtomically(path, bytes, &error);
        if (target == "limit")
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QByteArray arrived(65536, '\0'); // what the fifo holds, read at once
        arrived.resize(target == "fifo" ? std::max<ssize_t>(0, ::read(fd, arrived.data(), 65536))
                                        : 0);
        close(fd);
        QFile back(QString::fromLocal8Bit(file));
        if (target == "descriptor" && back.open(QIODevice::ReadOnly))
            arrived = back.readAll();
        struct stat after {};
        lstat(file.constData(), &after);
        const QStringList left =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        if (target == "tmpfs")
            umount(QFile::encodeName(dir.path()).constData());

        QCOMPARE(written, reason.isEmpty());
        QCOMPARE(error, reason.isEmpty() ? QString() : "Cannot write \"" + path + "\": " + reason);
        // What was there is there still, the same of its kind; a stream got every byte.
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        if (target == "fifo" || target == "descriptor")
            QCOMPARE(arrived, target == "fifo" ? bytes : "head\n" + bytes);
        // A new file that could not be written whole is not there, nor any part of it.
        if (target == "limit" || target == "tmpfs")
            QCOMPARE(left, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
