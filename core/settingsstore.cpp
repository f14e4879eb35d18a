// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace selvane {

namespace {

const QString kKeyName = QStringLiteral("HKEY_SELVANE");
const QByteArray kUtf8Mark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray trimmedBlanks(const QByteArray& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

// A line without its line ending ("\n" or "\r\n").
QByteArray contentOf(const QByteArray& line) {
    QByteArray c = line;
    if (c.endsWith('\n'))
        c.chop(1);
    if (c.endsWith('\r'))
        c.chop(1);
    return c;
}

QByteArray endingOf(const QByteArray& line) {
    return line.mid(contentOf(line).size());
}

// The group a "[name]" line opens.
std::optional<QString> sectionOf(const QByteArray& content) {
    const QByteArray t = trimmedBlanks(content);
    const qsizetype close = t.indexOf(']');
    if (!t.startsWith('[') || close < 0)
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(t.mid(1, close - 1)));
}

// The name of a "name=value" line; none for comments and other lines.
std::optional<QString> entryName(const QByteArray& content) {
    const QByteArray t = trimmedBlanks(content);
    const qsizetype eq = content.indexOf('=');
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || eq < 0)
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(trimmedBlanks(content.left(eq))));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// UTF-8 when the bytes are valid UTF-8, else Latin-1 (every byte a character).
QString decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// A hex digit's value, or -1.
int hexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// QSettings' escapes of a string (Qt 6): backslash, quote and control characters escaped,
// and a hex digit after a "\x" or "\0" escape escaped too, as its reader takes every hex digit
// that follows.
QString escaped(const QString& text) {
    QString out;
    bool escapeHexDigit = false;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (escapeHexDigit && hexValue(c) >= 0) {
            out += QStringLiteral("\\x") + QString::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        static constexpr std::pair<char16_t, char> kNamed[] = {
            {u'\a', 'a'}, {u'\b', 'b'}, {u'\f', 'f'}, {u'\n', 'n'},  {u'\r', 'r'},
            {u'\t', 't'}, {u'\v', 'v'}, {u'"', '"'},  {u'\\', '\\'},
        };
        const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                         [c](const auto& e) { return e.first == c; });
        if (c == 0) {
            out += QStringLiteral("\\0");
            escapeHexDigit = true;
        } else if (named != std::end(kNamed)) {
            out += QLatin1Char('\\');
            out += QLatin1Char(named->second);
        } else if (c <= 0x1F) {
            out += QStringLiteral("\\x") + QString::number(c, 16);
            escapeHexDigit = true;
        } else {
            out += ch;
        }
    }
    return out;
}

// The text of QSettings' escapes; none when a quote stands unescaped or an escape is not one.
std::optional<QString> unescaped(QStringView text) {
    static constexpr std::pair<char16_t, char16_t> kNamed[] = {
        {u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'}, {u'n', u'\n'},  {u'r', u'\r'},  {u't', u'\t'},
        {u'v', u'\v'}, {u'"', u'"'},  {u'?', u'?'},  {u'\'', u'\''}, {u'\\', u'\\'},
    };
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'"')
            return std::nullopt;
        if (c != u'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        const char16_t e = text[i].unicode();
        const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                         [e](const auto& n) { return n.first == e; });
        if (named != std::end(kNamed)) {
            out += QChar(named->second);
            continue;
        }
        // "\x" and hex digits, or octal digits: every such digit that follows.
        const bool hex = e == u'x';
        qsizetype j = hex ? i + 1 : i;
        const qsizetype first = j;
        char32_t value = 0;
        for (; j < text.size(); ++j) {
            const int digit = hexValue(text[j].unicode());
            if (digit < 0 || (!hex && digit > 7))
                break;
            value = value * (hex ? 16 : 8) + static_cast<char32_t>(digit);
            if (value > 0xFFFF)
                return std::nullopt;
        }
        if (j == first)
            return std::nullopt;
        out += QChar(static_cast<char16_t>(value));
        i = j - 1;
    }
    return out;
}

// QSettings' prefixes of a string value: "@@" for one that starts with "@", "@String(...)"
// for one that holds a NUL.
QString withoutPrefix(const QString& text) {
    if (text.startsWith(QStringLiteral("@@")))
        return text.mid(1);
    if (text.startsWith(QStringLiteral("@String(")) && text.endsWith(QLatin1Char(')')))
        return text.mid(8, text.size() - 9);
    return text;
}

