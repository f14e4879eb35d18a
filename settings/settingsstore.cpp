#include "settings/settingsstore.h"

#include <QStandardPaths>
#include <QStringList>

namespace selvane {

namespace {

const QString kKeyName = QStringLiteral("HKEY_SELVANE");

QString findNoCase(const QStringList& names, const QString& name) {
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

} // namespace

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : m_settings(filePath, QSettings::IniFormat) {}

QString IniSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Selvane/Selvane.ini");
}

QString IniSettingsStore::groupName() const {
    const QString found = findNoCase(m_settings.childGroups(), kKeyName);
    return found.isEmpty() ? kKeyName : found;
}

QString IniSettingsStore::storedName(const QString& group, const QString& name) const {
    m_settings.beginGroup(group);
    const QString found = findNoCase(m_settings.childKeys(), name);
    m_settings.endGroup();
    return found.isEmpty() ? name : found;
}

bool IniSettingsStore::keyExists() const {
    return m_keyCreated || !findNoCase(m_settings.childGroups(), kKeyName).isEmpty();
}

void IniSettingsStore::createKey() {
    // An INI group exists once it holds a value; the first write creates it in the file.
    m_keyCreated = true;
}

QString IniSettingsStore::read(const QString& name) const {
    const QString group = groupName();
    const QVariant value = m_settings.value(group + '/' + storedName(group, name));
    // An unquoted text with commas in a hand-edited file comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::write(const QString& name, const QString& value) {
    const QString group = groupName();
    m_settings.setValue(group + '/' + storedName(group, name), value);
}

bool IniSettingsStore::commit() {
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace selvane
