// Bevel edges drawn one logical pixel at a time around a rectangle given in
// twips, with an explicit palette colour; used for the etched frame around the
// comment label and by the settings dialog.
#pragma once

#include <QRect>

class QPainter;

namespace splot {

// Top and left edges of `lines` one-pixel rings outside the rectangle.
void links_oben(QPainter& painter, double left, double width, double top, double height, int colour,
                int lines);
// Bottom and right edges of the same rings.
void rechts_unten(QPainter& painter, double left, double width, double top, double height, int colour,
                  int lines);

// The two-pixel etched frame around a rectangle given in logical pixels: dark
// grey top/left and white bottom/right in the first ring, the reverse in the second.
void drawEtchedFrame(QPainter& painter, const QRect& rectPx);

} // namespace splot