// What QSettings (Qt 6, IniFormat) writes for a string value.
QString qsettingsForm(const QString& value) {
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + QLatin1Char(')');
    else if (text.startsWith(QLatin1Char('@')))
        text.prepend(QLatin1Char('@'));
    const QString out = escaped(text);
    const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char(',')) ||
                        text.contains(QLatin1Char('=')) || out.startsWith(QLatin1Char(' ')) ||
                        out.endsWith(QLatin1Char(' '));
    return quoted ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

} // namespace

QString IniValueText(const QByteArray& raw) {
    const QString text = decoded(trimmedBlanks(raw));
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'))) {
        const auto inner = unescaped(QStringView(text).mid(1, text.size() - 2));
        return inner ? withoutPrefix(*inner) : text;
    }
    // Escapes count only inside the quotes: a hand-written "C:\temp\new" stays as written.
    // The prefix QSettings puts before a text that starts with "@" is taken off.
    const QString value = withoutPrefix(text);
    if (value != text && qsettingsForm(value) == text)
        return value;
    return text;
}

QByteArray IniValueForm(const QString& value) {
    const bool lineSafe = std::none_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\t');
    });
    const QByteArray literal = value.toUtf8();
    if (lineSafe && IniValueText(literal) == value)
        return literal;
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    return '"' + escaped(text).toUtf8() + '"';
}

IniSettingsStore::IniSettingsStore(const QString& filePath, Access access)
    : m_path(filePath)
    , m_readOnly(access == Access::ReadOnly) {
    const QFileInfo info(filePath);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        // Reading a fifo would wait for ever, and replacing a device or a link to one would
        // put a regular file in its place.
        m_readOnly = true;
        qWarning("Selvane: %s is not a regular file; left it alone and started with the defaults",
                 qUtf8Printable(filePath));
        return;
    }
    QByteArray data;
    if (info.exists()) { // else a first run
        QFile file(filePath);
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            // What it holds is unknown: it is kept as it is, and nothing replaces it.
            m_readProblem = file.errorString();
            m_readOnly = true;
            qWarning("Selvane: cannot read %s (%s); started with the defaults and will not write "
                     "over it",
                     qUtf8Printable(filePath), qUtf8Printable(m_readProblem));
            return;
        }
    }
    for (qsizetype from = 0; from < data.size();) {
        const qsizetype end = data.indexOf('\n', from);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        m_lines.push_back(data.mid(from, next - from));
        from = next;
    }
    // The first line's ending is the file's, also for a file started afresh over it.
    if (!m_lines.empty() && m_lines.front().endsWith("\r\n"))
        m_ending = "\r\n";
    const QString problem = m_readOnly ? QString() : writeProblem();
    if (!problem.isEmpty())
        qWarning("Selvane: cannot write %s (%s); changes made in this session will not survive "
                 "a restart",
                 qUtf8Printable(filePath), qUtf8Printable(problem));
}

QString IniSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Selvane/Selvane.ini");
}

