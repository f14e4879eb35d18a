// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy per user and display: later starts in one process find the first through the local
// socket, also where a copy killed while running left its socket file; what else holds the
// name or its folder is left alone; the program itself runs once on each of two displays.

#include "app/singleinstance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <cstring>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace selvane;

namespace {

// A socket file at `path`, as a killed copy leaves it; with `listener`, listened on by a
// process of its own under another program's name, which the caller ends.
void MakeSocket(const QString& path, pid_t* listener = nullptr) {
    sockaddr_un address{AF_UNIX, {}};
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof(address.sun_path) - 1);
    int ready[2] = {-1, -1};
    if (listener && pipe(ready) == 0 && (*listener = fork()) == 0) {
        prctl(PR_SET_NAME, "not-selvane"); // system calls only, from here on
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(fd, 4);
        if (write(ready[1], "x", 1) == 1)
            pause();
        _exit(0);
    }
    char byte = 0;
    if (listener) {
        QVERIFY(read(ready[0], &byte, 1) == 1);
        return;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
}

mode_t ModeOf(const QString& path) {
    struct stat found {};
    return lstat(QFile::encodeName(path).constData(), &found) == 0 ? found.st_mode : 0;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStartsBringTheFirstForward() {
        // A name of the test's own; a socket file there with nobody listening.
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("selvane-test"));
        MakeSocket(name);
        QWidget first, later;
        QString note;
        QCOMPARE(ClaimSingleInstance(first, name, &note), InstanceClaim::First);
        first.showMinimized();
        for (int start = 0; start < 2; ++start) {
            QCOMPARE(ClaimSingleInstance(later, name, &note), InstanceClaim::BroughtForward);
            QTRY_VERIFY(first.isVisible() && !first.isMinimized());
            first.hide();
        }
        QVERIFY(!later.isVisible());
    }

    // A file, a folder, a link, another program's socket or another user's, at the socket's
    // name or its folder's, is left as it is, and said so; the window starts.
    void whatElseHoldsTheNameIsLeftAlone() {
        const QString folder = QStringLiteral("selvane-%1").arg(getuid());
        const struct {
            const char* Holder;
            const char* Said;
        } rows[] = {{"file", " is not a socket (left as it is)"},
                    {"link", " is not a socket (left as it is)"},
                    {"program", " is another program's"},
                    {"user", " belongs to another user"},
                    {"folder: link", " is a link, not a folder of this user's"},
                    {"folder: open", " is open to other users"},
                    {"folder: user", " belongs to another user"}};
        for (const auto& row : rows) {
            QTemporaryDir dir;
            const QString holder = QString::fromLatin1(row.Holder);
            const bool forFolder = holder.startsWith("folder");
            const QString name = dir.filePath(forFolder ? folder : QStringLiteral("selvane-:0"));
            const QByteArray file = QFile::encodeName(name);
            pid_t listener = 0;
            if (holder.endsWith("user") && geteuid() != 0)
                continue; // another user's needs root to make: the other rows still hold
            if (holder == "file")
                QVERIFY(QFile(name).open(QIODevice::WriteOnly));
            if (holder.endsWith("link") && QDir(dir.path()).mkdir("real"))
                QCOMPARE(symlink("real", file.constData()), 0);
            if (holder == "program")
                MakeSocket(name, &listener);
            if (holder == "user")
                MakeSocket(name);
            if (holder.startsWith("folder: ") && !holder.endsWith("link"))
                QCOMPARE(mkdir(file.constData(), 0755), 0);
            if (holder.endsWith("user"))
                QCOMPARE(chown(file.constData(), 65534, 65534), 0); // nobody's
            const mode_t type = ModeOf(name) & S_IFMT;

            QWidget window;
            QString said;
            const RuntimeFolder runtime = PrivateRuntimeFolder(QString(), dir.path());
            const InstanceClaim claim = ClaimSingleInstance(window, name, &said);
            if (listener > 0) {
                kill(listener, SIGKILL);
                waitpid(listener, nullptr, 0);
            }
            if (forFolder) { // this name stands in the way of the folder, not of the socket
                QCOMPARE(runtime.Path, QString());
                said = runtime.Problem + kUnfoundBySecondStart;
            } else {
                QCOMPARE(claim, InstanceClaim::Ignored);
            }
            QCOMPARE(said, name + row.Said + kUnfoundBySecondStart);
            QCOMPARE(ModeOf(name) & S_IFMT, type);
        }
    }

    // The program on two displays with one home, without XDG_RUNTIME_DIR: a second start on a
    // display says that the first came forward and ends; the other display gets a window of
    // its own. Their sockets lie in the user's private folder, made 0700, and Qt's runtime
    // folder is neither asked for nor made.
    void oneCopyPerDisplay() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("tmp") && QDir(dir.path()).mkpath("config"));
        const auto start = [&](QProcess& process, const char* display) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"XDG_RUNTIME_DIR", "WAYLAND_DISPLAY", "XDG_SESSION_ID"})
                env.remove(name);
            env.insert("DISPLAY", display); // names the socket; the window is drawn offscreen
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("TMPDIR", dir.filePath("tmp"));
            env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
            process.setProcessEnvironment(env);
            process.start(SELVANE_PROGRAM, QStringList());
        };
        const QString folder = dir.filePath(QStringLiteral("tmp/selvane-%1").arg(getuid()));
        QProcess first, second, elsewhere;
        start(first, ":91");
        QTRY_COMPARE_WITH_TIMEOUT(ModeOf(folder + "/selvane-:91") & S_IFMT, mode_t(S_IFSOCK),
                                  20000);
        start(second, ":91");
        QVERIFY(second.waitForFinished(20000));
        start(elsewhere, ":92.0");
        QTRY_COMPARE_WITH_TIMEOUT(ModeOf(folder + "/selvane-:92") & S_IFMT, mode_t(S_IFSOCK),
                                  20000);
        const bool bothRun =
            first.state() == QProcess::Running && elsewhere.state() == QProcess::Running;
        for (QProcess* window : {&first, &elsewhere}) {
            window->terminate();
            window->waitForFinished(10000);
        }
        QVERIFY(bothRun);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardError(),
                 QByteArray("selvane: Selvane already runs on this display: its window was "
                            "brought forward\n"));
        // Besides the offscreen platform's word that it cannot raise a window, nothing.
        QByteArray said = first.readAllStandardError() + elsewhere.readAllStandardError();
        QCOMPARE(said.replace("This plugin does not support raise()\n", ""), QByteArray());
        QCOMPARE(QDir(dir.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList(QFileInfo(folder).fileName()));
        QCOMPARE(ModeOf(folder), mode_t(S_IFDIR | 0700));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
