// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/sexagesimalpainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace selvane;

namespace {

// Columns of the image that hold a pixel of the pen colour.
QVector<int> inkedColumns(const QImage& image) {
    QVector<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qRed(image.pixel(x, y)) > 128) {
                columns << x;
                break;
            }
    return columns;
}

} // namespace

class TestSexagesimalPainter : public QObject {
    Q_OBJECT

private slots:
    void piecesEndAtTheirRightEdges();
    void columnsOfDifferentValuesLineUp();
};

void TestSexagesimalPainter::piecesEndAtTheirRightEdges() {
    QImage image(200, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    QFont font("Arial");
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    DrawSexagesimal(p, SexagesimalMode::Time, 60, 5, 8.916697);
    p.end();

    // The third piece ("55s", no trailing space) ends just left of 60 + 50; the first piece
    // ("     8h ") starts well left of 60.
    const QVector<int> cols = inkedColumns(image);
    QVERIFY(!cols.isEmpty());
    QVERIFY2(cols.last() < 110 && cols.last() >= 104, qPrintable(QString::number(cols.last())));
    QVERIFY2(cols.first() > 35 && cols.first() < 52, qPrintable(QString::number(cols.first())));
}

void TestSexagesimalPainter::columnsOfDifferentValuesLineUp() {
    // A value of three digits and one of one digit: their degree marks end at the same x.
    QImage a(200, 30, QImage::Format_RGB32), b(200, 30, QImage::Format_RGB32);
    for (auto [image, value] : {std::pair{&a, 285.04}, std::pair{&b, -5.5}}) {
        image->fill(Qt::black);
        QPainter p(image);
        QFont font("Arial");
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(Qt::white);
        DrawSexagesimal(p, SexagesimalMode::Angle, 100, 5, value);
    }
    QCOMPARE(inkedColumns(a).last(), inkedColumns(b).last());
}

QTEST_MAIN(TestSexagesimalPainter)
#include "tst_sexagesimalpainter.moc"
