// The fixed-size modal dialogs: their window flags, shown while the owner is.
#include "shell/FixedDialog.h"

#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace splot {

namespace {

class UnminimizeAlone final : public QObject {
  public:
    explicit UnminimizeAlone(QDialog& dialog) : QObject(&dialog), dialog_(&dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == dialog_ && event->type() == QEvent::WindowStateChange && dialog_->isMinimized()) {
            // Checked once the window system's queued state changes are in:
            // a window manager minimizing the group minimizes the owner first.
            QTimer::singleShot(0, this, [this] {
                const QWidget* owner = dialog_->parentWidget() ? dialog_->parentWidget()->window() : nullptr;
                if (dialog_->isMinimized() && dialog_->isVisible() && owner && owner->isVisible() &&
                    !owner->isMinimized())
                    dialog_->setWindowState(dialog_->windowState() & ~Qt::WindowMinimized);
            });
        }
        return false;
    }

  private:
    QDialog* dialog_; // owns this filter
};

} // namespace

void keepShownWhileOwnerShown(QDialog& dialog)
{
    dialog.installEventFilter(new UnminimizeAlone(dialog));
}

} // namespace splot
