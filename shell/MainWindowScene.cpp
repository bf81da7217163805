// The main window as the game flow's scene: every picture, the label and the
// wall are the booth's; the menu items and the mouse pointer are the window's.
#include "shell/MainWindow.h"

#include "platform/qt/ShownText.h"
#include "presentation/BoothView.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>

namespace splot {

void MainWindow::setCharacterFrame(int who, int frame)
{
    booth_->setCharacterFrame(who, frame);
}

int MainWindow::characterFrame(int who) const
{
    return booth_->characterFrame(who);
}

void MainWindow::moveCharacter(int who, int dxTwips, int dyTwips)
{
    booth_->moveCharacter(who, dxTwips, dyTwips);
}

void MainWindow::setPumpVisible(int which, bool visible)
{
    booth_->setPumpVisible(which, visible);
}

bool MainWindow::pumpVisible(int which) const
{
    return booth_->pumpVisible(which);
}

TwipRect MainWindow::pumpRect(int which) const
{
    return booth_->pumpRect(which);
}

TwipRect MainWindow::puddle(int who) const
{
    return booth_->puddle(who);
}

void MainWindow::setPuddle(int who, const TwipRect& rect)
{
    booth_->setPuddle(who, rect);
}

void MainWindow::setComment(const std::string& text)
{
    // The flow's text is kept as the flow wrote it; the label shows it in the
    // program's language.
    comment_ = text;
    booth_->setComment(shownText(text));
}

std::string MainWindow::comment() const
{
    return comment_;
}

void MainWindow::setWallVisible(bool visible)
{
    booth_->setWallVisible(visible);
}

bool MainWindow::wallVisible() const
{
    return booth_->wallVisible();
}

void MainWindow::setWallEnabled(bool enabled)
{
    booth_->setWallEnabled(enabled);
}

bool MainWindow::wallEnabled() const
{
    return booth_->wallEnabled();
}

void MainWindow::focusWall()
{
    // A dialog that closed can keep the activation when no window manager
    // hands it back: the game's window takes it again.
    const QWidget* active = QApplication::activeWindow();
    if (active && active != this && !active->isVisible())
        activateWindow();
    booth_->focusWall();
}

void MainWindow::repaintWall()
{
    booth_->repaintWall();
}

void MainWindow::setMenuEnabled(MenuItem item, bool enabled)
{
    switch (item) {
    case MenuItem::Tip:
        tip_->setEnabled(enabled);
        break;
    case MenuItem::Story:
        story_->setEnabled(enabled);
        break;
    case MenuItem::TakeBack:
        zurueck_->setEnabled(enabled);
        break;
    case MenuItem::Replay:
        wiederholung_->setEnabled(enabled);
        break;
    case MenuItem::Continue:
        keptGameGone();
        break;
    }
}

void MainWindow::setPointer(Pointer pointer)
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

bool MainWindow::storyVisible() const
{
    return booth_->storyVisible();
}

int MainWindow::storyHeight() const
{
    return booth_->storyHeight();
}

void MainWindow::setStoryHeight(int twips)
{
    booth_->setStoryHeight(twips);
}

void MainWindow::hideStory()
{
    booth_->hideStory();
}

} // namespace splot
