// The story of the two painters in the booth's story box.
#include "shell/Story.h"

#include "presentation/TextFit.h"
#include "shell/SettingsStore.h"

#include <QCoreApplication>
#include <QPlainTextEdit>

namespace splot {

namespace {

// The story's paragraphs, in the order told.
constexpr const char* kParagraphs[] = {
    QT_TRANSLATE_NOOP("Story", "Hey!"),
    QT_TRANSLATE_NOOP("Story",
                      "In Idletown there is a fun-fair. This year the main attraction is Aunt Emma's "
                      "Splotchery. There you can throw balls filled with paint at a wall. If you make a "
                      "beautiful splot, you win a prize."),
    QT_TRANSLATE_NOOP("Story",
                      "Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn't helped "
                      "her filling up the balls, she probably wouldn't have managed."),
    QT_TRANSLATE_NOOP("Story", "Now at last peace and quite have come. The last visitors of the fair have "
                               "disappeared. Aunt Emma has gone to bed totally exhausted, but happy."),
    QT_TRANSLATE_NOOP("Story", "Rollo and Blippo have taken a nap, but now they want to have some fun."),
    QT_TRANSLATE_NOOP("Story", "Of course they have their own rules of the game:"),
    QT_TRANSLATE_NOOP("Story",
                      "Instead of throwing paint balls, they are squirting the paint directly at the wall "
                      "with the refill pump. And to make it more exciting they are betting who is the first "
                      "to place 5 splots in a line."),
};

} // namespace

QString storyText()
{
    // A line end first, then each paragraph followed by an empty line (CR LF pairs).
    const QString br = QStringLiteral("\r\n");
    QString t = br;
    for (const char* paragraph : kParagraphs)
        t += QCoreApplication::translate("Story", paragraph) + br + br;
    return t;
}

void showStory(QPlainTextEdit& text1, const std::function<void()>& markStoryShown)
{
    // White text on dark green; the box shows the text line by line, so the
    // CR LF pairs become plain line ends there.
    QPalette pal = text1.palette();
    pal.setColor(QPalette::Base, QColor(0, 64, 0));
    pal.setColor(QPalette::Text, Qt::white);
    text1.setPalette(pal);
    text1.setReadOnly(true);

    // The two empty lines after the last paragraph show nothing: the box
    // fits the text without them (and without a scroll bar for them).
    QString shown = storyText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (shown.endsWith(u'\n'))
        shown.chop(1);
    text1.setPlainText(shown);
    fitText(&text1); // a longer translation gets a smaller font, not a scroll bar
    text1.moveCursor(QTextCursor::Start);
    text1.show();

    // Marked every time it is shown, from the menu as well.
    if (markStoryShown)
        markStoryShown();
}

void showStory(QPlainTextEdit& text1, SettingsStore& store)
{
    // A failed write goes unnoticed: the story then comes again at the next start.
    showStory(text1, [&store] { store.markStoryShown(); });
}

} // namespace splot
