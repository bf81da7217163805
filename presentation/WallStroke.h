// Thin strokes on whole device pixels: the wall's grid lines, the dotted
// cursor and the boxes that wipe a cell are filled as rectangles of device
// pixels, so every line has the same width and every dot the same size at any
// zoom and screen scale (a pen of 1.5 device pixels would come out 1 or 2).
#pragma once

#include <QRect>

class QColor;
class QPainter;

namespace splot::stroke {

// The device pixel a coordinate falls on, at `scale` device pixels to a unit.
int pixelAt(double units, double scale);

// The width in device pixels of a pen `drawWidth` logical pixels wide, drawn at
// `devicePerLogical` device pixels to a design pixel (zoom times pixel ratio):
// the whole part of the exact width, at least one.
int widthOf(int drawWidth, double devicePerLogical);

// The device rectangle covered by a stroke `width` pixels wide along the
// outline of the box from (x1, y1) to (x2, y2), in units; a horizontal or
// vertical line is a box of no height or width.
QRect outerRect(double x1, double y1, double x2, double y2, double scale, int width);

// The outline of `outer`, `width` pixels wide, solid or dotted (dots and gaps
// `width` pixels long, a dot in every corner; a dotted outline's right and
// bottom edges move in by less than two dots to the last whole one).
void fillOutline(QPainter& painter, const QRect& outer, int width, const QColor& colour, bool dotted);

} // namespace splot::stroke
