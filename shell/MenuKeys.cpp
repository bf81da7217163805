// The menu bar lets go of the keys once a menu closed with Escape.
#include "shell/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace splot {

void returnKeysAfterMenus(QMenuBar* bar, std::function<void()> toWall)
{
    const auto letGo = [bar, toWall] {
        // Moving to the next menu with the arrows opens it at once; a command
        // chosen from the menu has already taken the bar out of its key mode.
        if (QApplication::activePopupWidget() || !bar->hasFocus())
            return;
        // A second Escape to the bar ends its key mode and gives the focus back.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &escape);
        toWall();
    };
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            QObject::connect(menu, &QMenu::aboutToHide, bar,
                             [bar, letGo] { QTimer::singleShot(0, bar, letGo); });
    }
}

} // namespace splot
