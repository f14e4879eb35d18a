// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The language of the program's texts. The texts in the code are English; a catalogue built
// from translations/selvane_xx.ts turns them into another language, and Qt's own catalogue of
// that language does the same for the stock dialogs (file dialog, message boxes).

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace selvane {

class Translation {
public:
    // The catalogues of the first of the user's languages (QLocale::uiLanguages(), which
    // follows LANGUAGE, LC_MESSAGES and LANG: "de-AT", "fr", "en-GB", "C") that Selvane speaks:
    // none when English (or C) comes before any language with a catalogue. A language of
    // which only another country's catalogue exists takes that one ("pt-PT" the "pt_BR" one).
    explicit Translation(const QStringList& uiLanguages);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The catalogue's name ("de", "pt_BR"); empty for English.
    QString language() const { return m_language; }

    // The locale of the month and weekday names that go with the texts: the chosen language's
    // ("de-AT" names January "Jänner"). Without a catalogue, `system` when it speaks English
    // or is C, else English in the system's country, so that names and texts never mix.
    QLocale namesLocale(const QLocale& system) const;

    // A text of the code (`context`, `source`) in the chosen language, without an application
    // object: the command line checks its arguments before it makes one.
    QString translate(const char* context, const char* source) const;

    // Makes the catalogues the running application's, so that tr() and the stock dialogs use
    // them. Needs the application object.
    void install() const;

    // The languages of the catalogues built into the program, sorted ("de", "es", ...).
    static QStringList available();

private:
    QString m_language;
    QLocale m_names;
    std::unique_ptr<QTranslator> m_program; // Selvane's texts
    std::unique_ptr<QTranslator> m_qt;      // Qt's stock dialogs, when Qt has the language
};

} // namespace selvane
