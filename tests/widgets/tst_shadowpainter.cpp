// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shadowpainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace selvane;

namespace {

// The main window's frame (151 pixels, the far edges on the lines x + 151 and y + 151, a
// one-pixel centre line) and a printed picture's (180 units from the corner, a three-unit
// centre line), both placed inside a test image.
const ShadowFrame kScreen{QPoint(10, 10), 151, 0, 0};
const ShadowFrame kPage{QPoint(40, 30), 180, 1, 1};

QImage Painted(const ShadowFrame& frame, std::initializer_list<ArcRun> runs, bool centreLine) {
    QImage image(260, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintShadow(painter, frame, Qt::black, runs, centreLine);
    return image;
}

bool Dark(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

} // namespace

class TestShadowPainter : public QObject {
    Q_OBJECT

private slots:
    void arcBoxesFollowEachDevicesCounting();
    void centreLineSpansTheFrame();
    void pageHalvesMeetAtTheMiddleUnit();
};

void TestShadowPainter::arcBoxesFollowEachDevicesCounting() {
    // On the screen arc k lies between the lines x + k and x + 151 - k, from y to y + 151. On
    // the page it covers the units from x + k up to x + 180 - k, that line excluded, so its
    // rectangle is a unit narrower and lower. Past the middle the two edges change places.
    struct Row {
        const ShadowFrame* frame;
        int k;
        QRect box;
    };
    const Row rows[] = {
        {&kScreen, 0, QRect(10, 10, 151, 151)}, {&kScreen, 75, QRect(85, 10, 1, 151)},
        {&kScreen, 76, QRect(85, 10, 1, 151)},  {&kScreen, 151, QRect(10, 10, 151, 151)},
        {&kPage, 0, QRect(40, 30, 179, 179)},   {&kPage, 89, QRect(129, 30, 1, 179)},
        {&kPage, 90, QRect(130, 30, 0, 179)},   {&kPage, 91, QRect(129, 30, 1, 179)},
        {&kPage, 180, QRect(40, 30, 179, 179)},
    };
    for (const Row& r : rows)
        QCOMPARE(ShadowArcBox(*r.frame, r.k), r.box);
    // The disc reaches a unit past the frame on every side, counted as the frame is.
    QCOMPARE(ShadowDisc(kScreen), QRect(9, 9, 153, 153));
    QCOMPARE(ShadowDisc(kPage), QRect(39, 29, 181, 181));
}

void TestShadowPainter::centreLineSpansTheFrame() {
    // The screen's line: x + 75 from y to y + 150. The page's: x + 89 to x + 91, from a unit
    // above the square to a unit below it.
    struct Row {
        const ShadowFrame* frame;
        QRect line;
    };
    for (const Row& r : {Row{&kScreen, QRect(QPoint(85, 10), QPoint(85, 160))},
                         Row{&kPage, QRect(QPoint(129, 29), QPoint(131, 210))}}) {
        const QImage image = Painted(*r.frame, {}, true);
        int outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (r.line.contains(x, y))
                    QVERIFY2(Dark(image, x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                else
                    outside += Dark(image, x, y);
        QCOMPARE(outside, 0);
    }
}

void TestShadowPainter::pageHalvesMeetAtTheMiddleUnit() {
    // The page's square splits into the units 0..89 and 90..179: a half's arcs, from the limb
    // or from the centre outwards, darken the unit next to the middle on every row and never
    // the other half's.
    struct Row {
        ArcRun run;
        int dark, light; // units from the square's left edge
    };
    const Row rows[] = {{{ShadowSide::Left, 0, 91}, 89, 90},
                        {{ShadowSide::Right, 0, 91}, 90, 89},
                        {{ShadowSide::Left, 89, 180}, 89, 90},
                        {{ShadowSide::Right, 89, 180}, 90, 89}};
    const int x = kPage.TopLeft.x(), y = kPage.TopLeft.y();
    for (const Row& r : rows) {
        const QImage image = Painted(kPage, {r.run}, false);
        for (int row = y + 2; row <= y + 177; ++row) {
            QVERIFY2(Dark(image, x + r.dark, row), qPrintable(QString::number(row)));
            QVERIFY2(!Dark(image, x + r.light, row), qPrintable(QString::number(row)));
        }
    }
}

QTEST_MAIN(TestShadowPainter)
#include "tst_shadowpainter.moc"
