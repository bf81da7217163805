// The questions and the failure report as message boxes over the main window.
#pragma once

#include "platform/Questions.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

namespace splot {

class QtQuestions final : public Questions {
  public:
    explicit QtQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // What a question must leave in sight, in screen coordinates and in order
    // of preference (the booth, then the wall in it), asked for at each
    // question. With none, or empty ones, the box stands where Qt puts it.
    void setKeepClear(std::function<QList<QRect>()> areas) { keepClear_ = std::move(areas); }

    // Yes and No, the question icon; true only for Yes. A question without a
    // title shows the program's title.
    bool askYesNo(const Phrase& text, const Phrase& title) override;
    // Abort, Retry and Ignore with the warning (exclamation) icon.
    ErrorChoice reportError(const Phrase& title, const Phrase& text) override;

    // The title of a box that was given none: "Splotchery".
    static QString programTitle();

    // Where a box of `size` stands: beside an area to keep clear (right of it,
    // below, left, above; centred along that side), wholly on `screen`, for
    // the first area that allows it; else where it hides least of the last area.
    static QPoint placeBeside(const QSize& size, const QList<QRect>& keepClear, const QRect& screen);

  private:
    QPointer<QWidget> parent_;
    std::function<QList<QRect>()> keepClear_;
};

} // namespace splot
