// The wall `Bild`: a drawing surface in twips kept in a backing image and
// redrawn sharply at any zoom; its clicks and keys.
#include "presentation/WallView.h"

#include "presentation/WallAccessible.h"
#include "presentation/WallStroke.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace splot {

namespace {

constexpr double kTwips = kTwipsPerPixel;

QColor colourOf(int index)
{
    const Rgb c = qbColor(index);
    return QColor(c.r, c.g, c.b);
}

} // namespace

WallView::WallView(QWidget* parent) : QWidget(parent)
{
    installAccessibleFactory();
    setAccessibleName(tr("Wall"));
    setAccessibleDescription(tr("Arrows move, Enter paints. L last moves, T turn, R row, C column, "
                                "D diagonals, Ctrl+arrows the next splot."));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

QSize WallView::sizeHint() const
{
    // 4300 twips at 15 twips to a pixel.
    return {287, 287};
}

void WallView::setForeColor(int qbIndex)
{
    pen_.foreColor = qbIndex;
}
void WallView::setFillColor(int qbIndex)
{
    pen_.fillColor = qbIndex;
}
void WallView::setFillStyle(int style)
{
    pen_.fillStyle = style;
}
void WallView::setDrawWidth(int pixels)
{
    pen_.drawWidth = pixels < 1 ? 1 : pixels;
}
void WallView::setDrawStyle(int style)
{
    pen_.drawStyle = style;
}

double WallView::scaleWidth() const
{
    // At its design size the wall is 4300 units across. In whole pixels it is
    // 287 wide (287 x z when zoomed), which would read as 4305 and give the 6,
    // 7, 12 and 14 cell walls cells one unit too big; drawing and clicks use
    // the same units, so the design width holds exactly.
    constexpr int kDesignUnits = 4300;
    const long designPixels = std::lrint(kDesignUnits / kTwips);
    if (width() == std::lrint(designPixels * zoom_))
        return kDesignUnits;
    return width() * kTwips / zoom_;
}

void WallView::setZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    zoom_ = zoom;
    update(); // drawn again at the new scale when next shown or read
}

QPointF WallView::toUnits(const QPointF& pixel) const
{
    return pixel * (kTwips / zoom_);
}

void WallView::cls()
{
    ops_.clear();
    ensureImage();
    image_.fill(Qt::white);
    update();
}

void WallView::line(double x1, double y1, double x2, double y2)
{
    record(OpKind::Line, x1, y1, x2, y2);
}

void WallView::box(double x1, double y1, double x2, double y2, bool filled)
{
    record(filled ? OpKind::FilledBox : OpKind::Box, x1, y1, x2, y2);
}

void WallView::circle(double cx, double cy, double radius)
{
    record(OpKind::Circle, cx, cy, radius, 0);
}

namespace {

// The area of an operation's shape in units, before any pen width.
QRectF unitBounds(double a, double b, double c, double d, bool circle)
{
    if (circle)
        return QRectF(a - c, b - c, 2 * c, 2 * c);
    return QRectF(QPointF(a, b), QPointF(c, d)).normalized();
}

QRectF grown(const QRectF& r, double margin)
{
    return r.adjusted(-margin, -margin, margin, margin);
}

} // namespace

struct WallView::SavedPicture final : Canvas::Saved {
    std::vector<Op> ops;
    PenState pen;
};

std::unique_ptr<Canvas::Saved> WallView::save() const
{
    auto saved = std::make_unique<SavedPicture>();
    saved->ops = ops_;
    saved->pen = pen_;
    return saved;
}

void WallView::restore(const Saved& saved)
{
    const auto& picture = dynamic_cast<const SavedPicture&>(saved);
    ops_ = picture.ops;
    pen_ = picture.pen;
    rebuildImage();
    update();
}

void WallView::record(OpKind kind, double a, double b, double c, double d)
{
    const Op op{kind, a, b, c, d, pen_};
    if (kind == OpKind::Box)
        dropCoveredOutlines(op);
    ops_.push_back(op);
    // A picture drawn again holds the new operation already.
    if (!ensureImage()) {
        image_.setDevicePixelRatio(1); // painted in device pixels
        QPainter painter(&image_);
        paintOp(painter, ops_.back());
        painter.end();
        image_.setDevicePixelRatio(pixelRatio());
    }
    update(dirtyRect(ops_.back()));
}

// The cursor is drawn and erased over and over in the same few places. An
// outline box paints exactly the pixels of an earlier one with the same corners
// and pen width and pattern, so the earlier one can be forgotten as long as
// nothing drawn since touches it; the list then stays short however long the
// cursor wanders.
void WallView::dropCoveredOutlines(const Op& box)
{
    // Every pixel an operation can touch, at any zoom and pixel ratio, lies
    // within half its pen width and one design pixel around its shape (in units).
    auto touched = [](const Op& op) {
        return grown(unitBounds(op.a, op.b, op.c, op.d, op.kind == OpKind::Circle),
                     (op.pen.drawWidth / 2.0 + 1) * kTwips);
    };
    const QRectF area = touched(box);
    constexpr int kLookBack = 64;
    int looked = 0;
    for (auto it = ops_.end(); it != ops_.begin() && looked < kLookBack; ++looked) {
        --it;
        const bool sameOutline = it->kind == OpKind::Box && it->a == box.a && it->b == box.b &&
                                 it->c == box.c && it->d == box.d && it->pen.drawWidth == box.pen.drawWidth &&
                                 it->pen.drawStyle == box.pen.drawStyle;
        if (sameOutline) {
            it = ops_.erase(it);
            continue;
        }
        if (touched(*it).intersects(area))
            return;
    }
}

