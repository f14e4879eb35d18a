// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pictures built into the program, and where they are loaded and scaled for the screen.
//
// Every window picture ":/name.ext" has a version at twice the resolution, ":/name@2x.ext".
// The windows lay out and draw in logical pixels; a picture's device pixel ratio tells the
// painter how many of its pixels make one logical pixel, so either version is drawn at the
// same logical place and size.

#include <QImage>
#include <QPixmap>
#include <QString>

class QLabel;

namespace selvane {

// Registers the pictures built into the program (a static library's resources are not
// registered by themselves). Safe to call more than once.
void InitResources();

// The name of a picture's version at twice the resolution: ":/moon.png" -> ":/moon@2x.png".
QString HighDensityName(const QString& resource);

// The picture for screens of device pixel ratio `ratio`: above 1, the version at twice the
// resolution with its device pixel ratio set to 2, when the program has one; otherwise the
// picture itself (ratio 1). A picture with words in it shows them in the user's language
// (widgets/picturewords.h).
QImage LoadPicture(const QString& resource, qreal ratio);
// The same for the application's device pixel ratio, the highest of its screens'.
QImage LoadPicture(const QString& resource);
QPixmap LoadPixmap(const QString& resource);

// Shows `picture` in a label of the picture's logical size. The label scales it smoothly to
// its own device pixels, so a picture at twice the resolution stays smooth on a screen of
// ratio 1.5; at the picture's own ratio it is shown pixel for pixel.
void ShowPicture(QLabel* label, const QPixmap& picture);

// A black opaque picture of `logical` size at device pixel ratio `ratio`, its device size
// rounded up, for a window to draw on in logical pixels.
QImage BlankPicture(const QSize& logical, qreal ratio);

// `picture` at device pixel ratio `ratio`: the same picture where the ratios agree, else a
// copy scaled smoothly to the same logical size (its device size rounded up). The windows
// draw their scratch pictures on such copies at their own ratio, so what they paint on them
// is drawn at the screen's full resolution.
QImage PictureAt(const QImage& picture, qreal ratio);

} // namespace selvane
