// The main window's placement: put where the settings file says, fitted to the
// frame once the window manager has framed it, and read back for the file.
#include "shell/MainWindow.h"

#include "shell/SettingsStore.h"

#include "presentation/BoothView.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace splot {

namespace {

int pixelsOf(int twips)
{
    return static_cast<int>(std::lrint(static_cast<double>(twips) / kTwipsPerPixel));
}

TwipRect twipsOf(const QRect& r)
{
    return {r.left() * kTwipsPerPixel, r.top() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
            r.height() * kTwipsPerPixel};
}

// What the settings store needs to know of the screens, in twips.
ScreenInfo screens()
{
    ScreenInfo info;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        info.width = primary->geometry().width() * kTwipsPerPixel;
        info.height = primary->geometry().height() * kTwipsPerPixel;
    }
    for (const QScreen* screen : QGuiApplication::screens())
        info.available.push_back(twipsOf(screen->availableGeometry()));
    return info;
}

} // namespace

ScreenInfo MainWindow::screenInfo()
{
    return screens();
}

void MainWindow::fitBoothToScreen()
{
    const QScreen* s = screen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const int clientWidth = area.width() - frameExtraWidth();
    const int clientHeight = area.height() - frameExtraHeight() - menuBar()->sizeHint().height();
    booth_->setScreenFit(screenFitFor(area.width() * kTwipsPerPixel, clientWidth * kTwipsPerPixel,
                                      clientHeight * kTwipsPerPixel));
}

void MainWindow::centreAtDesignSize()
{
    const int menuHeight = menuBar()->sizeHint().height();
    QSize size(pixelsOf(kDesignWidthTwips), pixelsOf(kDesignHeightTwips) + menuHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        resize(size);
        return;
    }
    // A screen smaller than the design: the largest window that fits it.
    const QRect area = screen->availableGeometry();
    resize(size.boundedTo(area.size() - QSize(frameExtraWidth(), frameExtraHeight())));
    const QRect s = screen->geometry();
    const int outerW = (width() + frameExtraWidth()) * kTwipsPerPixel;
    const int outerH = (height() + frameExtraHeight()) * kTwipsPerPixel;
    const int left = (s.width() * kTwipsPerPixel - outerW) / 2;
    const int top = (s.height() * kTwipsPerPixel - outerH) / 2;
    move(s.left() + pixelsOf(left), s.top() + pixelsOf(top));
}

void MainWindow::applyPlacement(const WindowPlacement& p)
{
    // The stored lengths are the outer frame's; the window's own size is the
    // client area under it. A window stored on a larger or less scaled screen
    // is made to fit the screen it comes back on, so the label stays in sight.
    QRect outer(pixelsOf(p.windowLeft), pixelsOf(p.windowTop), pixelsOf(p.windowWidth),
                pixelsOf(p.windowHeight));
    const QRect asStored = outer;
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        outer.setWidth(std::min(outer.width(), area.width()));
        outer.setHeight(std::min(outer.height(), area.height()));
        if (outer.right() > area.right())
            outer.moveRight(area.right());
        if (outer.bottom() > area.bottom())
            outer.moveBottom(area.bottom());
    }
    // Made to fit, it is no longer where the file put it.
    loadedOuter_ = outer == asStored ? outer : QRect();
    placedClientSize_ = QSize(std::max(1, outer.width() - frameExtraWidth()),
                              std::max(1, outer.height() - frameExtraHeight()));
    move(outer.topLeft());
    resize(placedClientSize_);
    Qt::WindowStates state = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (p.windowState == 1)
        state |= Qt::WindowMinimized;
    else if (p.windowState == 2)
        state |= Qt::WindowMaximized;
    setWindowState(state);
}

void MainWindow::fitToFrameOnce()
{
    // Only in the normal state, once the frame is known, and only while the
    // window still stands as it was placed (the user has not moved or resized it).
    if (frameFitted_ || windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen) ||
        (frameExtraWidth() == 0 && frameExtraHeight() == 0))
        return;
    frameFitted_ = true;
    if (frameGeometry().topLeft() == loadedOuter_.topLeft() && geometry().size() == placedClientSize_)
        applyPlacement(WindowPlacement{0, loaded_.windowLeft, loaded_.windowTop, loaded_.windowWidth,
                                       loaded_.windowHeight});
}

int MainWindow::frameExtraWidth() const
{
    return std::max(0, frameGeometry().width() - geometry().width());
}

int MainWindow::frameExtraHeight() const
{
    return std::max(0, frameGeometry().height() - geometry().height());
}

int MainWindow::windowStateCode() const
{
    if (isMinimized())
        return 1;
    if (isMaximized() || isFullScreen())
        return 2;
    return 0;
}

WindowPlacement MainWindow::currentPlacement() const
{
    WindowPlacement p;
    p.windowState = windowStateCode();
    if (started_ && frameGeometry() == loadedOuter_) {
        // Where the file put it, to the pixel: the file's own lengths stay.
        p.windowLeft = loaded_.windowLeft;
        p.windowTop = loaded_.windowTop;
        p.windowWidth = loaded_.windowWidth;
        p.windowHeight = loaded_.windowHeight;
        return p;
    }
    const TwipRect r = twipsOf(frameGeometry());
    p.windowLeft = r.left;
    p.windowTop = r.top;
    p.windowWidth = r.width;
    p.windowHeight = r.height;
    return p;
}

void MainWindow::fitToFrameSoon()
{
    // The frame becomes known when the window manager has framed the window,
    // which it reports with a move or a resize.
    if (started_ && !frameFitted_)
        QTimer::singleShot(0, this, [this] { fitToFrameOnce(); });
}

} // namespace splot
