// Thin strokes on whole device pixels: grid lines, the dotted cursor, wiped cells.
#include "presentation/WallStroke.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace splot::stroke {

int pixelAt(double units, double scale)
{
    return static_cast<int>(std::floor(units * scale + 0.5));
}

int widthOf(int drawWidth, double devicePerLogical)
{
    // A hair's breadth of tolerance, so that 2 x 1.0 is 2 and not 1.
    return std::max(1, static_cast<int>(std::floor(drawWidth * devicePerLogical + 1e-6)));
}

QRect outerRect(double x1, double y1, double x2, double y2, double scale, int width)
{
    const int half = (width - 1) / 2; // a line of 2 at the wall's edge shows whole
    const int left = pixelAt(std::min(x1, x2), scale) - half;
    const int top = pixelAt(std::min(y1, y2), scale) - half;
    const int right = pixelAt(std::max(x1, x2), scale) - half + width;  // exclusive
    const int bottom = pixelAt(std::max(y1, y2), scale) - half + width; // exclusive
    return QRect(left, top, right - left, bottom - top);
}

void fillOutline(QPainter& painter, const QRect& r, int width, const QColor& colour, bool dotted)
{
    int right = r.left() + r.width() - width;  // the right edge's first column
    int bottom = r.top() + r.height() - width; // the bottom edge's first row
    if (!dotted) {
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        painter.fillRect(QRect(r.left(), bottom, r.width(), width), colour);
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        painter.fillRect(QRect(right, r.top(), width, r.height()), colour);
        return;
    }
    // Dotted: the far edges move in to the last whole dot, so that every corner
    // holds one dot and no two dots run together.
    const int step = 2 * width;
    right = r.left() + (right - r.left()) / step * step;
    bottom = r.top() + (bottom - r.top()) / step * step;
    for (int x = r.left(); x <= right; x += step) {
        painter.fillRect(QRect(x, r.top(), width, width), colour);
        painter.fillRect(QRect(x, bottom, width, width), colour);
    }
    for (int y = r.top(); y <= bottom; y += step) {
        painter.fillRect(QRect(r.left(), y, width, width), colour);
        painter.fillRect(QRect(right, y, width, width), colour);
    }
}

} // namespace splot::stroke
