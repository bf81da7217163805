// The questions and the failure report as message boxes over the main window,
// kept clear of the booth and the wall.
#include "platform/qt/QtQuestions.h"

#include "platform/qt/ShownText.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace splot {

namespace {

// A message box that, once it knows its size, steps out of the way of the
// areas to keep clear.
class PlacedMessageBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;
    QList<QRect> keepClear;
    QSize frameGuess; // the frame a window of ours gets, before this box has its own

  protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // sizes the box
        if (keepClear.isEmpty() || keepClear.front().isEmpty())
            return;
        const QScreen* screen = QGuiApplication::screenAt(keepClear.front().center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        // The frame's share of the box, as far as it is known already.
        const QSize frame = (frameGeometry().size() - size()).expandedTo(frameGuess);
        move(QtQuestions::placeBeside(size() + frame, keepClear, screen->availableGeometry()));
    }
};

int overlap(const QRect& a, const QRect& b)
{
    const QRect both = a & b;
    return both.isEmpty() ? 0 : both.width() * both.height();
}

} // namespace

QString QtQuestions::programTitle()
{
    return QStringLiteral("Splotchery");
}

QPoint QtQuestions::placeBeside(const QSize& size, const QList<QRect>& keepClear, const QRect& screen)
{
    const auto clamped = [&](QPoint p) {
        p.setX(std::clamp(p.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
        p.setY(std::clamp(p.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
        return p;
    };
    QPoint best = clamped(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    for (const QRect& area : keepClear) {
        if (area.isEmpty())
            continue;
        const int midX = area.center().x() - size.width() / 2;
        const int midY = area.center().y() - size.height() / 2;
        const QPoint sides[] = {{area.right() + 1, midY},
                                {midX, area.bottom() + 1},
                                {area.left() - size.width(), midY},
                                {midX, area.top() - size.height()}};
        int least = -1;
        for (const QPoint& side : sides) {
            const QPoint at = clamped(side);
            const int hidden = overlap(QRect(at, size), area);
            if (hidden == 0 && screen.contains(QRect(at, size)))
                return at;
            if (least < 0 || hidden < least) {
                least = hidden;
                best = at;
            }
        }
    }
    return best;
}

bool QtQuestions::askYesNo(const Phrase& text, const Phrase& title)
{
    const QString shownTitle = title.empty() ? programTitle() : shownText(title);
    PlacedMessageBox box(QMessageBox::Question, shownTitle, shownText(text),
                         QMessageBox::Yes | QMessageBox::No, parent_.data());
    if (keepClear_)
        box.keepClear = keepClear_();
    if (parent_)
        box.frameGuess = (parent_->frameGeometry().size() - parent_->size()).expandedTo({0, 0});
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Questions::ErrorChoice QtQuestions::reportError(const Phrase& title, const Phrase& text)
{
    const QString shownTitle = title.empty() ? programTitle() : shownText(title);
    QMessageBox box(QMessageBox::Warning, shownTitle, shownText(text),
                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, parent_.data());
    box.setDefaultButton(QMessageBox::Abort);
    box.setEscapeButton(QMessageBox::Ignore);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return ErrorChoice::Retry;
    case QMessageBox::Ignore:
        return ErrorChoice::Ignore;
    default:
        return ErrorChoice::Abort;
    }
}

} // namespace splot
