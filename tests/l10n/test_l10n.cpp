// The program's languages: every catalogue is complete and keeps the
// placeholders; the language follows the desktop's list; in German the menus,
// the label, the victory texts and the questions speak German (players' names
// untouched), in English and in an unknown language every text is the English
// of the sources; and the German texts fit every dialog and the label.
#include "platform/qt/QtQuestions.h"
#include "platform/qt/ShownText.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/Language.h"
#include "shell/RecordDialog.h"
#include "tests/gui/WindowRig.h"

using namespace splot;
using namespace splot::testing;

namespace {

QStringList actionTexts(const QWidget* menuOrBar)
{
    QStringList texts;
    for (const QAction* a : menuOrBar->actions())
        texts.append(a->text());
    return texts;
}

// The widgets inside `root` whose text needs more room than they have, measured
// as the style draws them; empty when every text fits.
QStringList overflowing(QWidget* root)
{
    QStringList found;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(root) && w != root)
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const auto needs = [&fm](const QString& text) {
            return fm.boundingRect(QRect(0, 0, 100000, 1000), Qt::TextShowMnemonic, text).width();
        };
        QString text;
        bool tooWide = false;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QRect room = label->contentsRect();
            tooWide = label->wordWrap() ? label->heightForWidth(room.width()) > room.height()
                                        : needs(text) > room.width() || fm.height() > room.height() + 2;
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            text = static_cast<QAbstractButton*>(w)->text();
            tooWide = !text.isEmpty() && w->sizeHint().width() > w->width();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            tooWide = !text.isEmpty() && needs(text) + 4 > button->width();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int arrow = w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w);
            for (int i = 0; i < combo->count(); ++i) {
                if (needs(combo->itemText(i)) + arrow + 4 > combo->width()) {
                    text = combo->itemText(i);
                    tooWide = true;
                }
            }
        }
        if (tooWide)
            found.append(w->metaObject()->className() + (" \"" + text + "\""));
    }
    return found;
}

// Answers the next message box with `answer`; notes its title, text and sorted button texts.
void answerNextBox(QStringList& seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList buttons;
        for (QAbstractButton* b : box->buttons())
            buttons.append(b->text());
        buttons.sort();
        seen.append(box->windowTitle() + " | " + box->text() + " | " + buttons.join(' '));
        box->button(answer)->click();
    });
}

} // namespace

