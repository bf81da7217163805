// The menu bar lets go of the keys once a menu closed with Escape; an open menu
// gets only the keys typed after it opened.
#include "shell/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

namespace splot {

namespace {

// Watches the menus of the bar for Escape; after the menu has closed, the bar
// is given a second Escape of its own when it still holds the keys.
class EscapeWatcher final : public QObject {
  public:
    EscapeWatcher(QMenuBar* bar, std::function<void()> toWall)
        : QObject(bar), bar_(bar), toWall_(std::move(toWall))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier)
            QTimer::singleShot(0, this, [this] { letGo(); });
        return QObject::eventFilter(watched, event);
    }

  private:
    void letGo()
    {
        // Another menu opened in the meantime, or the bar has let go already.
        if (QApplication::activePopupWidget() || !bar_->hasFocus())
            return;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(bar_, &escape); // ends its key mode, gives the focus back
        toWall_();
    }

    QMenuBar* bar_;
    std::function<void()> toWall_;
};

// While a menu is open, the keys come to the menu's own window. A key that comes to
// another window was typed before the menu opened and is handed on late: a screen
// reader's key listener holds each key and hands it on afterwards, while the Alt+letter
// shortcut opens the menu at once. Such a key is dropped: the chord's own Alt would
// close the menu it opened.
class StaleKeyFilter final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
            watched->isWindowType()) {
            const QWidget* popup = QApplication::activePopupWidget();
            if (qobject_cast<const QMenu*>(popup) && watched != popup->windowHandle())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void dropStaleKeysInMenus(QMenuBar* bar)
{
    QApplication::instance()->installEventFilter(new StaleKeyFilter(bar));
}

void returnKeysAfterMenus(QMenuBar* bar, std::function<void()> toWall)
{
    auto* watcher = new EscapeWatcher(bar, std::move(toWall));
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            menu->installEventFilter(watcher);
    }
}

} // namespace splot
