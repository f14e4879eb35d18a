// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace selvane {

namespace {

// Where the build puts the catalogues: resources of the program, so the build tree and an
// installation find them alike.
const char* const kCatalogueFolder = ":/i18n";
const char* const kCataloguePrefix = "selvane_";

// The catalogue for a locale the user reads: its own ("de_AT"), its language's ("de"), else
// one of its language for another country ("pt_BR" for "pt_PT"); empty for none.
QString CatalogueFor(const QLocale& wanted, const QStringList& available) {
    const QString name = wanted.name();
    const QString language = name.section(u'_', 0, 0);
    for (const QString& candidate : {name, language})
        if (available.contains(candidate))
            return candidate;
    for (const QString& candidate : available)
        if (candidate.section(u'_', 0, 0) == language)
            return candidate;
    return {};
}

bool SpeaksEnglish(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

QStringList Translation::available() {
    QStringList languages;
    const QString prefix = QLatin1String(kCataloguePrefix);
    for (const QString& file :
         QDir(QLatin1String(kCatalogueFolder))
             .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

Translation::Translation(const QStringList& uiLanguages) {
    const QStringList catalogues = available();
    for (const QString& entry : uiLanguages) {
        const QLocale wanted(entry);
        if (SpeaksEnglish(wanted))
            return; // the texts as they are written
        const QString language = CatalogueFor(wanted, catalogues);
        if (language.isEmpty())
            continue; // a language Selvane does not speak: the next one the user reads
        auto program = std::make_unique<QTranslator>();
        if (!program->load(QLatin1String(kCataloguePrefix) + language,
                           QLatin1String(kCatalogueFolder)))
            continue;
        m_program = std::move(program);
        m_language = language;
        m_names = wanted;
        // Qt names its catalogues as Selvane does (qtbase_de, qtbase_pt_BR); load() falls back
        // from "pt_BR" to "pt" by itself. A language Qt lacks leaves its dialogs in English.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qt = std::move(qt);
        return;
    }
}

Translation::~Translation() = default;

QLocale Translation::namesLocale(const QLocale& system) const {
    if (m_program)
        return m_names;
    if (SpeaksEnglish(system))
        return system;
    return QLocale(QLocale::English, system.territory());
}

QString Translation::translate(const char* context, const char* source) const {
    if (m_program) {
        const QString text = m_program->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

void Translation::install() const {
    if (m_program)
        QCoreApplication::installTranslator(m_program.get());
    if (m_qt)
        QCoreApplication::installTranslator(m_qt.get());
}

} // namespace selvane