class TestL10n : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }
    void cleanup() { useLanguage(QStringLiteral("en")); }

    // lupdate run over the sources into a copy of the German catalogue finds nothing
    // new, nothing gone, and every translation keeps its source's placeholders.
    void cataloguesAreComplete()
    {
        const QDir sources(QStringLiteral(SPLOT_SOURCE_DIR));
        QTemporaryDir scratch;
        const QString copy = scratch.filePath("splotchery_de.ts");
        QVERIFY(QFile::copy(sources.filePath("translations/splotchery_de.ts"), copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(sources.path());
        lupdate.start(QStringLiteral(SPLOT_LUPDATE),
                      {"-I", sources.path(), "-tr-function-alias", "QT_TRANSLATE_NOOP+=SPLOT_TEXT",
                       "-locations", "none", "-no-ui-lines", "-extensions", "cpp,h", "shell", "platform/qt",
                       "presentation", "engine/VictoryText.h", "-ts", copy});
        QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString catalogue = QString::fromUtf8(file.readAll());
        static const QRegularExpression message(
            "<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>",
            QRegularExpression::DotMatchesEverythingOption);
        const auto marks = [](const QString& text) { // its placeholders %1, %2 ... sorted
            QStringList found;
            for (auto it = QRegularExpression("%\\d").globalMatch(text); it.hasNext();)
                found.append(it.next().captured());
            found.sort();
            return found;
        };
        QStringList faults;
        for (auto it = message.globalMatch(catalogue); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(2).isEmpty() || m.captured(3).isEmpty() ||
                marks(m.captured(3)) != marks(m.captured(1)))
                faults.append(m.captured(1) + " -> " + m.captured(3) + m.captured(2));
        }
        QVERIFY2(catalogue.count("<source>") > 100 && faults.isEmpty(), qPrintable(faults.join(" | ")));
    }

    // The language follows the desktop's list; one without a catalogue speaks English.
    void languageFollowsTheDesktopList()
    {
        QCOMPARE(catalogueLanguages(), QStringList{"de"});
        const std::pair<QStringList, QString> rows[] = {
            {{"de"}, "de"},          {{"de-AT", "de"}, "de"}, {{"de_DE.UTF-8"}, "de"},
            {{"en-US", "en"}, "en"}, {{"en", "de"}, "en"},    {{"fr-FR", "fr", "de"}, "de"},
            {{"fr-FR", "fr"}, "en"}, {{"C"}, "en"},           {{}, "en"}};
        for (const auto& [desktop, spoken] : rows) {
            QCOMPARE(pickLanguage(desktop, catalogueLanguages()), spoken);
            QCOMPARE(useLanguage(spoken), spoken);
            QCOMPARE(currentLanguage(), spoken);
        }
    }

    // In German the flow's texts (names and exclamations in place), the menus, the questions and
    // the failure report with Qt's own button texts; in English and in a language without a
    // catalogue the English of the sources.
    void everyTextSpeaksTheLanguage()
    {
        const QList<std::pair<std::string, QString>> texts = {
            {"Ömer %2's turn", "Ömer %2 ist dran"},
            {"Tulla won!", "Tulla hat gewonnen!"},
            {"Computer won!  Forget it!", "Der Computer hat gewonnen!  Vergiss es!"},
            {"You won!  You're top!", "Du hast gewonnen!  Du bist spitze!"},
            {"What do you think about a draw?", "Wie wär’s mit einem Unentschieden?"},
            {"Something else entirely", "Something else entirely"},
        };
        const QStringList germanBoxes = {
            "Programm beenden | Willst du das Spiel wirklich beenden? | &Ja &Nein",
            "Fehler in Splotchery | Fehler 1: \nUnbekannter Fehler\n\t\taufgetreten in Zeile 0\nin "
            "Splotchery: Start | "
            "Abbrechen Ignorieren Wiederholen"};
        for (const QString& language : QStringList{"de", "en", "fr"}) {
            QCOMPARE(useLanguage(language), language == "fr" ? "en" : language);
            const bool german = language == "de";
            for (const auto& [english, translated] : texts)
                QCOMPARE(shownText(english), german ? translated : QString::fromStdString(english));
            WindowRig rig;
            QCOMPARE(actionTexts(rig.window().menuBar()),
                     german ? QStringList({"&Spiel", "&Hilfe"}) : QStringList({"&Game", "&Help"}));
            QCOMPARE(
                actionTexts(rig.window().menuBar()->actions().front()->menu()),
                german
                    ? QStringList({"&Neues Spiel", "&Beenden", "&Tipp", "&Zurücknehmen",
                                   "Letztes Spiel &fortsetzen", "Wieder&holung", "", "&Einstellungen …",
                                   "Mit dem Fenster &wachsen", "Bil&anz …", "", "&Geschichte …"})
                    : QStringList({"&Start", "&End", "Hin&t", "Take &back", "&Continue last game", "Re&play",
                                   "", "&Options...", "&Zoom with window", "Recor&d...", "", "Sto&ry..."}));
            QtQuestions questions(&rig.window());
            QStringList seen;
            answerNextBox(seen, QMessageBox::No);
            QVERIFY(!questions.askYesNo("Really end the game?", "End program"));
            answerNextBox(seen, QMessageBox::Ignore);
            QCOMPARE(questions.reportError("Splotchery Error",
                                           failureReportText(1, "Unknown failure", 0, "Start")),
                     Questions::ErrorChoice::Ignore);
            if (german)
                QCOMPARE(seen, germanBoxes);
        }
    }

    // The help in German: a German page for every English one; the search finds
    // German words. In English the English pages.
    void helpPagesFollowTheLanguage()
    {
        HelpWindow english;
        useLanguage("de");
        HelpWindow german;
        QCOMPARE(german.topics().size(), english.topics().size());
        QCOMPARE(german.topics().front().title, "Inhalt");
        QCOMPARE(english.topics().front().title, "Contents");
        QCOMPARE(german.findTopics("Fettflecken").front().title, "Fettflecken");
        QVERIFY(german.findTopics("grease spots").isEmpty());
    }

    // Every dialog in German: every text fits its widget (at whatever scale
    // the test runs: 1, 1.5 and 2 from CMake).
    void germanTextsFitEveryDialog()
    {
        useLanguage("de");
        GameSettings settings;
        const GameRecord counts; // the dialog shows it by reference
        QWidget owner;
        OptionsDialog options(settings, [](const GameSettings&) {});
        RecordDialog record(
            counts, [] { return false; }, [] {});
        AboutBox about(&owner, 100000);
        HelpWindow help;
        help.showHelp(1);
        const std::pair<QWidget*, QString> dialogs[] = {{&options, "Einstellungen"},
                                                        {&record, "Bilanz"},
                                                        {&about, "Über Splotchery"},
                                                        {&help, "Splotchery-Hilfe"}};
        for (const auto& [dialog, title] : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(dialog->windowTitle(), title);
            QCOMPARE(overflowing(dialog), QStringList());
        }
        QCOMPARE(help.browser()->documentTitle(), "Inhalt");
    }

    // The main window in German on the first start: the story needs no scroll bar; the label
    // shows the longest texts whole at the design size, and nothing else overflows.
    void germanTextsFitTheMainWindow()
    {
        useLanguage("de");
        writeSettings("[Einstellungen]\nSound= 0\n");
        WindowRig rig;
        QPlainTextEdit* story = rig.window().booth()->storyBox();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        QVERIFY(story->isVisible());
        QVERIFY(story->toPlainText().startsWith("\nHallo!\n\nIn Trödelstadt"));
        QCOMPARE(story->verticalScrollBar()->maximum(), 0);
        // (On a screen smaller than the design, at scale 2, the scene and its story are drawn smaller.)
        const BoothView& booth = *rig.window().booth();
        QVERIFY(story->font().pointSizeF() >= 0.75 * std::min(1.0, booth.zoom()) * booth.font().pointSizeF());
        for (const char* text : {"Computer won!  No luck today!", "You won!  Very clever!",
                                 "The game ends in a draw!", "Really start a new game?", "Pelko's turn"}) {
            rig.window().scene().setComment(text);
            QCOMPARE(booth.commentLabel()->text(), shownText(text));
            QCOMPARE(overflowing(&rig.window()), QStringList());
        }
    }
};

QTEST_MAIN(TestL10n)
#include "test_l10n.moc"
