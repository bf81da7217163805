// The spoken phrases of flow/Spoken.cpp and flow/Reading.cpp, translated, and
// the announcements passed on.
#include "platform/qt/QtAnnouncer.h"

#include "platform/qt/ShownText.h"

#include <QCoreApplication>

namespace splot {

namespace {

// Every phrase the flow speaks, for the translators.
[[maybe_unused]] constexpr const char* kPhrases[] = {
    QT_TRANSLATE_NOOP("Spoken", "Wall"),
    QT_TRANSLATE_NOOP("Spoken", "Wall, %1 by %2"),
    QT_TRANSLATE_NOOP("Spoken", "red"),
    QT_TRANSLATE_NOOP("Spoken", "blue"),
    QT_TRANSLATE_NOOP("Spoken", "grease spot"),
    QT_TRANSLATE_NOOP("Spoken", "empty"),
    QT_TRANSLATE_NOOP("Spoken", "%1, %2"),
    QT_TRANSLATE_NOOP("Spoken", ", winning line"),
    QT_TRANSLATE_NOOP("Spoken", "; the rest empty"),
    QT_TRANSLATE_NOOP("Spoken", "Row %1: %2"),
    QT_TRANSLATE_NOOP("Spoken", "Column %1: %2"),
    QT_TRANSLATE_NOOP("Spoken", "Diagonal down: %1. Diagonal up: %2."),
    QT_TRANSLATE_NOOP("Spoken", "Computer"),
    QT_TRANSLATE_NOOP("Spoken", "No game is running."),
    QT_TRANSLATE_NOOP("Spoken", "%1's turn, move %2."),
    QT_TRANSLATE_NOOP("Spoken", "No moves yet."),
    QT_TRANSLATE_NOOP("Spoken", "%1 played %2."),
    QT_TRANSLATE_NOOP("Spoken", "%1 won: five in a row from %2 to %3."),
    QT_TRANSLATE_NOOP("Spoken", "%1 is taken."),
    QT_TRANSLATE_NOOP("Spoken", "Hint: %1."),
    QT_TRANSLATE_NOOP("Spoken", "Taken back: %1."),
    QT_TRANSLATE_NOOP("Spoken", "Taken back: %1 and %2."),
    QT_TRANSLATE_NOOP("Spoken", "Nothing painted that way."),
};

} // namespace

std::string QtAnnouncer::phrase(const char* english) const
{
    return QCoreApplication::translate("Spoken", english).toStdString();
}

std::string QtAnnouncer::shown(const Phrase& text) const
{
    return shownText(text).toStdString();
}

void QtAnnouncer::announce(const std::string& text)
{
    if (speak_)
        speak_(QString::fromStdString(text));
}

} // namespace splot
