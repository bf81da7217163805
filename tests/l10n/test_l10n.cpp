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
            found.append(QStringLiteral("%1 \"%2\" in %3 x %4")
                             .arg(QLatin1String(w->metaObject()->className()), text)
                             .arg(w->width())
                             .arg(w->height()));
    }
    return found;
}

// The translation's placeholders (%1, %2 ...) as a sorted list.
QStringList placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression mark(QStringLiteral("%\\d"));
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// Answers the next message box: its title, text and button texts, then clicks `answer`.
struct BoxSeen {
    QString title, text;
    QStringList buttons;
};
void answerNextBox(BoxSeen& seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        for (QAbstractButton* b : box->buttons())
            seen.buttons.append(b->text());
        seen.buttons.sort();
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

    // lupdate run over the sources into a copy of each catalogue finds nothing
    // new, nothing gone, and every translation keeps its source's placeholders.
    void cataloguesAreComplete()
    {
        const QDir sources(QStringLiteral(SPLOT_SOURCE_DIR));
        const QStringList files = QDir(sources.filePath("translations")).entryList({"splotchery_*.ts"});
        QVERIFY(files.contains("splotchery_de.ts"));
        QTemporaryDir scratch;
        for (const QString& name : files) {
            const QString copy = scratch.filePath(name);
            QVERIFY(QFile::copy(sources.filePath("translations/" + name), copy));
            QProcess lupdate;
            lupdate.setWorkingDirectory(sources.path());
            lupdate.start(QStringLiteral(SPLOT_LUPDATE),
                          {"-I", sources.path(), "-tr-function-alias", "QT_TRANSLATE_NOOP+=SPLOT_TEXT",
                           "-locations", "none", "-no-ui-lines", "-extensions", "cpp,h", "shell",
                           "platform/qt", "presentation", "engine/VictoryText.h", "-ts", copy});
            QVERIFY(lupdate.waitForFinished(120000));
            QCOMPARE(lupdate.exitCode(), 0);

            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QStringList faults;
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value("type").toString();
                    const QString text = xml.readElementText();
                    if (!type.isEmpty() || text.isEmpty())
                        faults.append(QStringLiteral("%1 (%2)").arg(source, type.isEmpty() ? "empty" : type));
                    else if (placeholders(text) != placeholders(source))
                        faults.append(QStringLiteral("%1 -> %2 (placeholders)").arg(source, text));
                }
            }
            QVERIFY(!xml.hasError());
            QVERIFY2(faults.isEmpty(), qPrintable(name + ": " + faults.join(" | ")));
        }
    }

    void languageFollowsTheDesktopList_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("German") << QStringList{"de"} << "de";
        QTest::newRow("German of Austria") << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("from LANG") << QStringList{"de_DE.UTF-8"} << "de";
        QTest::newRow("English") << QStringList{"en-US", "en"} << "en";
        QTest::newRow("English before German") << QStringList{"en", "de"} << "en";
        QTest::newRow("unknown, then German") << QStringList{"fr-FR", "fr", "de"} << "de";
        QTest::newRow("unknown only") << QStringList{"fr-FR", "fr"} << "en";
        QTest::newRow("C locale") << QStringList{"C"} << "en";
        QTest::newRow("nothing") << QStringList{} << "en";
    }
    void languageFollowsTheDesktopList()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, spoken);
        QCOMPARE(catalogueLanguages(), QStringList{"de"});
        QCOMPARE(pickLanguage(desktop, catalogueLanguages()), spoken);
        QCOMPARE(useLanguage(spoken), spoken);
        QCOMPARE(currentLanguage(), spoken);
    }

    // The flow's texts at the boundary: German with the names and the
    // exclamations in place; the English of the sources in English and in a
    // language without a catalogue.
    void flowTextsAreShownInTheLanguage()
    {
        const QList<std::pair<std::string, QString>> texts = {
            {"Computer's turn", "Der Computer ist dran"},
            {"Computer begins", "Der Computer fängt an"},
            {"Tulla's turn", "Tulla ist dran"},
            {"Pelko begins", "Pelko fängt an"},
            {"Ömer %2's turn", "Ömer %2 ist dran"},
            {"Tulla won!", "Tulla hat gewonnen!"},
            {"Computer won!  Forget it!", "Der Computer hat gewonnen!  Vergiss es!"},
            {"You won!  You're top!", "Du hast gewonnen!  Du bist spitze!"},
            {"You won!  Hurrah!", "Du hast gewonnen!  Hurra!"},
            {"The game ends in a draw!", "Das Spiel endet unentschieden!"},
            {"Nozzle blocked!", "Düse verstopft!"},
            {"Really start a new game?", "Willst du wirklich ein neues Spiel anfangen?"},
            {"Start", "Neues Spiel"},
            {"What do you think about a draw?", "Wie wär’s mit einem Unentschieden?"},
            {"Splotchery Error", "Fehler in Splotchery"},
            {failureReportText(7, "Out of memory", 0, "Feld_Auswahl"),
             "Fehler 7: \nNicht genug Arbeitsspeicher\n\t\taufgetreten in Zeile 0\nin Splotchery: "
             "Feld_Auswahl"},
            {"", ""},
            {"Something else entirely", "Something else entirely"},
        };
        for (const QString& language : QStringList{"de", "en", "fr"}) {
            useLanguage(language);
            for (const auto& [english, german] : texts)
                QCOMPARE(shownText(english), language == "de" ? german : QString::fromStdString(english));
        }
    }

    // The menus in German or English; the settings file is written the same in any language
    // (the games themselves run in German in the whole-game driver of test_player_road).
    void menusSpeakTheLanguageTheFileDoesNot()
    {
        QMap<QString, QByteArray> settingsAfter;
        for (const QString& language : QStringList{"de", "en", "xx"}) {
            writeSettings(kQuietSettings);
            useLanguage(language);
            const bool german = language == "de";
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
            rig.window().startAction()->trigger();
            rig.window().close();
            settingsAfter[language] = settingsText();
        }
        QCOMPARE(settingsAfter["de"], settingsAfter["en"]);
        QCOMPARE(settingsAfter["xx"], settingsAfter["en"]);
    }

    // The questions and the failure report as message boxes: German title,
    // text and Qt's own button texts; English in English.
    void questionBoxesSpeakTheLanguage()
    {
        for (const QString& language : QStringList{"de", "en"}) {
            useLanguage(language);
            const bool german = language == "de";
            QWidget owner;
            owner.show();
            QtQuestions questions(&owner);
            BoxSeen seen;
            answerNextBox(seen, QMessageBox::No);
            QVERIFY(!questions.askYesNo("Really end the game?", "End program"));
            QCOMPARE(seen.title, german ? "Programm beenden" : "End program");
            QCOMPARE(seen.text, german ? "Willst du das Spiel wirklich beenden?" : "Really end the game?");
            QCOMPARE(seen.buttons, german ? QStringList({"&Ja", "&Nein"}) : QStringList({"&No", "&Yes"}));

            BoxSeen report;
            answerNextBox(report, QMessageBox::Ignore);
            QCOMPARE(questions.reportError("Splotchery Error",
                                           failureReportText(1, "Unknown failure", 0, "Start")),
                     Questions::ErrorChoice::Ignore);
            QCOMPARE(report.title, german ? "Fehler in Splotchery" : "Splotchery Error");
            QCOMPARE(report.text,
                     german
                         ? "Fehler 1: \nUnbekannter Fehler\n\t\taufgetreten in Zeile 0\nin Splotchery: Start"
                         : "Error 1: \nUnknown failure\n\t\toccurred at line 0\nin Splotchery: Start");
            QCOMPARE(report.buttons, german ? QStringList({"Abbrechen", "Ignorieren", "Wiederholen"})
                                            : QStringList({"Abort", "Ignore", "Retry"}));
        }
    }

    // The help in German: a German page for every English one, in the same
    // order; in either language every link leads to a page in the same language;
    // the search finds German words. In English the English pages.
    void helpPagesFollowTheLanguage()
    {
        HelpWindow english;
        useLanguage("de");
        HelpWindow german;
        QCOMPARE(german.topics().size(), english.topics().size());
        QCOMPARE(german.topics().front().title, "Inhalt");
        QCOMPARE(english.topics().front().title, "Contents");
        for (int i = 0; i < german.topics().size(); ++i) {
            const QUrl url = german.topics()[i].url;
            QCOMPARE(url.toString(), english.topics()[i].url.toString().replace("/help/", "/help/de/"));
            QVERIFY2(german.topics()[i].title != english.topics()[i].title, qPrintable(url.toString()));
            for (HelpWindow* help : {&german, &english}) { // every link leads to a page of its language
                help->browser()->setSource(help->topics()[i].url);
                const QString folder = help == &german ? ":/help/de/" : ":/help/";
                QTextDocument* doc = help->browser()->document();
                for (QTextBlock b = doc->begin(); b != doc->end(); b = b.next())
                    for (auto it = b.begin(); !it.atEnd(); ++it)
                        if (const QString href = it.fragment().charFormat().anchorHref(); !href.isEmpty())
                            QVERIFY2(QFile::exists(folder + href),
                                     qPrintable(url.toString() + " -> " + href));
            }
        }
        QCOMPARE(german.findTopics("Fettflecken").front().title, "Fettflecken");
        QVERIFY(german.findTopics("grease spots").isEmpty());
        QCOMPARE(english.findTopics("grease spots").front().title, "Grease spots");
    }

    // Every dialog in German: every text fits its widget (at whatever scale
    // the test runs: 1, 1.5 and 2 from CMake).
    void germanTextsFitEveryDialog()
    {
        useLanguage("de");
        GameSettings settings;
        OptionsDialog options(settings, [](const GameSettings&) {});
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        QCOMPARE(options.windowTitle(), "Einstellungen");
        QCOMPARE(overflowing(&options), QStringList());

        const GameRecord counts; // the dialog shows it by reference
        RecordDialog record(
            counts, [] { return false; }, [] {});
        record.show();
        QVERIFY(QTest::qWaitForWindowExposed(&record));
        QCOMPARE(record.windowTitle(), "Bilanz");
        QCOMPARE(overflowing(&record), QStringList());

        QWidget owner;
        AboutBox about(&owner, 100000);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), "Über Splotchery");
        QCOMPARE(overflowing(&about), QStringList());

        HelpWindow help;
        help.showHelp(1);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QCOMPARE(help.windowTitle(), "Splotchery-Hilfe");
        QCOMPARE(help.browser()->documentTitle(), "Inhalt");
        QCOMPARE(overflowing(&help), QStringList());
    }

    // The story on the first start, in German, needs no scroll bar.
    void germanStoryFitsTheBox()
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
    }

    // The label shows the longest German texts whole at the design size, and
    // nothing else in the main window overflows.
    void germanTextsFitTheLabel()
    {
        useLanguage("de");
        WindowRig rig;
        QLabel* label = rig.window().booth()->commentLabel();
        for (const char* text : {"Computer won!  No luck today!", "You won!  Very clever!",
                                 "The game ends in a draw!", "Really start a new game?", "Pelko's turn"}) {
            rig.window().scene().setComment(text);
            QCOMPARE(label->text(), shownText(text));
            QCOMPARE(overflowing(&rig.window()), QStringList());
        }
    }
};

QTEST_MAIN(TestL10n)
#include "test_l10n.moc"
