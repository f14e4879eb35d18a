// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/resources.h"

#include "widgets/picturewords.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QtGlobal>
#include <QtMath>

#include <mutex>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterSelvaneResources() {
    Q_INIT_RESOURCE(selvane);
}

namespace selvane {

namespace {

constexpr qreal kHighDensityRatio = 2.0;

// Rounds up, but not a product a rounding error above a whole number (87 x 1.1).
int DeviceLength(qreal logical, qreal ratio) {
    return qCeil(logical * ratio - 1e-6);
}

} // namespace

void InitResources() {
    static std::once_flag once;
    std::call_once(once, RegisterSelvaneResources);
}

QString HighDensityName(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = resource.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return resource + QStringLiteral("@2x");
    return resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

QImage LoadPicture(const QString& resource, qreal ratio) {
    InitResources();
    // A picture with words in it, in another language: its wordless copy with the words
    // written on it.
    if (const QStringList words = TranslatedWords(resource); !words.isEmpty())
        return PictureWithWords(resource, words, ratio);
    if (ratio > 1.0) {
        const QString sharp = HighDensityName(resource);
        if (QFile::exists(sharp)) {
            QImage picture(sharp);
            picture.setDevicePixelRatio(kHighDensityRatio);
            return picture;
        }
    }
    return QImage(resource);
}

QImage LoadPicture(const QString& resource) {
    return LoadPicture(resource, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap LoadPixmap(const QString& resource) {
    return QPixmap::fromImage(LoadPicture(resource));
}

void ShowPicture(QLabel* label, const QPixmap& picture) {
    label->setPixmap(picture);
    // QLabel scales its pixmap to the label's size in device pixels, smoothly: one copy per
    // size, none where the picture already has that size.
    label->setScaledContents(true);
}

QImage BlankPicture(const QSize& logical, qreal ratio) {
    QImage picture(DeviceLength(logical.width(), ratio), DeviceLength(logical.height(), ratio),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::black);
    return picture;
}

QImage PictureAt(const QImage& picture, qreal ratio) {
    if (qFuzzyCompare(picture.devicePixelRatio(), ratio))
        return picture;
    const QSizeF logical = picture.deviceIndependentSize();
    const QSize device(DeviceLength(logical.width(), ratio), DeviceLength(logical.height(), ratio));
    QImage scaled = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(picture.format());
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

} // namespace selvane
