// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a file is written to: a regular file whole or not at all, a stream (a fifo, a device,
// an open descriptor) as it is, never replaced; and a failure that says what happened.

#include "core/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

namespace {

enum class Target {
    Fifo,          // a fifo with a reader
    LinkToFifo,    // a symbolic link to one
    NullDevice,    // a character device that takes everything
    FullDevice,    // one whose every write finds no space
    Socket,        // a socket's file: nothing to open
    Folder,        // a folder
    Descriptor,    // /dev/fd/N of a regular file opened for appending
    SizeLimit,     // a new file beyond the process's file size limit
    FullFileSystem // a new file on a file system with no room for it
};

// A device node of the test's own where it may make one, else the system's, which a user other
// than root cannot replace (a fault would replace it for root): empty for root then.
QString DeviceNode(const QString& folder, const char* name, unsigned minor) {
    const QString own = QDir(folder).filePath(QString::fromLatin1(name));
    if (mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0)
        return own;
    return geteuid() == 0 ? QString() : QStringLiteral("/dev/") + QString::fromLatin1(name);
}

mode_t TypeOf(const QString& path) {
    struct stat found {};
    return lstat(QFile::encodeName(path).constData(), &found) == 0 ? found.st_mode & S_IFMT : 0;
}

QByteArray ReadAll(int fd) {
    QByteArray read;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof(buffer))) > 0;)
        read.append(buffer, n);
    return read;
}

} // namespace

Q_DECLARE_METATYPE(Target)

class TestAtomicFile : public QObject {
    Q_OBJECT

private slots:
    void outputTargets_data();
    void outputTargets();
};

void TestAtomicFile::outputTargets_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("reason"); // after "Cannot write \"<path>\": "; empty: written
    QTest::newRow("fifo") << Target::Fifo << QString();
    QTest::newRow("link to a fifo") << Target::LinkToFifo << QString();
    QTest::newRow("null device") << Target::NullDevice << QString();
    QTest::newRow("full device") << Target::FullDevice << "No space left on device.";
    QTest::newRow("socket") << Target::Socket << "No such device or address.";
    QTest::newRow("folder") << Target::Folder << "Is a directory.";
    QTest::newRow("descriptor") << Target::Descriptor << QString();
    QTest::newRow("size limit") << Target::SizeLimit << "File too large.";
    QTest::newRow("full file system") << Target::FullFileSystem << "No space left on device.";
}

void TestAtomicFile::outputTargets() {
    QFETCH(Target, target);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray bytes = QByteArray("BEGIN:VCALENDAR\r\n").repeated(2000); // 34 000 bytes
    QString path = dir.filePath(QStringLiteral("moon.ics"));
    const QByteArray file = QFile::encodeName(path);
    int reader = -1; // the fifo's reading end, or the descriptor's file
    mode_t type = 0; // what the path is before and after
    rlimit before{}; // the size limit, while lowered
    bool mounted = false;

    switch (target) {
    case Target::Fifo:
    case Target::LinkToFifo: {
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        reader = open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QVERIFY(fcntl(reader, F_SETPIPE_SZ, 65536) >= 0); // room for all the bytes
        if (target == Target::Fifo)
            path = fifo;
        else
            QCOMPARE(symlink("fifo", file.constData()), 0);
        break;
    }
    case Target::NullDevice:
    case Target::FullDevice:
        path = target == Target::NullDevice ? DeviceNode(dir.path(), "null", 3)
                                            : DeviceNode(dir.path(), "full", 7);
        if (path.isEmpty())
            QSKIP("root without leave to make device nodes: the system's are not risked");
        break;
    case Target::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, file.constData(), sizeof(address.sun_path) - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        close(fd);
        break;
    }
    case Target::Folder:
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("moon.ics")));
        break;
    case Target::Descriptor:
        // As a shell opens it for "program -o /dev/fd/3 3>>moon.ics".
        reader = open(file.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        QVERIFY(reader >= 0);
        QCOMPARE(::write(reader, "head\n", 5), ssize_t(5));
        path = QStringLiteral("/dev/fd/%1").arg(reader);
        break;
    case Target::SizeLimit: {
        // The signal a write past the limit sends is ignored, so the write fails instead.
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        const rlimit low{10000, before.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &low), 0);
        break;
    }
    case Target::FullFileSystem: {
        const QString small = dir.filePath(QStringLiteral("small"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("small")));
        mounted = mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=16k") == 0;
        if (!mounted)
            QSKIP("mounting a small file system needs root");
        path = QDir(small).filePath(QStringLiteral("moon.ics"));
        break;
    }
    }
    type = TypeOf(path);

    QString error;
    const bool written = WriteFileAtomically(path, bytes, &error);
    const mode_t after = TypeOf(path);
    if (target == Target::SizeLimit)
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
    QByteArray arrived;
    if (target == Target::Fifo || target == Target::LinkToFifo) {
        arrived = ReadAll(reader);
        close(reader);
    } else if (target == Target::Descriptor) {
        close(reader);
        QFile back(dir.filePath(QStringLiteral("moon.ics")));
        QVERIFY(back.open(QIODevice::ReadOnly));
        arrived = back.readAll();
    }
    const QStringList left =
        QDir(QFileInfo(path).path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    if (mounted)
        umount(QFile::encodeName(QFileInfo(path).path()).constData());

    QCOMPARE(written, reason.isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(error, QStringLiteral("Cannot write \"%1\": %2").arg(path, reason));
    // Whatever was there is there still, of its kind; a stream got every byte.
    QCOMPARE(after, type);
    if (target == Target::Fifo || target == Target::LinkToFifo)
        QCOMPARE(arrived, bytes);
    if (target == Target::LinkToFifo)
        QCOMPARE(TypeOf(QString::fromLocal8Bit(file)), mode_t(S_IFLNK));
    if (target == Target::Descriptor)
        QCOMPARE(arrived, "head\n" + bytes);
    // A new file that could not be written whole is not there, nor any part of it.
    if (target == Target::SizeLimit || target == Target::FullFileSystem)
        QCOMPARE(left, QStringList());
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
