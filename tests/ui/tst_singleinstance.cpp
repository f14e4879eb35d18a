// Two starts in one process: the second finds the first through the local socket.

#include "ui/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace selvane;

namespace {

// A name of this test's own, so that a running Selvane is not disturbed.
QString TestName(const char* what) {
    return QStringLiteral("selvane-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QLatin1String(what));
}

// What a copy killed while running leaves behind: the socket file with nobody listening.
bool LeaveStaleSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray file = QFile::encodeName(path);
    std::strncpy(address.sun_path, file.constData(), sizeof(address.sun_path) - 1);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    close(fd);
    return bound && QFileInfo(path).exists();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartBringsTheFirstForward() {
        const QString name = TestName("forward");
        QWidget first, second;
        QVERIFY(ClaimSingleInstance(first, name));
        first.showMinimized();
        for (int start = 0; start < 2; ++start) { // also a third start
            QVERIFY(!ClaimSingleInstance(second, name));
            QTRY_VERIFY(first.isVisible() && !first.isMinimized());
            first.hide();
        }
        QVERIFY(!second.isVisible());
    }

    void aCrashedCopysSocketDoesNotBlockAStart() {
        const QString name = TestName("stale");
        QVERIFY(LeaveStaleSocket(QDir(QDir::tempPath()).filePath(name)));
        QWidget first, later;
        QVERIFY(ClaimSingleInstance(first, name));
        QVERIFY(!ClaimSingleInstance(later, name));
        QTRY_VERIFY(first.isVisible());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
