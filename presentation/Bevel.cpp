// Bevel edges (links_oben, rechts_unten) drawn one logical pixel at a time.
#include "presentation/Bevel.h"

#include "platform/Types.h"

#include <QColor>
#include <QPainter>

#include <cmath>

namespace splot {

namespace {

constexpr double p = kTwipsPerPixel; // twips per logical pixel

int px(double twips)
{
    return static_cast<int>(std::lrint(twips / p));
}

QColor colourOf(int index)
{
    const Rgb c = qbColor(index);
    return QColor(c.r, c.g, c.b);
}

// A horizontal or vertical line in twips, one logical pixel thick, without its
// last point (as the classic Line operation draws it).
void edge(QPainter& painter, double x1, double y1, double x2, double y2, const QColor& colour)
{
    const int a = px(x1), b = px(y1), c = px(x2), d = px(y2);
    if (b == d) {
        if (c > a)
            painter.fillRect(QRect(a, b, c - a, 1), colour);
    } else if (a == c) {
        if (d > b)
            painter.fillRect(QRect(a, b, 1, d - b), colour);
    }
}

} // namespace

void links_oben(QPainter& painter, double x, double w, double y, double h, int colour, int lines)
{
    const QColor c = colourOf(colour);
    for (int i = 1; i <= lines; ++i) {
        edge(painter, x - i * p, y - i * p, x + w + i * p, y - i * p, c);
        edge(painter, x - i * p, y - i * p, x - i * p, y + h + i * p, c);
    }
}

void rechts_unten(QPainter& painter, double x, double w, double y, double h, int colour, int lines)
{
    const QColor c = colourOf(colour);
    for (int i = 1; i <= lines; ++i) {
        edge(painter, x - i * p, y + h + (i - 1) * p, x + w + (i - 1) * p, y + h + (i - 1) * p, c);
        edge(painter, x + w + (i - 1) * p, y - i * p, x + w + (i - 1) * p, y + h + i * p, c);
    }
}

void drawEtchedFrame(QPainter& painter, const QRect& r)
{
    const double L = r.left() * p, T = r.top() * p, W = r.width() * p, H = r.height() * p;
    links_oben(painter, L, W, T, H, 8, 1);
    rechts_unten(painter, L, W, T, H, 15, 1);
    links_oben(painter, L - p, W + 2 * p, T - p, H + 2 * p, 15, 1);
    rechts_unten(painter, L - p, W + 2 * p, T - p, H + 2 * p, 8, 1);
}

} // namespace splot
