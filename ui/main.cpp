// Selvane: a desktop Moon calendar.

#include "settings/settings.h"
#include "settings/settingsstore.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Selvane"));

    selvane::IniSettingsStore store(selvane::IniSettingsStore::defaultFilePath());
    const selvane::Settings settings = selvane::LoadSettings(store);
    (void)settings;
    return 0;
}
