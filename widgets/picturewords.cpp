// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/picturewords.h"

#include "widgets/resources.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace selvane {

namespace {

// The inks and shadows of tools/make_artwork.py.
constexpr QRgb kHeadingInk = qRgb(236, 239, 246);
constexpr QRgb kHeadingShadow = qRgb(14, 16, 24);
constexpr QRgb kTitleInk = qRgb(238, 232, 212);
constexpr QRgb kTitleShadow = qRgb(0, 0, 8);
constexpr QRgb kButtonShadow = qRgb(10, 12, 18);
constexpr QRgb kAboutInk = qRgb(200, 210, 232);
constexpr QRgb kAboutFaint = qRgb(160, 172, 200);
constexpr QRgb kLinkHeadingInk = qRgb(0, 255, 255);

// A panel heading of the main window, 14 px bold, its capitals centred in the heading band.
constexpr PictureWord Heading(const char* text, double x, double y, int room) {
    return {text, true, x, y, 0, true, WordFace::SansBold, 14, kHeadingInk, kHeadingShadow, room};
}
// A settings window's panel heading, 11 px bold.
constexpr PictureWord SmallHeading(const char* text, double x, double y, int room) {
    return {text, true, x, y, 0, true, WordFace::SansBold, 11, kHeadingInk, kHeadingShadow, room};
}
// A settings window's title in serif.
constexpr PictureWord Title(const char* text, double x, int room) {
    return {text, true, x, 19.5, 0, true, WordFace::Serif, 19, kTitleInk, kTitleShadow, room};
}
// A button of the month picker: the months' names come from the locale, not the catalogue.
// They start two pixels left of the English names, so that the longest keep inside the
// button's bevel (x 98).
constexpr PictureWord Month(const char* text, int row) {
    return {text,        false,         25, 29.0 * row, 29, true, WordFace::SansBold, 13,
            kHeadingInk, kButtonShadow, 73};
}
// A heading row of the links window.
constexpr PictureWord LinkHeading(const char* text) {
    return {text,         false, 8, 0, 21, true, WordFace::SansBold, 12, kLinkHeadingInk,
            std::nullopt, 168};
}

// The panels' headings lie in their bands: the Rise/Set Times and Twilight panels x 20..260
// (centre 140), the Sun and Moon panels x 278..402 (centre 340); a heading keeps 4 pixels
// from each end. The data panel is the background's x 317..403, y 254..464, and carries the
// Sun's and the Moon's headings at the same places.
constexpr PictureWord kBackground[] = {
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Rise/Set Times"), 140, 272.5, 232),
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Sun"), 340, 272.5, 116),
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Twilight"), 140, 369.5, 232),
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Moon"), 340, 369.5, 116),
};
constexpr PictureWord kDataPanel[] = {
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Sun"), 340 - 317, 272.5 - 254, 116),
    Heading(QT_TRANSLATE_NOOP("selvane::Pictures", "Moon"), 340 - 317, 369.5 - 254, 116),
};
// The titles keep a pixel from each end of their drag label; the panels' headings 4 pixels
// from each end of their band.
constexpr PictureWord kConfig[] = {
    Title(QT_TRANSLATE_NOOP("selvane::Pictures", "Configuration"), 142.5, 107),
    SmallHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Observer"), 142, 53.5, 243),
    SmallHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Calendar"), 142, 167.5, 243),
    SmallHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Time"), 142, 253.5, 243),
};
constexpr PictureWord kPrintOptions[] = {
    Title(QT_TRANSLATE_NOOP("selvane::Pictures", "Print Options"), 110, 118),
    SmallHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Printed Calendar"), 110, 53.5, 187),
};
// The time list's title: 20 px serif in the drag strip x 222..422.
constexpr PictureWord kTimeListHeader[] = {
    {QT_TRANSLATE_NOOP("selvane::Pictures", "Monthly Rise/Set Times"), true, 322, 21.5, 0, false,
     WordFace::Serif, 20, kTitleInk, kTitleShadow, 199},
};
// The about window: the lines across the window less 5 pixels each side. The window draws its
// version and home page itself, from the build.
constexpr PictureWord kAbout[] = {
    {QT_TRANSLATE_NOOP("selvane::Pictures", "A Moon calendar for Linux"), true, 105, 93, 0, false,
     WordFace::SansBold, 11, kHeadingInk, std::nullopt, 200},
    {QT_TRANSLATE_NOOP("selvane::Pictures", "by the Selvane developers"), true, 105, 108, 0, false,
     WordFace::Sans, 11, kAboutInk, std::nullopt, 200},
    {QT_TRANSLATE_NOOP("selvane::Pictures", "after J. Meeus, Astronomical Algorithms"), true, 105,
     123, 0, false, WordFace::Sans, 11, kAboutFaint, std::nullopt, 200},
};
constexpr PictureWord kLinksResources[] = {
    LinkHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Lunar Resources"))};
constexpr PictureWord kLinksMissions[] = {
    LinkHeading(QT_TRANSLATE_NOOP("selvane::Pictures", "Missions"))};
constexpr PictureWord kMonthPicker[] = {
    Month("January", 0),   Month("February", 1), Month("March", 2),     Month("April", 3),
    Month("May", 4),       Month("June", 5),     Month("July", 6),      Month("August", 7),
    Month("September", 8), Month("October", 9),  Month("November", 10), Month("December", 11),
};

struct Picture {
    const char* Resource;
    std::span<const PictureWord> Words;
};
constexpr Picture kPictures[] = {
    {":/background.jpg", kBackground},
    {":/datapanel.png", kDataPanel},
    {":/config.png", kConfig},
    {":/printoptions.png", kPrintOptions},
    {":/timelist_header.png", kTimeListHeader},
    {":/about.jpg", kAbout},
    {":/links_heading_resources.png", kLinksResources},
    {":/links_heading_missions.png", kLinksMissions},
    {":/monthpicker.jpg", kMonthPicker},
};

// The pixel index (or fraction) v in device pixels at `scale`: its centre, as the tool takes it.
double At(double v, int scale) {
    return scale * (v + 0.5) - 0.5;
}

} // namespace

QStringList PicturesWithWords() {
    QStringList pictures;
    for (const Picture& p : kPictures)
        pictures << QLatin1String(p.Resource);
    return pictures;
}

std::span<const PictureWord> PictureWords(const QString& resource) {
    for (const Picture& p : kPictures)
        if (resource == QLatin1String(p.Resource))
            return p.Words;
    return {};
}

QString WordlessName(const QString& resource) {
    return QStringLiteral(":/wordless/") + resource.mid(2);
}

QStringList TranslatedWords(const QString& resource) {
    QStringList texts;
    bool translated = false;
    for (const PictureWord& word : PictureWords(resource)) {
        texts << QCoreApplication::translate(kPictureContext, word.Text);
        translated |= texts.back() != QLatin1String(word.Text);
    }
    return translated ? texts : QStringList();
}

QFont WordFont(const PictureWord& word, int scale) {
    QFont font(word.Face == WordFace::Serif ? QStringLiteral("Liberation Serif")
                                            : QStringLiteral("Liberation Sans"));
    font.setPixelSize(word.Pixels * scale);
    font.setBold(word.Face == WordFace::SansBold);
    return font;
}

QImage PictureWithWords(const QString& resource, const QStringList& texts, qreal ratio) {
    QImage picture =
        LoadPicture(WordlessName(resource), ratio).convertToFormat(QImage::Format_RGB32);
    const qreal pictureRatio = picture.devicePixelRatio();
    const int scale = qRound(pictureRatio);
    // Drawn in the picture's own pixels, as the tool draws at each scale.
    picture.setDevicePixelRatio(1.0);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    const std::span<const PictureWord> words = PictureWords(resource);
    for (std::size_t i = 0; i < words.size() && i < static_cast<std::size_t>(texts.size()); ++i) {
        const PictureWord& word = words[i];
        const QString& text = texts[static_cast<qsizetype>(i)];
        const QFont font = WordFont(word, scale);
        const QFontMetricsF metrics(font);
        const QRectF caps = metrics.tightBoundingRect(QStringLiteral("H"));
        double x, baseline;
        if (word.Centred) {
            const QRectF ink = metrics.tightBoundingRect(text);
            x = std::round(At(word.X, scale) - ink.width() / 2 - ink.left());
            const QRectF& middle = word.ByCaps ? caps : ink;
            baseline = std::round(At(word.Y, scale) - middle.height() / 2 - middle.top());
        } else {
            x = word.X * scale;
            baseline =
                std::round(word.Y * scale + (word.Rows * scale - caps.height()) / 2 - caps.top());
        }
        p.setFont(font);
        if (word.Shadow) {
            p.setPen(QColor(*word.Shadow));
            p.drawText(QPointF(x + scale, baseline + scale), text);
        }
        p.setPen(QColor(word.Ink));
        p.drawText(QPointF(x, baseline), text);
    }
    p.end();
    picture.setDevicePixelRatio(pictureRatio);
    return picture;
}

} // namespace selvane
