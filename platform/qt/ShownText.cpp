// The game flow's phrases in the program's language: the catalogue's text
// with its parts filled in, those of the program's own texts translated too.
#include "platform/qt/ShownText.h"

#include <QCoreApplication>

namespace splot {

namespace {

// Whole texts of the flow and the engine: the label, the questions and their
// titles. The exclamations after a game against the computer are marked for
// the catalogue where the engine defines them, under this context too.
[[maybe_unused]] constexpr const char* kWhole[] = {
    QT_TRANSLATE_NOOP("ShownText", "Computer's turn"),
    QT_TRANSLATE_NOOP("ShownText", "Computer begins"),
    QT_TRANSLATE_NOOP("ShownText", "The game ends in a draw!"),
    QT_TRANSLATE_NOOP("ShownText", "Nozzle blocked!"),
    QT_TRANSLATE_NOOP("ShownText", "Really end the game?"),
    QT_TRANSLATE_NOOP("ShownText", "End program"),
    QT_TRANSLATE_NOOP("ShownText", "Really start a new game?"),
    QT_TRANSLATE_NOOP("ShownText", "Start"),
    QT_TRANSLATE_NOOP("ShownText", "Really reset the record?"),
    QT_TRANSLATE_NOOP("ShownText", "Record"),
    QT_TRANSLATE_NOOP("ShownText", "What do you think about a draw?"),
    QT_TRANSLATE_NOOP("ShownText", "Out of memory"),
    QT_TRANSLATE_NOOP("ShownText", "Unknown failure"),
    // At start-up, about the game kept last time.
    QT_TRANSLATE_NOOP("ShownText", "A game is waiting: Game › Continue last game (Ctrl+R)"),
    QT_TRANSLATE_NOOP("ShownText", "The game kept last time could not be read."),
};

// Texts made of fixed words around parts: a player's name, a number, a cell,
// an exclamation, the failure report's details (%1, %2 ... in the English; a
// translation may reorder them). Listed for the catalogue.
[[maybe_unused]] constexpr const char* kWithParts[] = {
    QT_TRANSLATE_NOOP("ShownText", "Computer won!  %1"),
    QT_TRANSLATE_NOOP("ShownText", "You won!  %1"),
    QT_TRANSLATE_NOOP("ShownText", "%1's turn"),
    // A replay names each move: its number, who made it, the cell.
    QT_TRANSLATE_NOOP("ShownText", "Move %1: %2, %3"),
    QT_TRANSLATE_NOOP("ShownText", "Computer"),
    QT_TRANSLATE_NOOP("ShownText", "%1 begins"),
    QT_TRANSLATE_NOOP("ShownText", "%1 won!"),
    QT_TRANSLATE_NOOP("ShownText", "%1 Error"),
    QT_TRANSLATE_NOOP("ShownText", "Error %1: \n%2\n\t\toccurred at line %3\nin %4: %5"),
};

QString translated(const std::string& english)
{
    return QCoreApplication::translate("ShownText", english.c_str());
}

} // namespace

QString shownText(const Phrase& text)
{
    std::vector<std::string> parts;
    for (const Phrase::Part& p : text.parts)
        parts.push_back(p.ours ? translated(p.text).toStdString() : p.text);
    return QString::fromStdString(fillParts(translated(text.text).toStdString(), parts));
}

} // namespace splot
