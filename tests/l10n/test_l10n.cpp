// The program's languages: every catalogue is complete and keeps the
// placeholders, every help page is there in every language; the language
// follows the desktop's list; in German the menus, the label, the victory texts
// and the failure report speak German (players' names untouched), in English
// and in an unknown language every text is the English of the sources; and in
// every language the texts fit every dialog and the label, with one Alt letter
// for one control in each dialog and menu.
#include "engine/VictoryText.h"
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

// The Alt letters that two controls share in a menu (its items) or a dialog (its buttons and the
// labels that lead to a control), with their texts; empty when each has its own.
QString sharedAltLetters(const QWidget* root)
{
    QStringList texts, letters, shared;
    for (const QAction* a : root->actions())
        texts.append(a->text());
    for (const QAbstractButton* b : root->findChildren<QAbstractButton*>())
        texts.append(b->text());
    for (const QLabel* l : root->findChildren<QLabel*>())
        texts.append(l->buddy() ? l->text() : QString());
    for (const QString& text : texts) {
        const QString letter = QKeySequence::mnemonic(text).toString();
        if (!letter.isEmpty() && letters.contains(letter))
            shared.append(text + " (" + texts[letters.indexOf(letter)] + ")");
        letters.append(letter);
    }
    return shared.join(" | ");
}

const QStringList kLanguages = {"cs", "de", "es", "fr", "it", "ja", "pl", "ru", "zh_CN"};

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

} // namespace

