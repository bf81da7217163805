// The program's languages: every catalogue is complete and keeps the
// placeholders; the language follows the desktop's list; in German the menus,
// the label, the victory texts and the failure report speak German (players'
// names untouched), in English and in an unknown language every text is the
// English of the sources; and the German texts fit every dialog and the label.
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
        QStringList texts; // those of its texts that do not fit
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (label && !label->text().isEmpty() && label->textFormat() != Qt::RichText) {
            const QRect room = label->contentsRect();
            if (label->wordWrap() ? label->heightForWidth(room.width()) > room.height()
                                  : needs(label->text()) > room.width() || fm.height() > room.height() + 2)
                texts.append(label->text());
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                   qobject_cast<QPushButton*>(w)) {
            const int wants =
                qobject_cast<QPushButton*>(w) ? needs(button->text()) + 4 : w->sizeHint().width();
            if (!button->text().isEmpty() && wants > w->width())
                texts.append(button->text());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            const int arrow = w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w);
            for (int i = 0; i < combo->count(); ++i)
                if (needs(combo->itemText(i)) + arrow + 4 > combo->width())
                    texts.append(combo->itemText(i));
        }
        for (const QString& text : texts)
            found.append(w->metaObject()->className() + (" \"" + text + "\""));
    }
    return found;
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

    // The language follows the desktop's list; one without a catalogue speaks English. The flow's
    // texts in German (names and exclamations in place), and in English and in a language without a
    // catalogue the English of the sources. In German the menus, the questions and the failure
    // report with Qt's own button texts.
    void everyTextSpeaksTheLanguageOfTheDesktop()
    {
        QCOMPARE(catalogueLanguages(), QStringList{"de"});
        const std::pair<QStringList, QString> desktops[] = {
            {{"de"}, "de"},          {{"de-AT", "de"}, "de"}, {{"de_DE.UTF-8"}, "de"},
            {{"en-US", "en"}, "en"}, {{"en", "de"}, "en"},    {{"fr-FR", "fr", "de"}, "de"},
            {{"fr-FR", "fr"}, "en"}, {{"C"}, "en"},           {{}, "en"}};
        for (const auto& [desktop, spoken] : desktops)
            QCOMPARE(pickLanguage(desktop, catalogueLanguages()), spoken);
        // A player's name stays as it is, even one that is also a text of ours.
        const QList<std::pair<Phrase, QString>> texts = {
            {{"%1's turn", {Phrase::name("Ömer %2")}}, "Ömer %2 ist dran"},
            {{"%1's turn", {Phrase::name("Computer")}}, "Computer ist dran"},
            {{"%1 won!", {Phrase::name("Tulla's turn")}}, "Tulla's turn hat gewonnen!"},
            {{"Computer won!  %1", {Phrase::ours("Forget it!")}}, "Der Computer hat gewonnen!  Vergiss es!"},
            {{"You won!  %1", {Phrase::ours("You're top!")}}, "Du hast gewonnen!  Du bist spitze!"},
            {"What do you think about a draw?", "Wie wär’s mit einem Unentschieden?"},
            {"A game is waiting: Game › Continue last game (Ctrl+R)",
             "Ein Spiel wartet: Spiel › Letztes Spiel fortsetzen (Strg+R)"},
            {"Something else entirely", "Something else entirely"},
        };
        for (const QString& language : QStringList{"de", "en", "fr", "de"}) {
            QCOMPARE(useLanguage(language), language == "fr" ? "en" : language);
            for (const auto& [phrase, translated] : texts)
                QCOMPARE(shownText(phrase),
                         language == "de" ? translated : QString::fromStdString(phrase.english()));
        }
        WindowRig rig;
        QStringList menus; // the menu bar's, then the game menu's
        QMenuBar* bar = rig.window().menuBar();
        for (const QWidget* m : std::initializer_list<const QWidget*>{bar, bar->actions()[0]->menu()})
            for (const QAction* a : m->actions())
                menus.append(a->text());
        QCOMPARE(menus, QStringList({"&Spiel", "&Hilfe", "&Neues Spiel", "&Beenden", "&Tipp", "&Zurücknehmen",
                                     "Letztes Spiel &fortsetzen", "Wieder&holung", "", "&Einstellungen …",
                                     "Mit dem Fenster &wachsen", "Bil&anz …", "", "&Geschichte …"}));
        QtQuestions questions(&rig.window());
        QString seen; // the failure report's title, text and sorted button texts
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QStringList buttons;
            for (QAbstractButton* b : box->buttons())
                buttons.append(b->text());
            buttons.sort();
            seen = box->windowTitle() + " | " + box->text() + " | " + buttons.join(' ');
            box->button(QMessageBox::Ignore)->click();
        });
        QCOMPARE(questions.reportError(Phrase("%1 Error", {Phrase::name("Splotchery")}),
                                       failureReportText(1, "Unknown failure", 0, "Start")),
                 Questions::ErrorChoice::Ignore);
        QCOMPARE(seen,
                 "Fehler in Splotchery | Fehler 1: \nUnbekannter Fehler\n\t\taufgetreten in Zeile 0\nin "
                 "Splotchery: Start | Abbrechen Ignorieren Wiederholen");
    }

    // Every dialog in German: every text fits its widget (at whatever scale the test runs: 1, 1.5
    // and 2 from CMake). The help has a German page for every English one and searches their words.
    void germanTextsFitEveryDialog()
    {
        const HelpWindow english;
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
        QCOMPARE(help.topics().size(), english.topics().size());
        QCOMPARE(help.findTopics("Fettflecken").value(0).title, "Fettflecken");
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
        QVERIFY(story->isVisible() && story->toPlainText().startsWith("\nHallo!\n\nIn Trödelstadt"));
        QCOMPARE(story->verticalScrollBar()->maximum(), 0);
        // (On a screen smaller than the design, at scale 2, the scene and its story are drawn smaller.)
        const BoothView& booth = *rig.window().booth();
        QVERIFY(story->font().pointSizeF() >= 0.75 * std::min(1.0, booth.zoom()) * booth.font().pointSizeF());
        for (const char* text : {"Computer won!  No luck today!", "You won!  Very clever!",
                                 "The game ends in a draw!", "Really start a new game?", "Pelko's turn",
                                 "A game is waiting: Game › Continue last game (Ctrl+R)"}) {
            rig.window().scene().setComment(text);
            QCOMPARE(booth.commentLabel()->text(), shownText(text));
            QCOMPARE(overflowing(&rig.window()), QStringList());
        }
    }
};

QTEST_MAIN(TestL10n)
#include "test_l10n.moc"
