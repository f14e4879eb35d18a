// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Selvane: a desktop Moon calendar.

#include "app/commandline.h"
#include "app/singleinstance.h"
#include "core/localetexts.h"
#include "core/product.h"
#include "core/settingsstore.h"
#include "core/translation.h"
#include "core/wallclock.h"
#include "ui/appicon.h"
#include "ui/tselvane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProxyStyle>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

// Hints wait three seconds before they appear.
class HintDelayStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 3000;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // With a job on the command line the program does it and exits, without a window.
    if (selvane::AsksForCommandLineJob(argc, argv))
        return selvane::RunCommandLine(argc, argv);

    // The window's socket, and Qt's runtime files, go into the user's private runtime folder.
    // Without XDG_RUNTIME_DIR (as from cron) Qt would warn and make a folder of its own in the
    // temporary folder: the private one serves it too.
    const selvane::RuntimeFolder runtime =
        selvane::PrivateRuntimeFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    // Where that folder cannot be had, Qt gets one of this run's own, gone when it ends.
    std::optional<QTemporaryDir> ownRuntime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        if (runtime.Path.isEmpty())
            ownRuntime.emplace(
                QDir(QDir::tempPath())
                    .filePath(QStringLiteral("selvane-%1-runtime-XXXXXX").arg(getuid())));
        const QString folder = ownRuntime ? ownRuntime->path() : runtime.Path;
        if (!folder.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));
    // Its desktop file: on Wayland the compositor and the software centre find the icon and
    // the name through it.
    QGuiApplication::setDesktopFileName(QLatin1String(selvane::kApplicationId));
    QApplication::setStyle(new HintDelayStyle);
    // The texts in the user's language, with the month and weekday names of that language.
    const selvane::Translation translation(QLocale::system().uiLanguages());
    translation.install();
    selvane::LocaleTexts texts =
        selvane::LocaleTexts::from(translation.namesLocale(QLocale::system()));
    texts.Language = translation.language();

    selvane::IniSettingsStore store(selvane::IniSettingsStore::defaultFilePath());
    selvane::SystemClock clock;
    selvane::TSelvane window(store, clock, texts);
    QApplication::setWindowIcon(
        selvane::ApplicationIcon(QDir::currentPath(), QCoreApplication::applicationDirPath()));
    // One copy per display: a second start brings the first window forward and ends.
    QString note;
    selvane::InstanceClaim claim = selvane::InstanceClaim::Ignored;
    if (runtime.Path.isEmpty()) {
        note = runtime.Problem + QLatin1String(selvane::kUnfoundBySecondStart);
    } else {
        const QString name = selvane::InstanceName(qEnvironmentVariable("WAYLAND_DISPLAY"),
                                                   qEnvironmentVariable("DISPLAY"),
                                                   qEnvironmentVariable("XDG_SESSION_ID"));
        claim = selvane::ClaimSingleInstance(window, QDir(runtime.Path).filePath(name), &note);
    }
    if (!note.isEmpty())
        std::fprintf(stderr, "selvane: %s\n", qUtf8Printable(note));
    if (claim == selvane::InstanceClaim::BroughtForward)
        return 0;
    window.show();
    return QApplication::exec();
}
