#pragma once

// Window geometry is designed in twips (1/1440 inch). At 96 dpi a pixel is 15
// twips; this is the one conversion to device-independent pixels, Qt scales the
// rest on high-dpi screens.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace torvel {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline QSize pxSize(int width, int height) { return QSize(px(width), px(height)); }

}  // namespace torvel
