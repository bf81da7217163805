// The wall-size control: the size display and the plus/minus picture, their
// press, release, keys and auto-repeat, and the focus shown on the display.
#include "shell/WallSizeControl.h"

#include "assets/Pictures.h"
#include "platform/Types.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace splot {

namespace {

constexpr int kRepeatMilliseconds = 200;
constexpr int kPluminTwips = 300; // the plus/minus picture is 300 x 300 twips

// Twips to logical pixels, to the nearest (halves to even).
int px(int twips)
{
    return static_cast<int>(std::lrint(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// The number at the start of a text, as the size display holds it (" 8 x 8" gives 8).
int leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    int value = 0;
    while (i < t.size() && t[i].isDigit() && value < 100000) {
        value = value * 10 + t[i].digitValue();
        ++i;
    }
    return negative ? -value : value;
}

} // namespace

WallSizeControl::WallSizeControl(QWidget* parent) : QWidget(parent)
{
    // In the dialog: the display at (2040, 210), the picture at (3240, 195).
    setGeometry(twipRect(2040, 195, 1200 + kPluminTwips, kPluminTwips));

    zahl_ = new QLabel(sizeText(8), this);
    zahl_->setGeometry(twipRect(0, 15, 1215, 270));
    zahl_->setAutoFillBackground(true);
    QPalette white = zahl_->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    zahl_->setPalette(white);
    zahl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    plumin_ = new QLabel(this);
    plumin_->setGeometry(twipRect(1200, 0, kPluminTwips, kPluminTwips));
    plumin_->setScaledContents(true);
    plumin_->setFocusPolicy(Qt::StrongFocus);
    plumin_->setToolTip(tr("Upper left: bigger wall; lower right: smaller wall"));
    plumin_->installEventFilter(this);
    showPicture(0);

    // The size display is 0.9 times the control's height; its font is never
    // taller than 0.85 times the display's height (in points).
    zahl_->resize(zahl_->width(), static_cast<int>(std::lrint(0.9 * plumin_->height())));
    const double heightPoints = zahl_->height() * 72.0 / 96.0;
    QFont zf = zahl_->font();
    if (0.85 * heightPoints < zf.pointSizeF()) {
        zf.setPointSizeF(0.85 * heightPoints);
        zahl_->setFont(zf);
    }

    timer1_ = new QTimer(this);
    timer1_->setInterval(kRepeatMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &WallSizeControl::plumin_Tick);
}

QString WallSizeControl::sizeText(int size)
{
    // Each number with its leading blank: " 8" + " x" + " 8".
    const QString n = QStringLiteral(" %1").arg(size);
    return n + QStringLiteral(" x") + n;
}

int WallSizeControl::size() const
{
    return leadingNumber(zahl_->text());
}

void WallSizeControl::setSize(int size)
{
    showText(sizeText(std::clamp(size, kMinSize, kMaxSize)));
}

void WallSizeControl::showPicture(int which)
{
    using pictures::Picture;
    const Picture pic = which == 1   ? Picture::PluminPlus
                        : which == 2 ? Picture::PluminMinus
                                     : Picture::PluminNeutral;
    plumin_->setPixmap(pictures::pixmap(pic, devicePixelRatioF()));
}

void WallSizeControl::rest()
{
    timer1_->stop();
    showPicture(0);
}

bool WallSizeControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == plumin_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // plumin_MouseDown: any button; the position in twips.
            auto* me = static_cast<QMouseEvent*>(event);
            pressX_ = static_cast<float>(me->position().x() * kTwipsPerPixel);
            pressY_ = static_cast<float>(me->position().y() * kTwipsPerPixel);
            timer1_->start();
            step();
            return true;
        }
        case QEvent::MouseButtonRelease:
            // plumin_MouseUp: the repeat ends when any button is released.
            rest();
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The control has no face for the keyboard focus: the size display shows it.
            zahl_->setFrameStyle(event->type() == QEvent::FocusIn ? (QFrame::Box | QFrame::Plain)
                                                                  : QFrame::NoFrame);
            break;
        case QEvent::KeyPress: {
            // From the keyboard (Alt+W gets here): one step per key press.
            auto* ke = static_cast<QKeyEvent*>(event);
            const int key = ke->key();
            if (key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Plus) {
                pressX_ = pressY_ = 0;
            } else if (key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Minus) {
                pressX_ = pressY_ = kPluminTwips;
            } else {
                break;
            }
            step();
            showPicture(0);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WallSizeControl::plumin_Tick()
{
    step();
}

void WallSizeControl::step()
{
    const int n = size();
    int next;
    // The upper-left triangle steps up; the diagonal and the lower-right triangle step down.
    if (pressX_ + pressY_ < static_cast<float>(kPluminTwips)) {
        showPicture(1);
        next = n + 1;
    } else {
        showPicture(2);
        next = n - 1;
    }
    if (next >= kMinSize && next <= kMaxSize)
        showText(sizeText(next));
}

void WallSizeControl::showText(const QString& text)
{
    if (zahl_->text() == text)
        return; // no change, no reaction
    zahl_->setText(text);
    emit sizeChanged(size());
}

} // namespace splot
