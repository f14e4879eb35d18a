// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The per-user settings store: one key of named text values. Value names (and the key's
// name) match without regard to letter case, as in the registry the settings come from:
// "TimeZone" and "Timezone" are one value.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

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
    // Where the values are kept, for messages: the settings file's path.
    virtual QString location() const = 0;
    // Why the stored values could not be read ("Permission denied"); empty when they could.
    // A store that could not be read is never written.
    virtual QString readProblem() const { return {}; }
};

// The store as an INI file, the key "HKEY_SELVANE" as its group, kept line by line: a value
// written replaces its own line (or is added at the end of the group) and every other byte of
// the file stays as it was, so what a user wrote by hand stays written. The file is replaced
// whole through a temporary file, so a failed write never leaves a half-written one.
//
// A value is the text after the first "=" of its line, without the blanks around it, read as
// UTF-8 when it is valid UTF-8 and as Latin-1 otherwise. A value wholly in double quotes is the
// quoted text with its backslash escapes, as QSettings wrote and read it; an unquoted value is
// its text as written, backslashes and all ("C:\temp\new"), but for the "@" QSettings doubles
// at the start ("@@home" is "@home"). A value that would not read back as it is (blanks at
// either end, a control character, a leading quote, ...) is written in the quoted form; no NUL
// byte is ever written. Lines added to a file take the file's own line ending.
class IniSettingsStore final : public SettingsStore {
public:
    // Read only, the file is never written (for runs that must change nothing).
    enum class Access { ReadWrite, ReadOnly };

    // Reads the file. A path that exists but is not a regular file (a device, a fifo, a
    // folder, a link to one of them or to nothing), or a file that cannot be read (its
    // permissions, a read error), is left alone: the store then starts empty and keeps what is
    // written in memory only. That, and a file or folder that cannot be written when the store
    // is to write it, is said on stderr once.
    explicit IniSettingsStore(const QString& filePath, Access access = Access::ReadWrite);

    // The user's file: Selvane/Selvane.ini in the XDG config folder.
    static QString defaultFilePath();

    QString filePath() const { return m_path; }
    QString location() const override { return m_path; }
    QString readProblem() const override { return m_readProblem; }

    // Why the file cannot be written now ("it is not a regular file", "its folder ... is
    // read-only", ...); empty when it can.
    QString writeProblem() const;

    bool keyExists() const override;
    // When the file exists but holds no settings group, a copy of it is kept beside it first
    // ("Selvane.ini.bak", or ".bak.1", ".bak.2" ... when older copies exist) and the new file
    // starts empty; when no copy can be made, the file is left alone and never written.
    void createKey() override;
    QString read(const QString& name) const override;
    // Writing the text a value already reads as changes nothing, so a value saved unchanged
    // keeps its line as the user wrote it.
    void write(const QString& name, const QString& value) override;
    // Writes the file when something changed; true when there was nothing to write.
    bool commit() override;

private:
    // The settings group's first "[HKEY_SELVANE]" line (or -1) and its value lines, in every
    // part of the file that opens the group.
    struct GroupLines {
        int Header = -1;
        std::vector<int> Entries;
    };
    GroupLines groupLines() const;
    // A line without its line ending (and the first without a UTF-8 byte order mark).
    QByteArray contentAt(std::size_t line) const;
    // The line of the named value in the settings group, or -1; the last one when the name
    // is there twice, as QSettings took it.
    int lineOf(const QString& name) const;
    // Where a new value goes: after the group's last value, or a new group at the end.
    int insertionLine();

    QString m_path;
    std::vector<QByteArray> m_lines; // the file's lines, each with its own line ending
    QByteArray m_ending = "\n";      // of the lines added: "\r\n" when the file's first has it
    bool m_dirty = false;            // lines changed since the file was read or written
    bool m_keyCreated = false;
    // Never written: read only, not a regular file, a file that could not be read, or one
    // without settings that could not be copied.
    bool m_readOnly = false;
    QString m_readProblem; // the read error of a file that could not be read
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
    QString location() const override { return m_stored.location(); }
    QString readProblem() const override { return m_stored.readProblem(); }

private:
    const SettingsStore& m_stored;
    QHash<QString, QString> m_written; // by the name in lower case
    bool m_keyCreated = false;
};

// The text a stored value reads as: `raw` is what follows the "=" of its line.
QString IniValueText(const QByteArray& raw);

// What is written after the "=" for `value`: the value itself when it reads back so, else its
// quoted form.
QByteArray IniValueForm(const QString& value);

} // namespace selvane
