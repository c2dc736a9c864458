#pragma once

#include <QColor>
#include <QImage>

// `image` painted in `color`: every pixel keeps its coverage (alpha), its colour becomes
// `color`. This is how a template image takes the panel's foreground colour. The device pixel
// ratio is kept.
QImage tinted(const QImage &image, const QColor &color);
