// The main window for screen readers: the wall as a table of named cells, the
// reading keys, and the label under the booth as the game's announcer.
#include "shell/MainWindow.h"

#include "flow/Game.h"
#include "flow/Spoken.h"
#include "platform/qt/QtAnnouncer.h"
#include "presentation/BoothView.h"
#include "presentation/WallAccessible.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

#include <QLabel>

namespace splot {

void MainWindow::wireScreenReader()
{
    WallView* wall = booth_->wall();
    QLabel* label = booth_->commentLabel();
    announcer_ =
        std::make_unique<QtAnnouncer>([label](const QString& text) { announceOnLabel(label, text); });
    spoken_ = std::make_unique<Spoken>(game_->board(), game_->state(), game_->settings(), *announcer_);
    game_->attachAnnouncer(announcer_.get());
    wall->setSpoken(spoken_.get());
    painter_->setCursorListener([wall] { wall->cursorDrawn(); });
    connect(wall, &WallView::readingKey, this, [this](int keyCode, bool jump) {
        if (!game_)
            return;
        if (jump)
            game_->jumpCursor(keyCode);
        else
            game_->readOut(keyCode);
    });
}

} // namespace splot
