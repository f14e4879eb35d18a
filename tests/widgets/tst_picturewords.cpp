// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words the program writes on the wordless pictures stand where the artwork tool set the
// English ones: written in English on the wordless copy, each word's ink (where the picture
// differs from the wordless copy) has the extent of the tool's own to within a pixel, at both
// resolutions.

#include "core/product.h"
#include "widgets/picturewords.h"
#include "widgets/resources.h"

#include <QImage>
#include <QTest>

#include <cstdlib>

using namespace selvane;

namespace {

// The pixels where `picture` differs from `wordless` by more than a faint trace: the ink of
// its words and their shadows.
std::vector<bool> Ink(const QImage& picture, const QImage& wordless) {
    std::vector<bool> ink(static_cast<std::size_t>(picture.width() * picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y), b = wordless.pixel(x, y);
            const int d = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
            ink[static_cast<std::size_t>(y * picture.width() + x)] = d > 120;
        }
    return ink;
}

// The box around the ink within a box of the picture; empty when there is none.
QRect InkBox(const std::vector<bool>& ink, int w, const QRect& box) {
    QRect found;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (ink[static_cast<std::size_t>(y * w + x)])
                found |= QRect(x, y, 1, 1);
    return found;
}

// Where a word's ink lies, in device pixels at `scale`: its room across, and for a centred
// word 0.7 of its size above and below its centre line, else its rows.
QRect WordBox(const PictureWord& word, int scale, const QSize& picture) {
    QRectF box;
    if (word.Centred) {
        const double x = scale * (word.X + 0.5), y = scale * (word.Y + 0.5);
        box = QRectF(x - scale * word.Room / 2.0, y - 0.7 * scale * word.Pixels, scale * word.Room,
                     1.4 * scale * word.Pixels);
    } else {
        box = QRectF(scale * (word.X - 3), scale * word.Y, scale * (word.Room + 3),
                     scale * word.Rows);
    }
    return box.toAlignedRect() & QRect(QPoint(0, 0), picture);
}

} // namespace

class TestPictureWords : public QObject {
    Q_OBJECT

private slots:
    void englishWordsStandWhereTheToolSetThem_data();
    void englishWordsStandWhereTheToolSetThem();
    void englishNeedsNoWordlessCopy();
};

void TestPictureWords::englishWordsStandWhereTheToolSetThem_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<qreal>("ratio");
    // Every picture the artwork tool draws with words, and none else (their wordless copies are
    // in the resources).
    QStringList listed = PicturesWithWords();
    listed.sort();
    QCOMPARE(listed,
             QStringList({":/about.jpg", ":/background.jpg", ":/config.png", ":/datapanel.png",
                          ":/links_heading_missions.png", ":/links_heading_resources.png",
                          ":/monthpicker.jpg", ":/printoptions.png", ":/timelist_header.png"}));
    for (const QString& resource : listed)
        for (qreal ratio : {1.0, 2.0})
            QTest::addRow("%s at %g", qPrintable(resource), ratio) << resource << ratio;
}

void TestPictureWords::englishWordsStandWhereTheToolSetThem() {
    QFETCH(QString, resource);
    QFETCH(qreal, ratio);
    QStringList english;
    for (const PictureWord& word : PictureWords(resource))
        english << QString::fromLatin1(word.Text).replace(QStringLiteral("%1"), VersionLabel());
    QVERIFY(!english.isEmpty());
    const QImage tool = LoadPicture(resource, ratio).convertToFormat(QImage::Format_RGB32);
    const QImage wordless =
        LoadPicture(WordlessName(resource), ratio).convertToFormat(QImage::Format_RGB32);
    const QImage ours = PictureWithWords(resource, english, ratio);
    QCOMPARE(ours.size(), tool.size());
    QCOMPARE(wordless.size(), tool.size());
    const std::vector<bool> toolInk = Ink(tool, wordless);
    std::vector<bool> ourInk = Ink(ours, wordless);
    const int w = tool.width(), h = tool.height();
    // The month picker's names start two pixels left of the tool's: compared shifted back.
    if (resource == QStringLiteral(":/monthpicker.jpg")) {
        const int by = 2 * qRound(ratio);
        for (int y = 0; y < h; ++y)
            for (int x = w - 1; x >= 0; --x)
                ourInk[static_cast<std::size_t>(y * w + x)] =
                    x >= by && ourInk[static_cast<std::size_t>(y * w + x - by)];
    }
    // Each word's ink reaches as far in every direction as the tool's, to within a pixel of the
    // window (the two draw their glyphs with hinting of their own).
    const int scale = qRound(ratio);
    for (const PictureWord& word : PictureWords(resource)) {
        const QRect box = WordBox(word, scale, tool.size());
        const QRect theirs = InkBox(toolInk, w, box), mine = InkBox(ourInk, w, box);
        const QString where = QString::fromLatin1(word.Text) + QStringLiteral(": tool ") +
                              QDebug::toString(theirs) + QStringLiteral(", ours ") +
                              QDebug::toString(mine);
        QVERIFY2(!theirs.isEmpty() && !mine.isEmpty(), qPrintable(where));
        for (const auto& [a, b] : {std::pair{theirs.left(), mine.left()},
                                   {theirs.right(), mine.right()},
                                   {theirs.top(), mine.top()},
                                   {theirs.bottom(), mine.bottom()}})
            QVERIFY2(std::abs(a - b) <= scale, qPrintable(where));
    }
}

void TestPictureWords::englishNeedsNoWordlessCopy() {
    // No catalogue: every picture is the tool's own, words and all.
    QVERIFY(TranslatedWords(QStringLiteral(":/background.jpg")).isEmpty());
    QVERIFY(TranslatedWords(QStringLiteral(":/moon.png")).isEmpty());
    QCOMPARE(LoadPicture(QStringLiteral(":/config.png"), 1.0),
             QImage(QStringLiteral(":/config.png")));
    QCOMPARE(WordlessName(QStringLiteral(":/about.jpg")), QStringLiteral(":/wordless/about.jpg"));
}

QTEST_MAIN(TestPictureWords)
#include "tst_picturewords.moc"
