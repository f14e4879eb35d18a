// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Selvane: a desktop Moon calendar.

#include "app/commandline.h"
#include "app/singleinstance.h"
#include "core/localetexts.h"
#include "core/settingsstore.h"
#include "core/translation.h"
#include "core/wallclock.h"
#include "ui/appicon.h"
#include "ui/tselvane.h"

#include <QApplication>
#include <QDir>
#include <QProxyStyle>

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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));
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
    if (!selvane::ClaimSingleInstance(window))
        return 0; // the copy already running came forward
    window.show();
    return QApplication::exec();
}
