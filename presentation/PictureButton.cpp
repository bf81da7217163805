// Pictures on the booth and the picture buttons with their pressed faces.
#include "presentation/PictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace splot {

// ---- PictureWidget ----------------------------------------------------------

PictureWidget::PictureWidget(pictures::Picture picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    resize(pictures::logicalSize(picture));
}

PictureWidget::PictureWidget(int characterFrame, QWidget* parent) : QWidget(parent), frame_(characterFrame)
{
    resize(pictures::characterSize);
}

void PictureWidget::setCharacterFrame(int frame)
{
    if (frame == frame_)
        return;
    frame_ = frame;
    update();
}

const QPixmap& RenderedPicture::get(pictures::Picture picture, int frame, QSize size, qreal ratio)
{
    if (pixmap_.isNull() || picture != picture_ || frame != frame_ || size != size_ || ratio != ratio_) {
        pixmap_ = frame >= 0 ? pictures::characterFrame(frame, size, ratio)
                             : pictures::pixmap(picture, size, ratio);
        picture_ = picture;
        frame_ = frame;
        size_ = size;
        ratio_ = ratio;
    }
    return pixmap_;
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    const QPixmap& pixmap = rendered_.get(picture_, frame_, size(), devicePixelRatioF());
    if (pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
}

// ---- PictureButton -----------------------------------------------------------

PictureButton::PictureButton(pictures::Picture normal, pictures::Picture pressed, QWidget* parent)
    : QAbstractButton(parent), normal_(normal), pressedFace_(new PictureWidget(pressed, this))
{
    // The faces take no keyboard focus: keys belong to the wall.
    setFocusPolicy(Qt::NoFocus);
    // The pressed face lies exactly on the normal one; the normal face keeps
    // receiving the mouse while the pressed one shows.
    pressedFace_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pressedFace_->hide();
    resize(sizeHint());
}

QSize PictureButton::sizeHint() const
{
    return pictures::logicalSize(normal_);
}

void PictureButton::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    pressedFace_->setGeometry(rect());
}

void PictureButton::paintEvent(QPaintEvent*)
{
    const QPixmap& pixmap = rendered_.get(normal_, -1, size(), devicePixelRatioF());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap);
}

void PictureButton::setFlag(bool pressed)
{
    flag_ = pressed;
    pressedFace_->setVisible(pressed);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    // Any mouse button presses the button.
    if (!flag_)
        setFlag(true);
    event->accept();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        return; // no hover look
    const QPointF pos = event->position();
    // A point on the right or bottom edge still counts as inside.
    const bool outside = pos.x() < 0 || pos.x() > width() || pos.y() < 0 || pos.y() > height();
    if (outside && flag_)
        setFlag(false);
    else if (!outside && !flag_)
        setFlag(true);
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (flag_ && pressedFace_->isVisibleTo(this)) {
        // The face is restored before the command runs, so the button looks
        // released while the command's questions are open.
        setFlag(false);
        if (isVisible())
            repaint();
        emit clicked(false);
    }
}

} // namespace splot