class TestL10n : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }
    void init() { writeSettings(kQuietSettings); }
    void cleanup() { useLanguage(QStringLiteral("en")); }

    // lupdate run over the sources into a copy of every catalogue finds nothing new, nothing gone,
    // and every translation keeps its source's placeholders. Every language has every help page.
    void cataloguesAreComplete()
    {
        QCOMPARE(catalogueLanguages(), kLanguages);
        const QDir sources(QStringLiteral(SPLOT_SOURCE_DIR));
        QTemporaryDir scratch;
        QStringList arguments = {"-I", sources.path()};
        arguments += QString("-tr-function-alias QT_TRANSLATE_NOOP+=SPLOT_TEXT -locations none -no-ui-lines "
                             "-extensions cpp,h shell platform/qt presentation engine/VictoryText.h -ts")
                         .split(' ');
        for (const QString& language : kLanguages) {
            arguments.append(scratch.filePath("splotchery_" + language + ".ts"));
            QVERIFY(QFile::copy(sources.filePath("translations/splotchery_" + language + ".ts"),
                                arguments.last()));
        }
        QProcess lupdate;
        lupdate.setWorkingDirectory(sources.path());
        lupdate.start(QStringLiteral(SPLOT_LUPDATE), arguments);
        QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);
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
        const QStringList pages = QDir(":/help").entryList({"*.html"});
        for (const QString& language : kLanguages) {
            QCOMPARE(QDir(":/help/" + language).entryList({"*.html"}), pages);
            QFile file(arguments[arguments.indexOf("-ts") + 1 + kLanguages.indexOf(language)]);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString catalogue = QString::fromUtf8(file.readAll());
            QStringList faults;
            for (auto it = message.globalMatch(catalogue); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                if (!m.captured(2).isEmpty() || m.captured(3).isEmpty() ||
                    marks(m.captured(3)) != marks(m.captured(1)))
                    faults.append(m.captured(1) + " -> " + m.captured(3) + m.captured(2));
            }
            QVERIFY2(catalogue.count("<source>") > 100 && faults.isEmpty(),
                     qPrintable(language + ": " + faults.join(" | ")));
        }
    }

    // The language follows the desktop's list (Chinese by its script); one without a catalogue speaks
    // English. The flow's texts in German (names in place, whatever they hold; the exclamations are
    // the whole games' in every language), and in English and in a language without a catalogue the
    // English of the sources. In German the failure report with Qt's own button texts.
    void everyTextSpeaksTheLanguageOfTheDesktop()
    {
        // The desktop's languages, then the one spoken.
        for (const QString& row :
             QStringList{"de/de", "de-AT de/de", "de_DE.UTF-8/de", "en-US en/en", "en_GB.UTF-8 de/en",
                         "eo-EO eo de/de", "eo/en", "C/en", "/en", "ru-RU ru/ru", "zh zh-Hans-CN/zh_CN",
                         "zh-SG/zh_CN", "zh-TW zh-Hant-TW/en", "zh-HK ja-JP/ja"})
            QCOMPARE(
                pickLanguage(row.section('/', 0, 0).split(' ', Qt::SkipEmptyParts), catalogueLanguages()),
                row.section('/', 1));
        // A player's name stays as it is, even one that is also a text of ours.
        const QList<std::pair<Phrase, QString>> texts = {
            {{"%1's turn", {Phrase::name("Ömer %2")}}, "Ömer %2 ist dran"},
            {{"%1's turn", {Phrase::name("Computer")}}, "Computer ist dran"},
            {{"%1 won!", {Phrase::name("Tulla's turn")}}, "Tulla's turn hat gewonnen!"},
            {"Something else entirely", "Something else entirely"},
        };
        for (const QString& language : QStringList{"de", "en", "eo", "de"}) {
            QCOMPARE(useLanguage(language), language == "eo" ? "en" : language);
            for (const auto& [phrase, translated] : texts)
                QCOMPARE(shownText(phrase),
                         language == "de" ? translated : QString::fromStdString(phrase.english()));
        }
        WindowRig rig;
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

    // Every dialog in every language, with Qt's own texts: every text fits its widget (at whatever
    // scale the test runs: 1, 1.5 and 2 from CMake), no Alt letter for two controls. The help shows
    // the language's pages and finds a page by its title's words.
    void dialogsFitEveryLanguage_data() { addLanguageRows(); }
    void dialogsFitEveryLanguage()
    {
        QFETCH(QString, language);
        QCOMPARE(useLanguage(language), language);
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel"); // Qt's own texts
        GameSettings settings;
        const GameRecord counts; // the dialog shows it by reference
        QWidget owner;
        OptionsDialog options(settings, [](const GameSettings&) {});
        RecordDialog record(
            counts, [] { return false; }, [] {});
        AboutBox about(&owner, 100000);
        HelpWindow help;
        help.showHelp(1);
        for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &record, &about, &help}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(overflowing(dialog).join(" | "), QString());
            QCOMPARE(sharedAltLetters(dialog), QString());
        }
        const HelpWindow::Topic grease = help.topics().value(4);
        QCOMPARE(grease.url.path(), "/help/" + language + "/grease.html");
        QCOMPARE(help.findTopics(grease.title).value(0).url, grease.url);
        QVERIFY(help.findTopics(grease.title + " xylophone").isEmpty()); // every word must match
    }

    // The main window in every language on the first start: no menu item reads as in English, and no
    // menu has an Alt letter for two items; the story needs no scroll bar; the label shows every text
    // of the game whole at the design size, and nothing else overflows.
    void mainWindowFitsEveryLanguage_data() { addLanguageRows(); }
    void mainWindowFitsEveryLanguage()
    {
        QFETCH(QString, language);
        const auto menuTexts = [](const MainWindow& window) {
            QStringList texts;
            for (const QAction* a : window.findChildren<QAction*>())
                texts.append(a->text());
            return texts;
        };
        const QStringList english = menuTexts(WindowRig().window());
        useLanguage(language);
        writeSettings("[Einstellungen]\nSound= 0\n");
        WindowRig rig;
        const QStringList menus = menuTexts(rig.window());
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(english[i].isEmpty() || menus.value(i) != english[i], qPrintable(english[i]));
        QPlainTextEdit* story = rig.window().booth()->storyBox();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        QVERIFY(story->isVisible() &&
                story->document()->toRawText().contains(QCoreApplication::translate("Story", "Hey!")));
        QCOMPARE(story->verticalScrollBar()->maximum(), 0);
        // (On a screen smaller than the design, at scale 2, the scene and its story are drawn smaller.)
        const BoothView& booth = *rig.window().booth();
        QVERIFY(story->font().pointSizeF() >= 0.75 * std::min(1.0, booth.zoom()) * booth.font().pointSizeF());
        QCOMPARE(sharedAltLetters(rig.window().menuBar()), QString());
        for (const QMenu* menu : rig.window().menuBar()->findChildren<QMenu*>())
            QCOMPARE(sharedAltLetters(menu), QString());
        std::vector<Phrase> texts = {
            "The game ends in a draw!",
            "Nozzle blocked!",
            "A game is waiting: Game › Continue last game (Ctrl+R)",
            "The game kept last time could not be read.",
            {"Move %1: %2, %3", {Phrase::name("64"), Phrase::ours("Computer"), Phrase::name("O15")}}};
        for (int outcome = 0; outcome < 2; ++outcome)
            for (const char* exclamation : kVictoryTexts[outcome])
                texts.push_back(
                    {outcome == 0 ? "You won!  %1" : "Computer won!  %1", {Phrase::ours(exclamation)}});
        for (const Phrase& text : texts) {
            rig.window().scene().setComment(text);
            QCOMPARE(booth.commentLabel()->text(), shownText(text));
            QCOMPARE(overflowing(&rig.window()).join(" | "), QString());
        }
    }
};

QTEST_MAIN(TestL10n)
#include "test_l10n.moc"
