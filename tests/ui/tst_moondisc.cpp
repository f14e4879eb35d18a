// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/moondisc.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace selvane;

namespace {

const QRgb kShadow = qRgb(30, 30, 30);

// The shadow drawn on a white picture, so every touched pixel shows.
QImage ShadowOnWhite(int percent, PhaseState state, bool northernView) {
    QImage image(150, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    Shadow(p, percent, state, northernView);
    return image;
}

// Dark pixels in columns [x0, x1] of rows [y0, y1].
int DarkIn(const QImage& image, int x0, int x1, int y0 = 0, int y1 = 149) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            n += image.pixel(x, y) == kShadow;
    return n;
}

// Whether every pixel well inside the disc and in columns [x0, x1] is dark.
bool DiscPartDark(const QImage& image, int x0, int x1) {
    for (int y = 0; y < 150; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - 75.5, dy = y + 0.5 - 74.5;
            if (dx * dx + dy * dy < 73.0 * 73.0 && image.pixel(x, y) != kShadow)
                return false;
        }
    return true;
}

} // namespace

class TestMoonDisc : public QObject {
    Q_OBJECT

private slots:
    void eachStateHasTheStatusStripsName();
    void fiftyPercentFirstQuarterDarkensExactlyTheWaxingHalf();
    void fortyNinePercentAddsALensAndTheCentreLine();
    void fullGibbousDrawsOneArcWaxingAndNothingWaning();
    void waningShadowSideFollowsTheHemisphere();
    void newMoonCoversTheWholePicture();
    void turningTwiceRestoresThePicture();
};

void TestMoonDisc::eachStateHasTheStatusStripsName() {
    using enum PhaseState;
    const std::pair<PhaseState, const char*> rows[] = {
        {NewMoon, " New Moon"},           {WaningCrescent, " Waning Crescent"},
        {LastQuarter, " Last Quarter"},   {WaningGibbous, " Waning Gibbous"},
        {FullMoon, " Full Moon"},         {WaxingGibbous, " Waxing Gibbous"},
        {FirstQuarter, " First Quarter"}, {WaxingCrescent, " Waxing Crescent"}};
    for (const auto& [state, name] : rows)
        QCOMPARE(PhaseStateName(state), QString(name));
}

void TestMoonDisc::fiftyPercentFirstQuarterDarkensExactlyTheWaxingHalf() {
    const QImage image = ShadowOnWhite(50, PhaseState::FirstQuarter, true);
    QVERIFY(DiscPartDark(image, 0, 74));
    QCOMPARE(DarkIn(image, 76, 149), 0); // nothing on the lit half, no centre line
}

void TestMoonDisc::fortyNinePercentAddsALensAndTheCentreLine() {
    const QImage image = ShadowOnWhite(49, PhaseState::FirstQuarter, true);
    QVERIFY(DiscPartDark(image, 0, 74));
    // The centre line runs the full height.
    QCOMPARE(DarkIn(image, 75, 75, 1, 148), 148);
    // A lens about 2 pixels wide at the equator right of the centre, none further out.
    QVERIFY(DarkIn(image, 76, 77, 70, 80) > 0);
    QCOMPARE(DarkIn(image, 80, 149), 0);
}

void TestMoonDisc::fullGibbousDrawsOneArcWaxingAndNothingWaning() {
    const QImage waxing = ShadowOnWhite(100, PhaseState::WaxingGibbous, true);
    // Arc k = 0 only: dark along the left limb, nothing inside.
    QVERIFY(DarkIn(waxing, 0, 2, 70, 80) > 0);
    QCOMPARE(DarkIn(waxing, 5, 149, 60, 90), 0);
    QCOMPARE(DarkIn(ShadowOnWhite(100, PhaseState::WaningGibbous, true), 0, 149), 0);
    QCOMPARE(DarkIn(ShadowOnWhite(100, PhaseState::FullMoon, true), 0, 149), 0);
}

void TestMoonDisc::waningShadowSideFollowsTheHemisphere() {
    // A waning gibbous of 75 %: about 38 pixels of shadow at the equator.
    const QImage north = ShadowOnWhite(75, PhaseState::WaningGibbous, true);
    const QImage south = ShadowOnWhite(75, PhaseState::WaningGibbous, false);
    QVERIFY(DarkIn(north, 120, 149, 74, 76) > 0);
    QCOMPARE(DarkIn(north, 0, 100, 60, 90), 0); // all arcs meet at the poles
    QVERIFY(DarkIn(south, 0, 29, 74, 76) > 0);
    QCOMPARE(DarkIn(south, 50, 149, 60, 90), 0);
    // The waxing crescent's dark side is the waning one's mirror.
    QVERIFY(DiscPartDark(ShadowOnWhite(20, PhaseState::WaxingCrescent, true), 0, 74));
    QVERIFY(DiscPartDark(ShadowOnWhite(20, PhaseState::WaxingCrescent, false), 76, 149));
}

void TestMoonDisc::newMoonCoversTheWholePicture() {
    const QImage image = ShadowOnWhite(0, PhaseState::NewMoon, true);
    QVERIFY(DiscPartDark(image, 0, 149));
}

void TestMoonDisc::turningTwiceRestoresThePicture() {
    QImage image(27, 27, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(2, 5, qRgb(255, 0, 0));
    const QImage turned = TurnedHalfway(image);
    QCOMPARE(turned.pixel(24, 21), qRgb(255, 0, 0));
    QCOMPARE(TurnedHalfway(turned), image);
}

QTEST_MAIN(TestMoonDisc)
#include "tst_moondisc.moc"