QString IniSettingsStore::writeProblem() const {
    const QFileInfo info(m_path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("the file is not writable");
    // The new file is made beside the old one (beside a link's target) and takes its place;
    // missing folders are made in the nearest one that exists.
    QString folder =
        QFileInfo(info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath()).absolutePath();
    while (!QFileInfo::exists(folder) && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (!dir.isWritable())
        return QStringLiteral("the folder %1 is not writable").arg(folder);
    return {};
}

QByteArray IniSettingsStore::contentAt(std::size_t i) const {
    QByteArray content = contentOf(m_lines[i]);
    if (i == 0 && content.startsWith(kUtf8Mark))
        content.remove(0, kUtf8Mark.size());
    return content;
}

IniSettingsStore::GroupLines IniSettingsStore::groupLines() const {
    GroupLines group;
    bool inGroup = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const QByteArray content = contentAt(i);
        if (const auto section = sectionOf(content)) {
            inGroup = sameName(*section, kKeyName);
            if (inGroup && group.Header < 0)
                group.Header = static_cast<int>(i);
        } else if (inGroup && entryName(content)) {
            group.Entries.push_back(static_cast<int>(i));
        }
    }
    return group;
}

int IniSettingsStore::lineOf(const QString& name) const {
    const std::vector<int> entries = groupLines().Entries;
    const auto found = std::find_if(entries.rbegin(), entries.rend(), [&](int i) {
        return sameName(*entryName(contentAt(static_cast<std::size_t>(i))), name);
    });
    return found == entries.rend() ? -1 : *found;
}

int IniSettingsStore::insertionLine() {
    const GroupLines group = groupLines();
    const QByteArray& ending = m_ending;
    const int after = group.Entries.empty() ? group.Header : group.Entries.back();
    if (after < 0) { // no group yet: a new one at the end, a blank line apart from what is there
        if (!m_lines.empty()) {
            if (!m_lines.back().endsWith('\n'))
                m_lines.back() += ending;
            m_lines.push_back(ending);
        }
        m_lines.push_back('[' + kKeyName.toLatin1() + ']' + ending);
        return static_cast<int>(m_lines.size());
    }
    QByteArray& last = m_lines[static_cast<std::size_t>(after)];
    if (!last.endsWith('\n'))
        last += ending;
    return after + 1;
}

bool IniSettingsStore::keyExists() const {
    // As in QSettings, a group is there once it holds a value.
    return m_keyCreated || !groupLines().Entries.empty();
}

void IniSettingsStore::createKey() {
    m_keyCreated = true;
    if (m_readOnly || QFileInfo(m_path).size() == 0)
        return; // a first run: nothing to keep
    // The file is there but holds no settings we can read (damaged, or not ours). Writing the
    // defaults would replace it, so a copy is kept first; without a copy nothing is written.
    QString copy = m_path + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(copy); ++n)
        copy = m_path + QStringLiteral(".bak.%1").arg(n);
    if (QFile::copy(m_path, copy)) {
        qWarning("Selvane: %s held no readable settings; kept it as %s and wrote the defaults",
                 qUtf8Printable(m_path), qUtf8Printable(copy));
        m_lines.clear(); // start the file afresh rather than rewrite what was unreadable
        m_dirty = true;
    } else {
        qWarning("Selvane: %s held no readable settings and could not be copied; left it as it "
                 "is and started with the defaults",
                 qUtf8Printable(m_path));
        m_readOnly = true;
    }
}

QString IniSettingsStore::read(const QString& name) const {
    const int at = lineOf(name);
    if (at < 0)
        return {};
    const QByteArray content = contentAt(static_cast<std::size_t>(at));
    return IniValueText(content.mid(content.indexOf('=') + 1));
}

void IniSettingsStore::write(const QString& name, const QString& value) {
    const int at = lineOf(name);
    if (at >= 0) {
        if (read(name) == value)
            return;
        QByteArray& line = m_lines[static_cast<std::size_t>(at)];
        // The name as the line spells it, and the line's own ending.
        line = line.left(line.indexOf('=') + 1) + IniValueForm(value) + endingOf(line);
    } else {
        const int pos = insertionLine();
        const QByteArray ending =
            pos > 0 ? endingOf(m_lines[static_cast<std::size_t>(pos - 1)]) : m_ending;
        m_lines.insert(m_lines.begin() + pos, name.toUtf8() + '=' + IniValueForm(value) + ending);
    }
    m_dirty = true;
}

bool IniSettingsStore::commit() {
    if (m_readOnly)
        return false;
    if (!m_dirty)
        return true;
    const QFileInfo info(m_path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        return false; // it became a device, a fifo or a folder meanwhile: left alone
    QDir().mkpath(info.absolutePath());
    QByteArray data;
    for (const QByteArray& line : m_lines)
        data += line;
    // Unbuffered, so that a write that fails (a full disk, a file size limit) fails here: a
    // buffered one fails only in the flush, which the commit does not check.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    m_dirty = false;
    return true;
}

QString ReadOnlySettingsStore::read(const QString& name) const {
    const auto written = m_written.constFind(name.toLower());
    return written != m_written.cend() ? *written : m_stored.read(name);
}

void ReadOnlySettingsStore::write(const QString& name, const QString& value) {
    m_written.insert(name.toLower(), value);
}

} // namespace selvane
