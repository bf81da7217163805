// A paint puddle: a glossy blot of one side's paint filling its rectangle.
#include "presentation/Puddle.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace splot {

// No background of its own: the stage shows through around the blot's round ends.
Puddle::Puddle(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

void Puddle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF r = rect();
    // A fresh puddle of a pixel is a drop: no room for a shape.
    if (r.width() < 3 || r.height() < 2) {
        painter.fillRect(rect(), colour_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // A flat blot with round ends, touching every edge of the rectangle.
    const qreal h = r.height();
    QPainterPath blot;
    if (h < 4) { // a thin film: rounded corners only, too low for a rim and a gloss
        blot.addRoundedRect(r, 1, 1);
        painter.fillPath(blot, colour_);
        return;
    }
    blot.addRoundedRect(r, std::min(r.width() / 2, h * 0.9), h / 2);

    // The paint lies thicker at its rim: a darker band along the bottom edge.
    const qreal rim = std::max(1.0, std::round(h * 0.18)); // whole pixels: a crisp band
    painter.fillPath(blot, colour_.darker(150));
    painter.setClipPath(blot);
    painter.fillPath(blot.translated(0, -rim), colour_);

    // Gloss: a soft light streak towards the upper left and a small glint beside it.
    QColor shine(255, 255, 255, 140);
    painter.setBrush(shine);
    const qreal gw = std::max(1.5, r.width() * 0.2), gh = std::max(1.0, h * 0.16);
    painter.drawEllipse(QRectF(r.left() + r.width() * 0.18, r.top() + h * 0.2, gw, gh));
    shine.setAlpha(200);
    painter.setBrush(shine);
    const qreal glint = std::max(1.0, h * 0.14);
    painter.drawEllipse(QRectF(r.left() + r.width() * 0.18 + gw + glint, r.top() + h * 0.22, glint, glint));
}

} // namespace splot
