// The menu bar lets go of the keys once a menu closed with Escape; a menu keeps
// itself open against a late Alt.
#include "shell/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

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

// Per menu: opened while Alt was held, and that Alt neither released nor pressed since.
class LateAltFilter final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show) {
            chord_[watched] = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
        } else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt && chord_.value(watched)) {
            chord_[watched] = false;
            return type == QEvent::KeyPress; // the chord's own press, come late: dropped
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QHash<QObject*, bool> chord_;
};

} // namespace

void ignoreLateAltInMenus(QMenuBar* bar)
{
    auto* filter = new LateAltFilter(bar);
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu())
            menu->installEventFilter(filter);
    }
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
