#include "shell/Story.h"

#include "shell/SettingsStore.h"

#include <QPlainTextEdit>

namespace splot {

QString storyText()
{
    const QString br = QStringLiteral("\r\n");
    const QString para = br + br;
    QString t;
    t += br;
    t += QStringLiteral("Hey!") + para;
    t += QStringLiteral("In Idletown there is a fun-fair. This year the main attraction is Aunt Emma's Splotchery. "
                        "There you can throw balls filled with paint at a wall. If you make a beautiful splot, you "
                        "win a prize.") +
         para;
    t += QStringLiteral("Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn't helped her "
                        "filling up the balls, she probably wouldn't have managed.") +
         para;
    t += QStringLiteral("Now at last peace and quite have come. The last visitors of the fair have disappeared. "
                        "Aunt Emma has gone to bed totally exhausted, but happy.") +
         para;
    t += QStringLiteral("Rollo and Blippo have taken a nap, but now they want to have some fun.") + para;
    t += QStringLiteral("Of course they have their own rules of the game:") + para;
    t += QStringLiteral("Instead of throwing paint balls, they are squirting the paint directly at the wall with the "
                        "refill pump. And to make it more exciting they are betting who is the first to place 5 "
                        "splots in a line.") +
         para;
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