QRect WallView::dirtyRect(const Op& op) const
{
    const QRectF units = unitBounds(op.a, op.b, op.c, op.d, op.kind == OpKind::Circle);
    const double perUnit = zoom_ / kTwips;
    const QRectF px(units.topLeft() * perUnit, units.bottomRight() * perUnit);
    return grown(px, op.pen.drawWidth * zoom_ + 2).toAlignedRect();
}

// Paints one operation onto the backing image, in device pixels.
void WallView::paintOp(QPainter& painter, const Op& op) const
{
    const double devicePerLogical = zoom_ * pixelRatio();
    const double scale = devicePerLogical / kTwips; // device pixels to a unit
    const QColor fore = colourOf(op.pen.foreColor);
    const bool dotted = op.pen.drawStyle == DottedPen;

    // Boxes and thin grid lines on whole device pixels, even at every scale.
    const bool thinStraightLine =
        op.kind == OpKind::Line && op.pen.drawWidth == 1 && (op.a == op.c || op.b == op.d);
    if (thinStraightLine || op.kind == OpKind::Box || op.kind == OpKind::FilledBox) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const int width = stroke::widthOf(op.pen.drawWidth, devicePerLogical);
        const QRect outer = stroke::outerRect(op.a, op.b, op.c, op.d, scale, width);
        if (op.kind == OpKind::FilledBox)
            painter.fillRect(outer, fore);
        else
            stroke::fillOutline(painter, outer, width, fore, dotted);
        return;
    }

    // Splots and the winning line smoothed, in units from here on.
    painter.setTransform(QTransform::fromScale(scale, scale));
    QPen pen(fore);
    pen.setWidthF(op.pen.drawWidth * kTwips); // DrawWidth is in (design) pixels
    if (dotted) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1.0, 1.0}); // one pixel on, one off
    }
    painter.setPen(pen);
    if (op.kind == OpKind::Line) {
        painter.setRenderHint(QPainter::Antialiasing, op.pen.drawWidth > 1);
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(QPointF(op.a, op.b), QPointF(op.c, op.d));
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(op.pen.fillStyle == Solid ? QBrush(colourOf(op.pen.fillColor))
                                                   : QBrush(Qt::NoBrush));
        painter.drawEllipse(QPointF(op.a, op.b), op.c, op.c);
    }
    painter.resetTransform();
}

qreal WallView::pixelRatio() const
{
    return ratioOverride_ > 0 ? ratioOverride_ : devicePixelRatioF();
}

void WallView::setPixelRatioOverride(qreal ratio)
{
    ratioOverride_ = ratio;
    ensureImage();
    update();
}

bool WallView::ensureImage()
{
    const qreal ratio = pixelRatio();
    const QSize want(static_cast<int>(std::ceil(width() * ratio)),
                     static_cast<int>(std::ceil(height() * ratio)));
    if (!image_.isNull() && image_.size() == want && image_.devicePixelRatio() == ratio &&
        imageZoom_ == zoom_)
        return false;
    rebuildImage();
    return true;
}

void WallView::rebuildImage()
{
    // A new zoom, screen ratio or size: draw everything since the last cls()
    // again, sharp at the new scale, with one painter.
    const qreal ratio = pixelRatio();
    const QSize size(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                     std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    image_ = QImage(size, QImage::Format_RGB32);
    image_.fill(Qt::white);
    {
        QPainter painter(&image_);
        for (const Op& op : ops_)
            paintOp(painter, op);
    }
    image_.setDevicePixelRatio(ratio);
    imageZoom_ = zoom_;
}

QImage WallView::image() const
{
    const_cast<WallView*>(this)->ensureImage();
    return image_;
}

QPoint WallView::imagePixel(double x, double y) const
{
    const double scale = zoom_ * pixelRatio() / kTwips;
    return {static_cast<int>(std::floor(x * scale)), static_cast<int>(std::floor(y * scale))};
}

int WallView::classicKeyCode(int key)
{
    switch (key) {
    case Qt::Key_Home:
        return 36;
    case Qt::Key_End:
        return 35;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    return 0;
}

void WallView::paintEvent(QPaintEvent*)
{
    ensureImage();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image_);
}

void WallView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ensureImage();
}

void WallView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = toUnits(event->position());
    if (inputEnabled_)
        emit mousePressed(at.x(), at.y());
    event->accept();
}

// The second press of a double-click is not a second squirt: only the first
// press of the pair plays.
void WallView::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

int WallView::letterAt(quint32 scanCode)
{
    // The rows of letter keys as Linux numbers them (evdev + 8), the same
    // whatever the keyboard's layout prints on them.
    const std::pair<quint32, const char*> rows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    for (const auto& [first, letters] : rows)
        if (scanCode >= first && scanCode < first + std::strlen(letters))
            return letters[scanCode - first];
    return 0;
}

void WallView::keyPressEvent(QKeyEvent* event)
{
    // A key that gives no Latin letter (a Cyrillic or Greek layout) counts as
    // the Latin letter on the same key, so the reading keys work everywhere.
    int code = classicKeyCode(event->key());
    if (code == 0)
        code = letterAt(event->nativeScanCode());
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool jump = mods == Qt::ControlModifier && code >= 37 && code <= 40;
    if (jump || (mods == Qt::NoModifier && QByteArrayView("LTRCD").contains(static_cast<char>(code)))) {
        emit readingKey(code, jump);
        return event->accept();
    }
    keyPressed_ = true;
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (inputEnabled_)
        emit keyPressed(code);
    event->accept();
}

} // namespace splot
