// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words in the window pictures: panel headings, window titles, the month picker's names
// and the about window's lines. The artwork tool draws every picture with its English words,
// and a wordless copy of it (resources/wordless/); in another language the program writes
// the words on the wordless copy as the tool sets them: the same faces, sizes, inks, shadows
// and places.

#include <QFont>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QImage;

namespace selvane {

// The translation context of the pictures' words.
inline constexpr const char* kPictureContext = "selvane::Pictures";

enum class WordFace { Serif, Sans, SansBold };

// One word (or line) of a picture, in the picture's logical pixels.
struct PictureWord {
    // The English word, marked for translation; the about window's version line holds %1 for
    // the program's version.
    const char* Text;
    // Centred: the ink's centre is at the pixel (X, Y) (fractions between pixels), with the
    // capital height centred when ByCaps. Else the text starts at column X with its capitals
    // centred on the Rows rows from row Y.
    bool Centred;
    double X, Y;
    int Rows;
    bool ByCaps;
    WordFace Face;
    int Pixels;
    QRgb Ink;
    std::optional<QRgb> Shadow; // a pixel right of and below the ink
    int Room;                   // the pixels the word may take
};

// The pictures with words in them.
QStringList PicturesWithWords();

// The words of a picture (":/background.jpg"), in the order the tool draws them; empty for a
// picture without words.
std::span<const PictureWord> PictureWords(const QString& resource);

// The wordless copy of a picture: ":/background.jpg" -> ":/wordless/background.jpg".
QString WordlessName(const QString& resource);

// The picture's words in the user's language, %1 filled in; empty when they are all the
// English ones (the picture with its own words is then the one to show) or it has none.
QStringList TranslatedWords(const QString& resource);

// The wordless copy of the picture at `ratio` (as LoadPicture chooses it) with `texts` written
// on it, one for each of its words.
QImage PictureWithWords(const QString& resource, const QStringList& texts, qreal ratio);

// The font a word is set in, at `scale` times its size.
QFont WordFont(const PictureWord& word, int scale = 1);

} // namespace selvane
