#pragma once

// Where a window goes so that all of it shows: within an area of the screen
// or of the main window.

#include <QRect>

namespace torvel {

// `wanted` moved, and shrunk where it is larger, to lie wholly inside `area`;
// its place is kept where it already fits.
QRect placedInside(const QRect& wanted, const QRect& area);

}  // namespace torvel
