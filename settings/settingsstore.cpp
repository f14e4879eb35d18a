#include "settings/settingsstore.h"

#include <QFile>
#include <QFileInfo>
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
    const QString path = filePath();
    if (QFileInfo(path).size() == 0)
        return; // a first run: nothing to keep
    // The file is there but holds no settings we can read (damaged, or not ours). Writing the
    // defaults would replace it, so a copy is kept first; without a copy nothing is written.
    QString copy = path + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".bak.%1").arg(n);
    if (QFile::copy(path, copy)) {
        qWarning("Selvane: %s held no readable settings; kept it as %s and wrote the defaults",
                 qUtf8Printable(path), qUtf8Printable(copy));
        m_settings.clear(); // start the file afresh rather than rewrite what was unreadable
    } else {
        qWarning("Selvane: %s held no readable settings and could not be copied; left it as it "
                 "is and started with the defaults",
                 qUtf8Printable(path));
        m_readOnly = true;
    }
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
    if (m_readOnly)
        return;
    const QString group = groupName();
    m_settings.setValue(group + '/' + storedName(group, name), value);
}

bool IniSettingsStore::commit() {
    if (m_readOnly)
        return false;
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString ReadOnlySettingsStore::read(const QString& name) const {
    const auto written = m_written.constFind(name.toLower());
    return written != m_written.cend() ? *written : m_stored.read(name);
}

void ReadOnlySettingsStore::write(const QString& name, const QString& value) {
    m_written.insert(name.toLower(), value);
}

} // namespace selvane
