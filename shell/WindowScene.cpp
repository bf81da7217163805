// The main window as the game flow's scene: every picture, the label and the
// wall are the booth's; the menu items and the mouse pointer are the window's.
#include "shell/WindowScene.h"

#include "platform/qt/ShownText.h"
#include "presentation/BoothView.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>

namespace splot {

WindowScene::WindowScene(QWidget& window, BoothView& booth, MenuItems items)
    : window_(window), booth_(booth), items_(items)
{
}

WindowScene::~WindowScene()
{
    releasePointer();
}

void WindowScene::releasePointer()
{
    if (hourglass_)
        QGuiApplication::restoreOverrideCursor();
    hourglass_ = false;
}

void WindowScene::setCharacterFrame(int who, int frame)
{
    booth_.setCharacterFrame(who, frame);
}

int WindowScene::characterFrame(int who) const
{
    return booth_.characterFrame(who);
}

void WindowScene::moveCharacter(int who, int dxTwips, int dyTwips)
{
    booth_.moveCharacter(who, dxTwips, dyTwips);
}

void WindowScene::setPumpVisible(int which, bool visible)
{
    booth_.setPumpVisible(which, visible);
}

bool WindowScene::pumpVisible(int which) const
{
    return booth_.pumpVisible(which);
}

TwipRect WindowScene::pumpRect(int which) const
{
    return booth_.pumpRect(which);
}

TwipRect WindowScene::puddle(int who) const
{
    return booth_.puddle(who);
}

void WindowScene::setPuddle(int who, const TwipRect& rect)
{
    booth_.setPuddle(who, rect);
}

void WindowScene::setComment(const Phrase& text)
{
    // The flow's phrase is kept as the flow wrote it; the label shows it in
    // the program's language.
    comment_ = text;
    booth_.setComment(shownText(text));
}

Phrase WindowScene::comment() const
{
    return comment_;
}

void WindowScene::setWallVisible(bool visible)
{
    booth_.setWallVisible(visible);
}

bool WindowScene::wallVisible() const
{
    return booth_.wallVisible();
}

void WindowScene::setWallEnabled(bool enabled)
{
    booth_.setWallEnabled(enabled);
}

bool WindowScene::wallEnabled() const
{
    return booth_.wallEnabled();
}

void WindowScene::focusWall()
{
    // An open menu keeps the keys, and a screen reader would speak of a wall the player is not
    // on: the wall takes them once the menu has closed.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QObject::connect(
            menu, &QMenu::aboutToHide, &window_, [this] { focusWall(); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        return;
    }
    // A dialog that closed can keep the activation when no window manager
    // hands it back: the game's window takes it again.
    const QWidget* active = QApplication::activeWindow();
    if (active && active != &window_ && !active->isVisible())
        window_.activateWindow();
    booth_.focusWall();
}

void WindowScene::repaintWall()
{
    booth_.repaintWall();
}

void WindowScene::setMenuEnabled(MenuItem item, bool enabled)
{
    switch (item) {
    case MenuItem::Tip:
        items_.hint->setEnabled(enabled);
        break;
    case MenuItem::Story:
        items_.story->setEnabled(enabled);
        break;
    case MenuItem::TakeBack:
        items_.takeBack->setEnabled(enabled);
        break;
    case MenuItem::Replay:
        items_.replay->setEnabled(enabled);
        break;
    case MenuItem::Continue:
        if (items_.keptGameGone)
            items_.keptGameGone();
        break;
    }
}

void WindowScene::setPointer(Pointer pointer)
{
    const bool wait = pointer == Pointer::Hourglass;
    if (wait == hourglass_)
        return;
    hourglass_ = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

bool WindowScene::storyVisible() const
{
    return booth_.storyVisible();
}

int WindowScene::storyHeight() const
{
    return booth_.storyHeight();
}

void WindowScene::setStoryHeight(int twips)
{
    booth_.setStoryHeight(twips);
}

void WindowScene::hideStory()
{
    booth_.hideStory();
}

} // namespace splot
