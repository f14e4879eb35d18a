// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Selvane on a Wayland desktop: run by tests/app/under_weston.sh under a compositor of its
// own. The program starts there without a warning, and every window shows. A Wayland client
// cannot place its windows itself: the compositor puts the main window where it likes, and
// every other window is the main window's transient child, which desktops such as GNOME's
// and KDE's centre on it (Weston places it as it places any window).

#include "../core/fixedclock.h"

#include "core/localetexts.h"
#include "core/settings.h"
#include "core/settingsstore.h"
#include "ui/tselvane.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <optional>

using namespace selvane;

namespace {

QStringList g_warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
}

// The compositor's picture of its whole output, through its screenshot protocol.
QImage Screenshot() {
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0)
        return {};
    const QStringList shots = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first()));
}

// Where `part` stands, pixel for pixel, in `shot`.
std::optional<QPoint> Find(const QImage& shot, const QImage& part) {
    const QImage s = shot.convertToFormat(QImage::Format_RGB32);
    const QImage p = part.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + p.height() <= s.height(); ++y)
        for (int x = 0; x + p.width() <= s.width(); ++x) {
            bool same = true;
            for (int row = 0; row < p.height() && same; ++row)
                same = std::equal(reinterpret_cast<const QRgb*>(p.constScanLine(row)),
                                  reinterpret_cast<const QRgb*>(p.constScanLine(row)) + p.width(),
                                  reinterpret_cast<const QRgb*>(s.constScanLine(y + row)) + x);
            if (same)
                return QPoint(x, y);
        }
    return std::nullopt;
}

// The top of the main window's picture: its title strip above the icons, the same at every
// tick.
QImage TitleStrip() {
    return QImage(QStringLiteral(":/background.jpg")).copy(0, 0, 640, 9);
}

// A screenshot in which `part` shows, waiting up to ten seconds for the compositor.
std::optional<QPoint> WaitToSee(const QImage& part) {
    for (int tries = 0; tries < 40; ++tries) {
        if (const auto at = Find(Screenshot(), part))
            return at;
        QTest::qWait(250);
    }
    return std::nullopt;
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void theProgramStartsWithoutAWarning();
    void everyWindowOpensOnTheMainWindow();
};

void TestWayland::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QVERIFY2(!Screenshot().isNull(), "the compositor gives no screenshot");
}

void TestWayland::theProgramStartsWithoutAWarning() {
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("TMPDIR"), home.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SELVANE_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    const std::optional<QPoint> at = WaitToSee(TitleStrip());
    program.kill();
    program.waitForFinished();
    QVERIFY2(at, "no screenshot shows the main window");
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), QString());
}

void TestWayland::everyWindowOpensOnTheMainWindow() {
    qInstallMessageHandler(RecordWarnings);
    QTemporaryDir folder;
    IniSettingsStore store(folder.filePath(QStringLiteral("Selvane.ini")));
    const FixedClock clock(ClockTime{2024, 3, 5, 15, 12, 0, 0, 0});
    TSelvane window(store, clock, LocaleTexts::from(QLocale(QLocale::English)));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Timer1Timer();
    QVERIFY2(WaitToSee(TitleStrip()), "no screenshot shows the main window");

    struct Secondary {
        const char* Name;
        QWidget* Window;
    };
    const Secondary windows[] = {
        {"time list", &window.timeList()},
        {"configuration", &window.config()},
        {"print options", &window.printOptions()},
        {"month picker", &window.monthSelect()},
        {"about", &window.about()},
        {"links", &window.lunarSites()},
    };
    for (const Secondary& w : windows) {
        if (w.Window == &window.lunarSites())
            window.lblLinksClick();
        else
            w.Window->show();
        QVERIFY2(QTest::qWaitForWindowExposed(w.Window), w.Name);
        QVERIFY2(w.Window->windowHandle()->transientParent() == window.windowHandle(), w.Name);
        // Its whole picture on the screen.
        const std::optional<QPoint> at = WaitToSee(w.Window->grab().toImage());
        QVERIFY2(at, w.Name);
        w.Window->close();
    }
    qInstallMessageHandler(nullptr);
    QCOMPARE(g_warnings, QStringList());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
