#include "platform/qt/QtQuestions.h"

#include <QMessageBox>

namespace splot {

bool QtQuestions::askYesNo(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Questions::ErrorChoice QtQuestions::reportError(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(text),
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
