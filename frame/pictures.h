#pragma once

// Pictures drawn from the SVG sources compiled into the program, sharp at any
// screen scale.

#include <QIcon>
#include <QPixmap>

namespace torvel {

// Makes the compiled-in pictures reachable (they live in a static library).
void initPictures();

QIcon applicationIcon();
QIcon toolbarIcon(const char* name);  // name of a file under :/icons
QPixmap splashPicture(const QSize& size, qreal devicePixelRatio);

// An SVG resource drawn on white at `size` pixels.
QPixmap svgPicture(const QString& resource, const QSize& size);

}  // namespace torvel
