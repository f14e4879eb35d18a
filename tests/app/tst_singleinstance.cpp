// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One copy per user and display: three starts in one process find the first through the local
// socket, also where a copy killed while running left its socket file; the socket's folder is
// the user's own; what else holds the name is left alone; and the program itself, started on
// two displays, runs once on each.

#include "app/singleinstance.h"

#include <QCoreApplication>
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

// The user "nobody", who owns nothing of the test's.
constexpr uid_t kOtherUser = 65534;

// A socket file at `path`, bound and closed (as a killed copy leaves it), or listening in a
// process of its own under another program's name; returns that process, or 0.
pid_t MakeSocket(const QString& path, bool listening) {
    const QByteArray file = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, file.constData(), sizeof(address.sun_path) - 1);
    if (!listening) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        close(fd);
        return 0;
    }
    int ready[2];
    if (pipe(ready) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) { // only system calls from here on
        prctl(PR_SET_NAME, "not-selvane");
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(fd, 4);
        const ssize_t told = write(ready[1], "x", 1);
        for (;;)
            pause();
        _exit(static_cast<int>(told));
    }
    char byte = 0;
    const ssize_t heard = read(ready[0], &byte, 1);
    close(ready[0]);
    close(ready[1]);
    return heard == 1 ? child : 0;
}

mode_t TypeOf(const QString& path) {
    struct stat found {};
    return lstat(QFile::encodeName(path).constData(), &found) == 0 ? found.st_mode & S_IFMT : 0;
}

enum class Occupant { File, Folder, LinkToOwnSocket, OtherProgram, OtherUser };

} // namespace

Q_DECLARE_METATYPE(Occupant)

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStartsBringTheFirstForward();
    void aNamePerDisplay_data();
    void aNamePerDisplay();
    void theFolderIsTheUsersOwn();
    void whatElseHoldsTheNameIsLeftAlone_data();
    void whatElseHoldsTheNameIsLeftAlone();
    void oneCopyPerDisplay();
};

void TestSingleInstance::laterStartsBringTheFirstForward() {
    // A name of the test's own; a socket file there with nobody listening.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("selvane-test"));
    MakeSocket(name, false);
    QCOMPARE(TypeOf(name), mode_t(S_IFSOCK));

    QWidget first, later;
    QString note;
    QCOMPARE(ClaimSingleInstance(first, name, &note), InstanceClaim::First);
    QCOMPARE(note, QString());
    first.showMinimized();
    for (int start = 0; start < 2; ++start) {
        QCOMPARE(ClaimSingleInstance(later, name, &note), InstanceClaim::BroughtForward);
        QCOMPARE(note, QStringLiteral("Selvane already runs on this display: its window was "
                                      "brought forward"));
        QTRY_VERIFY(first.isVisible() && !first.isMinimized());
        first.hide();
    }
    QVERIFY(!later.isVisible());
}

void TestSingleInstance::aNamePerDisplay_data() {
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("name");
    QTest::newRow("Wayland first") << "wayland-0"
                                   << ":0"
                                   << "3"
                                   << "selvane-wayland-0";
    QTest::newRow("X11") << ""
                         << ":91"
                         << "3"
                         << "selvane-:91";
    QTest::newRow("another X11") << ""
                                 << ":92"
                                 << "3"
                                 << "selvane-:92";
    QTest::newRow("a screen of it") << ""
                                    << ":92.1"
                                    << ""
                                    << "selvane-:92";
    QTest::newRow("forwarded") << ""
                               << "localhost:10.0"
                               << ""
                               << "selvane-localhost:10";
    QTest::newRow("a path") << "/run/user/1000/wayland-1"
                            << ""
                            << ""
                            << "selvane-_run_user_1000_wayland-1";
    QTest::newRow("no display") << ""
                                << ""
                                << "c2"
                                << "selvane-session-c2";
    QTest::newRow("nothing known") << ""
                                   << ""
                                   << ""
                                   << "selvane-default";
}

void TestSingleInstance::aNamePerDisplay() {
    QFETCH(QString, wayland);
    QFETCH(QString, x11);
    QFETCH(QString, session);
    QFETCH(QString, name);
    QCOMPARE(InstanceName(wayland, x11, session), name);
}

