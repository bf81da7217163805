// The questions and the failure report as message boxes over the main window.
#pragma once

#include "platform/Questions.h"

#include <QPointer>
#include <QWidget>

namespace splot {

class QtQuestions final : public Questions {
public:
    explicit QtQuestions(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    // Yes and No, the question icon; true only for Yes.
    bool askYesNo(const std::string& text, const std::string& title) override;
    // Abort, Retry and Ignore with the warning (exclamation) icon.
    ErrorChoice reportError(const std::string& title, const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace splot
