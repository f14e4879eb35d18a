// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on a high-density screen: device pixel ratio 2 (QT_SCALE_FACTOR, set before
// the application starts unless the environment asks for another ratio, such as 1.5). Its
// pictures are the ones at twice the resolution, its scratch pictures are made at the
// window's ratio, and every place is the one it has at ratio 1.

#include "mainwindowfixture.h"

#include "ui/moondisc.h"
#include "widgets/hotspotlabel.h"
#include "widgets/resources.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/trisesettimelist.h"

#include <QApplication>
#include <QPainter>
#include <QtMath>

#include <cmath>

using namespace selvane;

namespace {

const QRgb kShadow = qRgb(30, 30, 30);
constexpr int kMoonRow = 75; // the Moon's equator, logical row

// The device row through the middle of a logical row.
int DeviceRow(int logicalRow, qreal ratio) {
    return qFloor((logicalRow + 0.5) * ratio);
}

// The first column right of the shadow on a row (the waxing crescent's shadow is on the left).
int TerminatorColumn(const QImage& moon, int y) {
    int last = -1;
    for (int x = 0; x < moon.width(); ++x)
        if (moon.pixel(x, y) == kShadow)
            last = x;
    return last + 1;
}

// Pixels of row y, within `reach` of column `across`, whose grey lies strictly between the
// shadow's and that of the Moon's own surface at that pixel: the blend across the shadow's
// edge. Surface and shadow themselves do not count.
int RampWidth(const QImage& shadowed, const QImage& surface, int y, int across, int reach) {
    int n = 0;
    for (int x = across - reach; x <= across + reach; ++x) {
        const int grey = qGray(shadowed.pixel(x, y));
        const int lit = qGray(surface.pixel(x, y));
        n += grey > std::min(qGray(kShadow), lit) && grey < std::max(qGray(kShadow), lit);
    }
    return n;
}

QImage HalvedAndEnlarged(const QImage& image) {
    return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Detail finer than two pixels in `area`: the mean grey the picture loses when halved and
// enlarged again. A picture drawn at half the resolution and enlarged has little to lose.
double FineDetail(const QImage& image, const QRect& area) {
    const QImage coarse = HalvedAndEnlarged(image);
    double sum = 0.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += std::abs(qGray(image.pixel(x, y)) - qGray(coarse.pixel(x, y)));
    return sum / (area.width() * area.height());
}

// Pixels other than the shadow's in the crescent's dark part, two logical pixels inside its
// edges: the disc of radius 75 left of the terminator, an ellipse through the poles 25.5
// right of the centre.
int HolesInShadow(const QImage& moon, qreal ratio) {
    int n = 0;
    for (int y = 0; y < moon.height(); ++y)
        for (int x = 0; x < moon.width(); ++x) {
            const qreal dx = (x + 0.5) / ratio - 75.0, dy = (y + 0.5) / ratio - 75.0;
            const bool inDisc = std::hypot(dx, dy) < 73.0;
            const bool dark =
                dx < 25.5 * std::sqrt(std::max(0.0, 1.0 - dy * dy / (75.0 * 75.0))) - 2.0;
            n += inDisc && dark && moon.pixel(x, y) != kShadow;
        }
    return n;
}

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestHighDensity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesAtTwiceTheResolutionWhereThereAreSome();
    void scratchPicturesAreAtTheWindowsRatio();
    void terminatorIsAsSharpAndWhereItIsAtRatioOne();
    void placesAndSizesAreThoseOfRatioOne();

private:
    qreal m_ratio = 1.0;
};

void TestHighDensity::initTestCase() {
    m_ratio = qApp->devicePixelRatio();
    QVERIFY2(m_ratio > 1.0, "the test needs a high-density screen");
}

void TestHighDensity::picturesAtTwiceTheResolutionWhereThereAreSome() {
    QCOMPARE(HighDensityName(":/moon.png"), QString(":/moon@2x.png"));
    QCOMPARE(HighDensityName(":/v1.2/moon"), QString(":/v1.2/moon@2x"));
    for (const qreal ratio : {1.5, 2.0, 3.0}) {
        const QImage moon = LoadPicture(":/moon.png", ratio);
        QCOMPARE(moon.size(), QSize(300, 300));
        QCOMPARE(moon.deviceIndependentSize(), QSizeF(150, 150));
    }
    QCOMPARE(LoadPicture(":/moon.png", 1.0).devicePixelRatio(), 1.0);
    QCOMPARE(LoadPicture(":/moon.png", 1.0).size(), QSize(150, 150));
    // The application icon has no second version.
    QCOMPARE(LoadPicture(":/icon.png", 2.0).devicePixelRatio(), 1.0);
    QCOMPARE(LoadPixmap(":/yearbox.png").devicePixelRatio(), 2.0); // the application's ratio
}

void TestHighDensity::scratchPicturesAreAtTheWindowsRatio() {
    const auto device = [this](int logical) {
        return qCeil(logical * m_ratio - 1e-6);
    };
    Fixture f(kNoon15March);
    QCOMPARE(f.window->devicePixelRatioF(), m_ratio);
    f.window->Timer1Timer();

    const QImage& moon = f.window->moonPicture();
    QCOMPARE(moon.devicePixelRatio(), m_ratio);
    QCOMPARE(moon.size(), QSize(device(150), device(150))); // 300 x 300 at ratio 2
    QCOMPARE(f.window->statusStrip().devicePixelRatio(), m_ratio);
    QCOMPARE(f.window->statusStrip().size(), QSize(device(640), device(21)));
    QCOMPARE(f.window->dataPanel().devicePixelRatio(), m_ratio);
    QCOMPARE(f.window->dataPanel().size(), QSize(device(99), device(211)));
    // So is the time list's picture: 31 rows for March.
    TRiseSetTimeList& list = f.window->timeList();
    MonthTimeTable table;
    list.DisplayTimeList(false, table);
    QCOMPARE(list.listPicture().devicePixelRatio(), m_ratio);
    QCOMPARE(list.listSize(), QSize(600, 31 * list.rowHeight() - 1));
    QCOMPARE(list.listPicture().size(), QSize(device(600), device(31 * list.rowHeight() - 1)));
    // The phase icons keep the ratio of their pictures, also once turned for the south.
    f.window->imgHemisphereClick();
    f.window->Timer1Timer();
    QCOMPARE(f.window->phaseIcon(1).devicePixelRatio(), 2.0);
    QCOMPARE(f.window->phaseIcon(1).size(), QSize(54, 54));
    QCOMPARE(f.window->moonPicture().size(), moon.size());
    f.window->imgHemisphereClick();
    f.window->Timer1Timer();

    if (m_ratio != 2.0)
        return;
    // The Moon is the picture at twice the resolution, not the small one enlarged: its lit
    // part right of the terminator (logical x 110..145) is that picture's, pixel for pixel.
    const QRect lit(220, 100, 70, 100);
    QCOMPARE(Rgb32(f.window->moonPicture()).copy(lit), Rgb32(QImage(":/moon@2x.png")).copy(lit));
    // The texts painted on the status strip, the data panel and the time list are drawn at full
    // resolution: the time and date (in the band x 20..402), the Sun's azimuth and altitude
    // (panel rows 37..68) and the list's first three days have detail that the same picture
    // drawn at half the resolution lacks.
    const QRect date(44, 6, 756, 30), sun(24, 74, 150, 62), days(0, 0, 1200, 84);
    for (const auto& [picture, area] :
         {std::pair{f.window->statusStrip(), date}, std::pair{f.window->dataPanel(), sun},
          std::pair{list.listPicture(), days}}) {
        const double fine = FineDetail(picture, area);
        const double coarse = FineDetail(HalvedAndEnlarged(picture), area);
        qInfo("fine detail %.2f, at half the resolution %.2f", fine, coarse);
        QVERIFY(fine > 1.6 * coarse); // 2.1 for the strip; 1.3 with its texts drawn at ratio 1
    }
}

void TestHighDensity::terminatorIsAsSharpAndWhereItIsAtRatioOne() {
    Fixture f(kNoon15March);
    f.window->Timer1Timer();
    // 15 March 2024 at noon: a waxing crescent of 33 %, its shadow on the left in the north.
    QCOMPARE(f.window->state().PhaseName, QString(" Waxing Crescent"));
    QCOMPARE(f.label("lblVisible")->text(), QString("33 %"));

    // The same shadow on the 150 x 150 picture at ratio 1.
    QImage small = Rgb32(QImage(":/moon.png"));
    const QImage smallSurface = small;
    {
        QPainter p(&small);
        Shadow(p, 33, PhaseState::WaxingCrescent, true);
    }
    // A third lit: the terminator lies a third of the diameter from the right limb, at
    // 75 + 75 (1 - 2 x 0.33) = 100.5.
    const int terminator1 = TerminatorColumn(small, kMoonRow);
    QVERIFY2(std::abs(terminator1 - 100.5) <= 2.5, qPrintable(QString::number(terminator1)));
    const int ramp1 = RampWidth(small, smallSurface, kMoonRow, terminator1, 8);

    const QImage moon = Rgb32(f.window->moonPicture());
    const int y = DeviceRow(kMoonRow, m_ratio);
    const QImage surface = Rgb32(PictureAt(LoadPicture(":/moon.png", m_ratio), m_ratio));
    const int ramp =
        RampWidth(moon, surface, y, qRound(terminator1 * m_ratio), qRound(8 * m_ratio));
    const int terminator = TerminatorColumn(moon, y);
    qInfo("ratio %g: terminator at column %d (%d at ratio 1), ramp %d device pixels (%d)", m_ratio,
          terminator, terminator1, ramp, ramp1);
    // No wider in device pixels than at ratio 1, so narrower on the screen.
    QVERIFY(ramp <= ramp1);
    // At the same place of the Moon, to a device pixel.
    QVERIFY(std::abs(terminator - terminator1 * m_ratio) <= 1.0);
    // No pinholes between the arcs at either ratio.
    QCOMPARE(HolesInShadow(small, 1.0), 0);
    QCOMPARE(HolesInShadow(moon, m_ratio), 0);
}

void TestHighDensity::placesAndSizesAreThoseOfRatioOne() {
    Fixture f(kNoon15March);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->Timer1Timer();
    QCOMPARE(f.window->size(), QSize(640, 480));
    // The offscreen screen is too narrow for the window at this ratio: the title strip and the
    // right-hand commands stay on it, and all of its height where there is room.
    const QRect area = f.window->screen()->availableGeometry();
    const QRect window = f.window->geometry();
    QVERIFY(area.width() < 640);
    QCOMPARE(window.right(), area.right());
    QVERIFY(window.top() >= area.top());
    QVERIFY(area.height() < 480 || window.bottom() <= area.bottom());
    QCOMPARE(f.window->findChild<HotSpotLabel*>("lblConfig")->geometry(), QRect(479, 12, 18, 21));
    QCOMPARE(f.window->findChild<QLabel*>("imgHemisphere")->geometry(), QRect(47, 11, 22, 24));
    QCOMPARE(f.label("lblVisible")->pos(), QPoint(244, 82));
    QCOMPARE(f.window->calendar().Image5->size(), QSize(25, 23));
    // The other windows take the logical size of their pictures at twice the resolution.
    QCOMPARE(f.window->config().size(), QSize(284, 376));
    QCOMPARE(f.window->about().size(), QSize(210, 155));

    // What is painted lies at the logical places: the Moon at (26, 86), the strip at (0, 40).
    const QImage screen = Rgb32(f.window->grab().toImage());
    QCOMPARE(screen.size(), QSize(qCeil(640 * m_ratio), qCeil(480 * m_ratio)));
    const QImage& moon = f.window->moonPicture();
    QCOMPARE(screen.copy(QRect(QPoint(qRound(26 * m_ratio), qRound(86 * m_ratio)), moon.size())),
             Rgb32(moon));
    const QImage& strip = f.window->statusStrip();
    QCOMPARE(screen.copy(QRect(QPoint(0, qRound(40 * m_ratio)), strip.size())), Rgb32(strip));
    if (m_ratio != 2.0)
        return;
    // The background is the picture at twice the resolution: the stars of the title strip.
    const QRect stars(300, 4, 200, 14);
    QCOMPARE(screen.copy(stars), Rgb32(QImage(":/background@2x.jpg")).copy(stars));
    // The phase icons lie at (431, 83) and 30 pixels apart: the last quarter first in March.
    QCOMPARE(screen.copy(QRect(862, 166, 54, 54)), Rgb32(f.window->phaseIcon(3)));
}

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
