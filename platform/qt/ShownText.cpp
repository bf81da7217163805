// The game flow's English texts in the program's language: whole texts, and
// patterns whose parts are names, exclamations or a failure's details.
#include "platform/qt/ShownText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace splot {

namespace {

// Whole texts of the flow and the engine: the label, the questions and their
// titles. The exclamations after a game against the computer are marked for
// the catalogue where the engine defines them, under this context too.
constexpr const char* kWhole[] = {
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

// Texts made of fixed words around one or more parts: a player's name, an
// exclamation, the failure report's details. Each %n stands for one part, in
// ascending order in the English (a translation may reorder them). The first
// pattern that matches wins, so the longer fixed words come first. Only the
// parts named in `translated` (bit 0 for %1, bit 1 for %2 ...) are looked up.
struct Pattern {
    const char* english;
    unsigned translated;
};
constexpr Pattern kPatterns[] = {
    {QT_TRANSLATE_NOOP("ShownText", "Computer won!  %1"), 1u << 0},
    {QT_TRANSLATE_NOOP("ShownText", "You won!  %1"), 1u << 0},
    {QT_TRANSLATE_NOOP("ShownText", "%1's turn"), 0},
    // A replay names each move: its number, who made it, the cell.
    {QT_TRANSLATE_NOOP("ShownText", "Move %1: %2, %3"), 0},
    {QT_TRANSLATE_NOOP("ShownText", "%1 begins"), 0},
    {QT_TRANSLATE_NOOP("ShownText", "%1 won!"), 0},
    {QT_TRANSLATE_NOOP("ShownText", "%1 Error"), 0},
    // The failure report: only the description (%2) can be one of ours.
    {QT_TRANSLATE_NOOP("ShownText", "Error %1: \n%2\n\t\toccurred at line %3\nin %4: %5"), 1u << 1},
};

QString translated(const char* english)
{
    return QCoreApplication::translate("ShownText", english);
}

// The pattern as a regular expression: fixed words literal, each %n a part.
QRegularExpression expressionOf(const QString& pattern)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(pattern); it.hasNext();) {
        const auto m = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, m.capturedStart() - from));
        expression += QStringLiteral("(.*)");
        from = m.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(from)) + QStringLiteral("$");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

// The whole text of the table that `text` is, or nullptr.
const char* wholeText(const QString& text)
{
    for (const char* english : kWhole) {
        if (text == QString::fromUtf8(english))
            return english;
    }
    return nullptr;
}

// A part of a pattern that is one of our texts (an exclamation, a failure's
// description): its translation, or the text as it is.
QString translatedPart(const QString& text)
{
    return translated(text.toUtf8().constData());
}

// `pattern` with each %n replaced by parts[n - 1] in one pass, so that a
// part holding "%2" (a player may be called so) stays as it is.
QString filled(const QString& pattern, const QStringList& parts)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
            const int n = pattern[i + 1].digitValue();
            if (n >= 1 && n <= parts.size()) {
                out += parts[n - 1];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace

QString shownText(const std::string& text)
{
    const QString english = QString::fromStdString(text);
    if (const char* whole = wholeText(english))
        return translated(whole);
    for (const Pattern& p : kPatterns) {
        const QRegularExpressionMatch m = expressionOf(QLatin1String(p.english)).match(english);
        if (!m.hasMatch())
            continue;
        QStringList parts;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            parts.append((p.translated >> (i - 1)) & 1u ? translatedPart(m.captured(i)) : m.captured(i));
        return filled(translated(p.english), parts);
    }
    return english;
}

} // namespace splot