// $XDG_RUNTIME_DIR is the session's; without it, "selvane-<uid>" in the temporary folder,
// made for the user alone, and refused when it is anything else.
void TestSingleInstance::theFolderIsTheUsersOwn() {
    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    const QString own = temporary.filePath(QStringLiteral("selvane-%1").arg(getuid()));
    const QByteArray file = QFile::encodeName(own);

    QCOMPARE(PrivateRuntimeFolder("/run/user/1000", temporary.path()).Path,
             QString("/run/user/1000"));
    // Made, then found again.
    for (int start = 0; start < 2; ++start) {
        const RuntimeFolder made = PrivateRuntimeFolder(QString(), temporary.path());
        QCOMPARE(made.Problem, QString());
        QCOMPARE(made.Path, own);
        struct stat found {};
        QCOMPARE(lstat(file.constData(), &found), 0);
        QCOMPARE(found.st_mode & 07777, mode_t(0700));
    }
    const auto refused = [&](const QString& problem) {
        const RuntimeFolder folder = PrivateRuntimeFolder(QString(), temporary.path());
        QCOMPARE(folder.Path, QString());
        QCOMPARE(folder.Problem, problem);
    };
    QCOMPARE(chmod(file.constData(), 0755), 0);
    refused(own + " is open to other users");
    QVERIFY(QDir(own).removeRecursively());
    QVERIFY(QDir(temporary.path()).mkdir("elsewhere"));
    QCOMPARE(symlink("elsewhere", file.constData()), 0);
    refused(own + " is a link, not a folder of this user's");
    QCOMPARE(unlink(file.constData()), 0);
    QFile plain(own);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    refused(own + " is not a folder");
    QVERIFY(plain.remove());
    // A socket of the user's own under the name is an earlier version's: the folder replaces it.
    MakeSocket(own, false);
    QCOMPARE(PrivateRuntimeFolder(QString(), temporary.path()).Path, own);
    if (geteuid() != 0)
        QSKIP("a folder of another user's needs root to make");
    QCOMPARE(chown(file.constData(), kOtherUser, kOtherUser), 0);
    refused(own + " belongs to another user");
}

void TestSingleInstance::whatElseHoldsTheNameIsLeftAlone_data() {
    QTest::addColumn<Occupant>("occupant");
    QTest::addColumn<QString>("note"); // after the path
    QTest::newRow("a file") << Occupant::File << " is not a socket (left as it is)";
    QTest::newRow("a folder") << Occupant::Folder << " is not a socket (left as it is)";
    QTest::newRow("a link to a socket")
        << Occupant::LinkToOwnSocket << " is not a socket (left as it is)";
    QTest::newRow("another program's") << Occupant::OtherProgram << " is another program's";
    QTest::newRow("another user's") << Occupant::OtherUser << " belongs to another user";
}

void TestSingleInstance::whatElseHoldsTheNameIsLeftAlone() {
    QFETCH(Occupant, occupant);
    QFETCH(QString, note);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("selvane-:0"));
    const QByteArray file = QFile::encodeName(name);
    pid_t other = 0;
    switch (occupant) {
    case Occupant::File: {
        QFile plain(name);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        break;
    }
    case Occupant::Folder:
        QVERIFY(QDir(dir.path()).mkdir("selvane-:0"));
        break;
    case Occupant::LinkToOwnSocket:
        MakeSocket(dir.filePath("real"), false);
        QCOMPARE(symlink("real", file.constData()), 0);
        break;
    case Occupant::OtherProgram:
        other = MakeSocket(name, true);
        QVERIFY(other > 0);
        break;
    case Occupant::OtherUser:
        if (geteuid() != 0)
            QSKIP("a socket of another user's needs root to make");
        MakeSocket(name, false);
        QCOMPARE(chown(file.constData(), kOtherUser, kOtherUser), 0);
        break;
    }
    const mode_t type = TypeOf(name);

    QWidget window;
    QString said;
    const InstanceClaim claim = ClaimSingleInstance(window, name, &said);
    if (other > 0) {
        kill(other, SIGKILL);
        waitpid(other, nullptr, 0);
    }
    QCOMPARE(claim, InstanceClaim::Ignored);
    QCOMPARE(said, name + note + ", so a second start will not find this window");
    QCOMPARE(TypeOf(name), type);
}

// The program on two displays with one home, without XDG_RUNTIME_DIR: the second start on a
// display says that the first came forward and ends; the other display gets its own window.
// Neither leaves Qt's runtime folder behind or says anything else.
void TestSingleInstance::oneCopyPerDisplay() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("tmp") && QDir(dir.path()).mkpath("config"));
    const auto start = [&](QProcess& process, const char* display) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.remove("WAYLAND_DISPLAY");
        env.remove("XDG_SESSION_ID");
        env.insert("DISPLAY", display); // names the socket; the window is drawn offscreen
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", dir.filePath("tmp"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(SELVANE_PROGRAM, QStringList());
    };
    const QString folder = dir.filePath(QStringLiteral("tmp/selvane-%1").arg(getuid()));
    QProcess first, second, elsewhere;
    start(first, ":91");
    QTRY_VERIFY_WITH_TIMEOUT(TypeOf(folder + "/selvane-:91") == S_IFSOCK, 20000);
    start(second, ":91");
    QVERIFY(second.waitForFinished(20000));
    start(elsewhere, ":92");
    QTRY_VERIFY_WITH_TIMEOUT(TypeOf(folder + "/selvane-:92") == S_IFSOCK, 20000);
    const bool bothRun =
        first.state() == QProcess::Running && elsewhere.state() == QProcess::Running;
    for (QProcess* window : {&first, &elsewhere}) {
        window->terminate();
        window->waitForFinished(10000);
    }

    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardError(),
             QByteArray("selvane: Selvane already runs on this display: its window was brought "
                        "forward\n"));
    QVERIFY(bothRun);
    // The offscreen platform says it cannot raise the window brought forward.
    QByteArray said = first.readAllStandardError() + elsewhere.readAllStandardError();
    said.replace("This plugin does not support raise()\n", "");
    QCOMPARE(said, QByteArray());
    QCOMPARE(QDir(dir.filePath("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList(QStringLiteral("selvane-%1").arg(getuid())));
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
