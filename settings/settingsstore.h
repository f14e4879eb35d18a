#pragma once
// The per-user settings store: one key of named text values. Value names (and the key's
// name) match without regard to letter case, as in the registry the settings come from:
// "TimeZone" and "Timezone" are one value.

#include <QHash>
#include <QSettings>
#include <QString>

namespace selvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool keyExists() const = 0;
    // Creates the key when it does not exist yet.
    virtual void createKey() = 0;
    // The named value's text; a value that does not exist reads as the empty text.
    virtual QString read(const QString& name) const = 0;
    // Creates or replaces the named value.
    virtual void write(const QString& name, const QString& value) = 0;
    // Makes the writes durable; false when they could not be written. A failed commit leaves
    // the stored values as they were before.
    virtual bool commit() = 0;
};

// The store as an INI file through QSettings, the key "HKEY_SELVANE" as its group.
// QSettings writes through a temporary file that replaces the old one, so a failed write
// never leaves a half-written file.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath);

    // The user's file: Selvane/Selvane.ini in the XDG config folder.
    static QString defaultFilePath();

    QString filePath() const { return m_settings.fileName(); }

    bool keyExists() const override;
    // When the file exists but holds no settings group, a copy of it is kept beside it first
    // ("Selvane.ini.bak", or ".bak.1", ".bak.2" ... when older copies exist) and the new file
    // starts empty; when no copy can be made, the file is left alone and nothing is written.
    void createKey() override;
    QString read(const QString& name) const override;
    void write(const QString& name, const QString& value) override;
    bool commit() override;

private:
    QString groupName() const;
    QString storedName(const QString& group, const QString& name) const;

    mutable QSettings m_settings;
    bool m_keyCreated = false;
    bool m_readOnly = false; // an unreadable file that could not be copied is never replaced
};

// A store that reads through to another and keeps its own writes in memory: loading the
// settings through it completes the record as a first run would, and leaves what is stored
// (the user's file, or its absence) exactly as it was. For runs that must change nothing.
class ReadOnlySettingsStore final : public SettingsStore {
public:
    explicit ReadOnlySettingsStore(const SettingsStore& stored)
        : m_stored(stored) {}

    bool keyExists() const override { return m_keyCreated || m_stored.keyExists(); }
    void createKey() override { m_keyCreated = true; }
    QString read(const QString& name) const override;
    void write(const QString& name, const QString& value) override;
    // Nothing is ever stored.
    bool commit() override { return false; }

private:
    const SettingsStore& m_stored;
    QHash<QString, QString> m_written; // by the name in lower case
    bool m_keyCreated = false;
};

} // namespace selvane
