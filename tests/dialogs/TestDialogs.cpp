// The settings dialog, the story, the about box and the help window.
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/OptionsDialog.h"
#include "shell/SettingsStore.h"
#include "shell/Story.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>
#include <optional>

using namespace splot;

namespace {

// A dialog on its own choices, recording every "Save the choices".
struct DialogRig {
    GameSettings settings;
    QList<GameSettings> saved;
    std::optional<OptionsDialog> dialog;

    explicit DialogRig(const GameSettings& start = {}) : settings(start)
    {
        dialog.emplace(settings, [this](const GameSettings& s) { saved.append(s); });
    }
    OptionsDialog& d() { return *dialog; }

    // Press the plus/minus control at (x, y) pixels and keep it held.
    void press(QPoint at) { QTest::mousePress(d().plusMinus(), Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(d().plusMinus(), Qt::LeftButton, {}, at); }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }

    // Runs the modal Options command; `whileOpen` acts as the user would.
    bool runOptions(const std::function<void(OptionsDialog&)>& whileOpen)
    {
        QTimer::singleShot(0, [this, whileOpen] {
            whileOpen(d());
            if (d().isVisible())
                d().okButton()->click();
        });
        return d().execAndReportChanged();
    }
};

const QPoint kPlus{2, 2};    // upper-left triangle of the 20 x 20 picture
const QPoint kMinus{18, 18}; // lower-right triangle

bool sameChoices(const GameSettings& a, const GameSettings& b)
{
    return a.wallSize == b.wallSize && a.computerPlaysRed == b.computerPlaysRed && a.greaseSpots == b.greaseSpots &&
           a.blockedNozzle == b.blockedNozzle && a.soundOn == b.soundOn && a.hintsOn == b.hintsOn &&
           a.level == b.level && a.redName == b.redName && a.blueName == b.blueName;
}

QString fileText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString shotPath(const char* name)
{
    return QDir(QStringLiteral(SPLOT_DIALOG_SHOTS)).filePath(QLatin1String(name));
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    // --- The settings dialog --------------------------------------------------

    void controlsAtTheirPlacesWithTheirCaptions()
    {
        DialogRig rig;
        OptionsDialog& d = rig.d();
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(d.size(), QSize(287, 222)); // 4305 x 3330 twips
        QCOMPARE(d.sizeDisplay()->text(), QStringLiteral(" 8 x 8"));
        QCOMPARE(d.plusMinus()->geometry(), QRect(216, 13, 20, 20));
        QCOMPARE(d.okButton()->text(), QStringLiteral("&OK"));
        QCOMPARE(d.okButton()->geometry(), QRect(192, 176, 73, 33));
        QCOMPARE(d.computerOption()->text(), QStringLiteral("&Computer"));
        QVERIFY(d.humanOption()->text().isEmpty());
        QCOMPARE(d.hintsBox()->text(), QStringLiteral("&Hints"));
        QCOMPARE(d.greaseBox()->text(), QStringLiteral("&Grease spots"));
        QCOMPARE(d.nozzleBox()->text(), QStringLiteral("Blocked &nozzle"));
        QCOMPARE(d.soundBox()->text(), QStringLiteral("&Soundeffects"));
        QCOMPARE(d.levelList()->count(), 4);
        const QStringList levels{"very easy", "beginner", "advanced", "expert"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(d.levelList()->itemText(i), levels[i]);
        QStringList captions;
        for (const QLabel* l : d.findChildren<QLabel*>())
            captions << l->text();
        for (const char* c : {"Size of the &wall:", "&Level:", "&Red:", "&Blue:"})
            QVERIFY2(captions.contains(QLatin1String(c)), c);
        // Red's name box sits beside the human option, in Red's frame.
        QCOMPARE(d.redNameBox()->parentWidget(), d.humanOption()->parentWidget());
        QCOMPARE(d.redNameBox()->geometry(), QRect(26, 48, 81, 19));
        QCOMPARE(OptionsDialog::sizeText(15), QStringLiteral(" 15 x 15"));
    }

    void creatingAndFillingChangesNoChoice()
    {
        GameSettings start;
        start.wallSize = 11;
        start.computerPlaysRed = kFalse;
        start.greaseSpots = kTrue;
        start.hintsOn = 1;
        start.level = 3;
        start.redName = "Ann";
        DialogRig rig(start);
        QVERIFY(sameChoices(rig.settings, start));
        QCOMPARE(rig.d().sizeDisplay()->text(), QStringLiteral(" 11 x 11"));
        QVERIFY(rig.d().humanOption()->isChecked());
        QVERIFY(rig.d().redNameBox()->isEnabled());
        QCOMPARE(rig.d().redNameBox()->text(), QStringLiteral("Ann"));
        QCOMPARE(rig.d().levelList()->currentIndex(), 3);
        QVERIFY(rig.d().greaseBox()->isChecked());
        QVERIFY(rig.saved.isEmpty());
    }

    void loadingReportsTheHintButtonAndBringsValuesIntoRange()
    {
        DialogRig rig;
        QSignalSpy hints(&rig.d(), &OptionsDialog::hintsToggled);
        rig.settings.hintsOn = 1;
        rig.settings.wallSize = 20;   // beyond what the dialog offers
        rig.settings.level = 7;
        rig.settings.soundOn = 2;     // not exactly 1: off
        rig.settings.blockedNozzle = 2; // nonzero: on
        rig.d().loadChoices();
        QVERIFY(!hints.isEmpty());
        QCOMPARE(hints.last().at(0).toBool(), true);
        QCOMPARE(rig.d().sizeDisplay()->text(), QStringLiteral(" 15 x 15"));
        QCOMPARE(rig.settings.wallSize, 15);
        QCOMPARE(rig.settings.level, 3);
        QVERIFY(!rig.d().soundBox()->isChecked());
        QCOMPARE(rig.settings.soundOn, 0);
        QVERIFY(rig.d().nozzleBox()->isChecked());
        QCOMPARE(rig.settings.blockedNozzle, kTrue);

        rig.settings.hintsOn = 0;
        rig.d().loadChoices();
        QCOMPARE(hints.last().at(0).toBool(), false);
    }

    void plusAtFifteenAndMinusAtSixChangeNothing()
    {
        GameSettings start;
        start.wallSize = 15;
        DialogRig rig(start);
        rig.d().show();
        rig.click(kPlus);
        QCOMPARE(rig.d().sizeDisplay()->text(), QStringLiteral(" 15 x 15"));
        QCOMPARE(rig.settings.wallSize, 15);
        QVERIFY(!rig.d().settingsChanged());
        rig.d().hide();

        rig.settings.wallSize = 6;
        rig.d().loadChoices();
        rig.d().show();
        rig.click(kMinus);
        QCOMPARE(rig.d().sizeDisplay()->text(), QStringLiteral(" 6 x 6"));
        QCOMPARE(rig.settings.wallSize, 6);
        QVERIFY(!rig.d().settingsChanged());
        // Held at the limit, the repeat changes nothing either.
        rig.press(kMinus);
        rig.d().plumin_Tick();
        rig.d().plumin_Tick();
        rig.release(kMinus);
        QCOMPARE(rig.settings.wallSize, 6);
        QVERIFY(!rig.d().settingsChanged());
    }

    void holdingPlusStepsAtThePressAndEveryTick()
    {
        DialogRig rig;
        rig.d().show();
        QTimer* timer = rig.d().repeatTimer();
        QCOMPARE(timer->interval(), 200);
        QVERIFY(!timer->isActive());

        rig.press(kPlus); // 0 ms: 9
        QVERIFY(timer->isActive());
        QCOMPARE(rig.settings.wallSize, 9);
        for (int tick = 1; tick <= 5; ++tick) // 200, 400, 600, 800, 1000 ms of 1.1 s
            rig.d().plumin_Tick();
        QCOMPARE(rig.d().sizeDisplay()->text(), QStringLiteral(" 14 x 14"));
        QCOMPARE(rig.settings.wallSize, 14);
        QVERIFY(rig.d().settingsChanged());

        rig.release(kPlus);
        QVERIFY(!timer->isActive());
        // Held on, it would have stopped at 15.
        rig.press(kPlus);
        for (int tick = 0; tick < 4; ++tick)
            rig.d().plumin_Tick();
        rig.release(kPlus);
        QCOMPARE(rig.settings.wallSize, 15);
    }

    void theRepeatKeepsTheDirectionOfThePressAndStopsWhenHidden()
    {
        DialogRig rig;
        rig.d().show();
        rig.press(kMinus);
        rig.d().plumin_Tick();
        QCOMPARE(rig.settings.wallSize, 6);
        rig.d().plumin_Tick(); // stays at 6
        QCOMPARE(rig.settings.wallSize, 6);
        rig.d().hide(); // the dialog goes away while held
        QVERIFY(!rig.d().repeatTimer()->isActive());
    }

    void thePressOnTheDiagonalStepsDown()
    {
        DialogRig rig;
        rig.d().show();
        rig.click({10, 10}); // 150 + 150 twips = 300: the diagonal
        QCOMPARE(rig.settings.wallSize, 7);
        rig.click({9, 10}); // 135 + 150 = 285: upper-left
        QCOMPARE(rig.settings.wallSize, 8);
        rig.click({19, 0}); // 285 + 0: upper-left, even at the far right
        QCOMPARE(rig.settings.wallSize, 9);
        QTest::mousePress(rig.d().plusMinus(), Qt::RightButton, {}, QPoint(0, 19)); // any button
        QTest::mouseRelease(rig.d().plusMinus(), Qt::RightButton, {}, QPoint(0, 19));
        QCOMPARE(rig.settings.wallSize, 10);
    }

    void theKeyboardStepsTheSizeToo()
    {
        DialogRig rig;
        rig.d().show();
        QTest::keyClick(rig.d().plusMinus(), Qt::Key_Up);
        QTest::keyClick(rig.d().plusMinus(), Qt::Key_Up);
        QTest::keyClick(rig.d().plusMinus(), Qt::Key_Down);
        QCOMPARE(rig.settings.wallSize, 9);
    }

    void theComputerOptionGreysRedsName()
    {
        DialogRig rig;
        QVERIFY(rig.d().computerOption()->isChecked());
        QVERIFY(!rig.d().redNameBox()->isEnabled());
        rig.d().show();
        rig.d().humanOption()->click();
        QVERIFY(rig.d().redNameBox()->isEnabled());
        QCOMPARE(rig.settings.computerPlaysRed, kFalse);
        QVERIFY(rig.d().settingsChanged());
        rig.d().computerOption()->click();
        QVERIFY(!rig.d().redNameBox()->isEnabled());
        QCOMPARE(rig.settings.computerPlaysRed, kTrue);
    }

    void theRulesAndTheLevelTakeEffectAtOnce()
    {
        DialogRig rig;
        QSignalSpy hints(&rig.d(), &OptionsDialog::hintsToggled);
        rig.d().show();
        rig.d().greaseBox()->click();
        QCOMPARE(rig.settings.greaseSpots, kTrue);
        rig.d().nozzleBox()->click();
        QCOMPARE(rig.settings.blockedNozzle, kTrue);
        rig.d().hintsBox()->click();
        QCOMPARE(rig.settings.hintsOn, 1);
        QCOMPARE(hints.count(), 1);
        QCOMPARE(hints.last().at(0).toBool(), true);
        rig.d().levelList()->setCurrentIndex(3);
        QCOMPARE(rig.settings.level, 3);
        QVERIFY(rig.d().settingsChanged());
        QVERIFY(rig.saved.isEmpty()); // the file only at OK
    }

    void onlyTheSoundBoxMarksNothingButIsStoredAndInForce()
    {
        DialogRig rig;
        const bool changed = rig.runOptions([](OptionsDialog& d) { d.soundBox()->click(); });
        QVERIFY(!changed);
        QCOMPARE(rig.settings.soundOn, 0);
        QCOMPARE(rig.saved.size(), 1);
        QCOMPARE(rig.saved.last().soundOn, 0);
        QVERIFY(sameChoices(rig.saved.last(), rig.settings));
    }

    void okWithoutChangesStoresTheSameChoicesAndMarksNothing()
    {
        GameSettings start;
        start.level = 2;
        start.redName = "Ann";
        DialogRig rig(start);
        QVERIFY(!rig.runOptions([](OptionsDialog&) {}));
        QCOMPARE(rig.saved.size(), 1);
        QVERIFY(sameChoices(rig.saved.last(), start));
    }

    void aTypedNameMarksAChangeAndIsTakenOverAtOk()
    {
        DialogRig rig;
        bool nameLiveBeforeOk = true;
        const bool changed = rig.runOptions([&](OptionsDialog& d) {
            d.blueNameBox()->selectAll();
            QTest::keyClicks(d.blueNameBox(), QStringLiteral("Mia"));
            nameLiveBeforeOk = rig.settings.blueName != "Pelko";
        });
        QVERIFY(changed);
        QVERIFY(!nameLiveBeforeOk);
        QCOMPARE(rig.settings.blueName, std::string("Mia"));
        QCOMPARE(rig.saved.last().blueName, std::string("Mia"));
        // An empty name is taken as it is.
        rig.runOptions([](OptionsDialog& d) { d.blueNameBox()->clear(); });
        QCOMPARE(rig.settings.blueName, std::string());
    }

    void reopeningShowsTheChoicesAsLeft()
    {
        DialogRig rig;
        QVERIFY(rig.runOptions([&](OptionsDialog& d) {
            rig.click(kPlus);
            rig.click(kPlus);
            d.levelList()->setCurrentIndex(0);
            d.humanOption()->click();
            d.redNameBox()->setText(QStringLiteral("Ann"));
            d.greaseBox()->click();
        }));
        bool changedAtOpening = true;
        QVERIFY(!rig.runOptions([&](OptionsDialog& d) {
            changedAtOpening = d.settingsChanged();
            QCOMPARE(d.sizeDisplay()->text(), QStringLiteral(" 10 x 10"));
            QCOMPARE(d.levelList()->currentIndex(), 0);
            QVERIFY(d.humanOption()->isChecked());
            QVERIFY(d.redNameBox()->isEnabled());
            QCOMPARE(d.redNameBox()->text(), QStringLiteral("Ann"));
            QVERIFY(d.greaseBox()->isChecked());
        }));
        QVERIFY(!changedAtOpening);
        QCOMPARE(rig.settings.wallSize, 10);
        QCOMPARE(rig.settings.redName, std::string("Ann"));
        QCOMPARE(rig.saved.size(), 2);
    }

    void escapeAndTheFrameKeepTheChoices()
    {
        DialogRig rig;
        const bool changed = rig.runOptions([](OptionsDialog& d) {
            d.levelList()->setCurrentIndex(3);
            d.redNameBox()->setText(QStringLiteral("Bo"));
            d.soundBox()->click();
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QVERIFY(changed);
        QVERIFY(!rig.d().isVisible());
        QCOMPARE(rig.saved.size(), 1);
        QCOMPARE(rig.saved.last().level, 3);
        QCOMPARE(rig.saved.last().soundOn, 0);
        QCOMPARE(rig.settings.redName, std::string("Bo"));

        QVERIFY(rig.runOptions([](OptionsDialog& d) {
            d.hintsBox()->click();
            d.close(); // the window frame's close
        }));
        QCOMPARE(rig.saved.size(), 2);
        QCOMPARE(rig.saved.last().hintsOn, 1);
        QCOMPARE(rig.d().levelList()->currentIndex(), 3);
    }

    void okWritesTheNineKeysThroughTheSettingsStore()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("splot.ini"));
        SettingsStore store(std::make_unique<IniFile>(path.toStdString()));
        GameSettings settings;
        OptionsDialog dialog(settings, store);
        QTimer::singleShot(0, [&] {
            QTest::mouseClick(dialog.plusMinus(), Qt::LeftButton, {}, kPlus);
            dialog.humanOption()->click();
            dialog.redNameBox()->setText(QStringLiteral("Ann"));
            dialog.levelList()->setCurrentIndex(2);
            dialog.greaseBox()->click();
            dialog.okButton()->click();
        });
        QVERIFY(dialog.execAndReportChanged());
        const QString ini = fileText(path);
        for (const char* line : {"Feld= 9", "Sound= 1", "Fettflecken= 1", "Tips= 0", "Rot=Ann",
                                 "Blau=Pelko", "Computer= 0"})
            QVERIFY2(ini.contains(QLatin1String(line)), line);
        QVERIFY(ini.contains(QStringLiteral("Düse_verstopft= 0")));
        QVERIFY(ini.contains(QStringLiteral("Spielstärke= 2")));
        QVERIFY(!ini.contains(QStringLiteral("Text")));

        // What was stored reads back as it was left.
        GameSettings again;
        WindowPlacement placement;
        store.load({}, placement, again);
        QVERIFY(sameChoices(again, settings));
    }

    void grabTheDialog()
    {
        DialogRig rig;
        rig.d().show();
        QVERIFY(rig.d().grab().save(shotPath("options.png")));
        rig.d().humanOption()->click();
        rig.press(kPlus);
        QVERIFY(rig.d().grab().save(shotPath("options-plus.png")));
        rig.release(kPlus);
    }

    // --- The story --------------------------------------------------------------

    void theStoryTextHasItsPiecesAndLineBreaks()
    {
        const QString t = storyText();
        QVERIFY(t.startsWith(QStringLiteral("\r\nHey!\r\n\r\nIn Idletown there is a fun-fair.")));
        QVERIFY(t.contains(QStringLiteral("If you make a beautiful splot, you win a prize.\r\n\r\nAunt Emma was very busy today.")));
        QVERIFY(t.contains(QStringLiteral("two slamuffils Rollo and Blippo hadn't helped her")));
        QVERIFY(t.contains(QStringLiteral("Now at last peace and quite have come.")));
        QVERIFY(t.contains(QStringLiteral("\r\n\r\nOf course they have their own rules of the game:\r\n\r\nInstead of")));
        QVERIFY(t.endsWith(QStringLiteral("who is the first to place 5 splots in a line.\r\n\r\n")));
        // Every line break is CR LF.
        QCOMPARE(t.count(QLatin1Char('\n')), t.count(QStringLiteral("\r\n")));
        QCOMPARE(t.count(QStringLiteral("\r\n")), 15);
    }

    void showingTheStoryFillsTheBoxAndMarksItShown()
    {
        QPlainTextEdit text1;
        text1.hide();
        int marks = 0;
        showStory(text1, [&] { ++marks; });
        QVERIFY(!text1.isHidden());
        QVERIFY(text1.toPlainText().startsWith(QStringLiteral("\nHey!\n\nIn Idletown")));
        QVERIFY(!text1.toPlainText().contains(QLatin1Char('\r')));
        QCOMPARE(text1.palette().color(QPalette::Base), QColor(0, 64, 0));
        QCOMPARE(text1.palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(marks, 1);
        showStory(text1, [&] { ++marks; }); // from the menu: marked again
        QCOMPARE(marks, 2);
    }

    void theStoryStoresTextZeroInTheSettingsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("splot.ini"));
        SettingsStore store(std::make_unique<IniFile>(path.toStdString()));
        QPlainTextEdit text1;
        showStory(text1, store);
        QVERIFY(text1.toPlainText().startsWith(QStringLiteral("\nHey!")));
        QVERIFY(fileText(path).contains(QStringLiteral("Text=0")));
        GameSettings settings;
        WindowPlacement placement;
        store.load({}, placement, settings);
        QCOMPARE(settings.showStory, kFalse);
    }

    // --- The about box ----------------------------------------------------------

    void theAboutBoxSetsTheTitleAndClosesItself()
    {
        QWidget mainWindow;
        mainWindow.setWindowTitle(QStringLiteral("Splotchery"));
        AboutBox box(&mainWindow);
        QCOMPARE(mainWindow.windowTitle(), QStringLiteral("Splotchery  1.24"));
        QCOMPARE(box.size(), QSize(356, 329));
        QCOMPARE(box.palette().color(QPalette::Window), QColor(0, 0, 128));
        QVERIFY(box.closingTimer()->isActive());
        QCOMPARE(box.closingTimer()->interval(), 2500);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(box.pos(), QPoint((screen.width() - 356) / 2, (screen.height() - 329) / 2));
        QStringList texts;
        for (const QLabel* l : box.findChildren<QLabel*>())
            texts << l->text();
        QVERIFY(texts.contains(QStringLiteral("Splotchery32 v1.24")));
        QVERIFY(texts.contains(QStringLiteral("For more information see readme.txt!")));

        box.show();
        QVERIFY(box.grab().save(shotPath("about.png")));
        box.Timer1_Timer();
        QVERIFY(!box.isVisible());
        QVERIFY(!box.closingTimer()->isActive());
    }

    void theModalAboutBoxReturnsWhenItsTimerFires()
    {
        QWidget mainWindow;
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            auto* box = dynamic_cast<AboutBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            wasModal = true;
            box->Timer1_Timer();
        });
        AboutBox::showModal(&mainWindow);
        QVERIFY(wasModal);
        QCOMPARE(mainWindow.windowTitle(), QStringLiteral("Splotchery  1.24"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // --- The help window --------------------------------------------------------

    void theHelpHasEveryTopic()
    {
        HelpWindow help;
        QStringList titles;
        for (const auto& t : help.topics())
            titles << t.title;
        QCOMPARE(titles.size(), 11);
        for (const char* t : {"Contents", "The rules of the game", "Grease spots", "The blocked nozzle",
                              "The computer's levels", "Hints and the draw offer", "The Options dialog",
                              "Where your settings are kept", "How to use this help window"})
            QVERIFY2(titles.contains(QLatin1String(t)), t);
    }

    void everyLinkLeadsToAPage()
    {
        HelpWindow help;
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        for (const auto& t : help.topics()) {
            QFile f(QLatin1Char(':') + t.url.path());
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(t.url.toString()));
            const QString html = QString::fromUtf8(f.readAll());
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target),
                         qPrintable(t.url.toString() + " -> " + target));
            }
        }
    }

    void theSettingsFileIsNamedInTheHelp()
    {
        HelpWindow help;
        const auto topics = help.findTopics(QStringLiteral("splot.ini"));
        QVERIFY(!topics.isEmpty());
        QCOMPARE(topics.first().title, QStringLiteral("Where your settings are kept"));
        QFile f(QStringLiteral(":/help/settings.html"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(f.readAll()).contains(QStringLiteral("~/.config/splotchery/splot.ini")));
    }

    void searchFindsTheGreaseSpotsPage()
    {
        HelpWindow help;
        const auto topics = help.findTopics(QStringLiteral("grease"));
        QVERIFY(!topics.isEmpty());
        QCOMPARE(topics.first().title, QStringLiteral("Grease spots"));
        QCOMPARE(topics.first().url.fileName(), QStringLiteral("grease.html"));
        QVERIFY(help.findTopics(QStringLiteral("GREASE Spots")).size() >= 1);
        QVERIFY(help.findTopics(QStringLiteral("grease xylophone")).isEmpty());
        QVERIFY(help.findTopics(QStringLiteral("  ")).isEmpty());
    }

    void theHelpMenuCommands()
    {
        HelpWindow help;
        help.showHelp(1); // contents, then the search
        QVERIFY(help.isVisible());
        QCOMPARE(help.browser()->source(), HelpWindow::contentsUrl());
        QVERIFY(help.searchPanel()->isVisible());
        QTest::keyClicks(help.searchField(), QStringLiteral("grease"));
        QVERIFY(help.resultList()->count() >= 1);
        QCOMPARE(help.resultList()->item(0)->text(), QStringLiteral("Grease spots"));
        QTest::keyClick(help.searchField(), Qt::Key_Return);
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("grease.html"));
        QVERIFY(help.browser()->textCursor().selectedText().compare(QStringLiteral("grease"), Qt::CaseInsensitive) == 0);
        QVERIFY(help.grab().save(shotPath("help-search.png")));

        help.showHelp(2);
        QCOMPARE(help.browser()->source(), HelpWindow::helpOnHelpUrl());
        QVERIFY(help.grab().save(shotPath("help-on-help.png")));

        help.showHelp(0);
        QCOMPARE(help.browser()->source(), HelpWindow::contentsUrl());
        QVERIFY(!help.searchPanel()->isVisible());
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("five splots of their colour in a row")));
        QCoreApplication::sendPostedEvents(); // the layout after the search panel went away
        QVERIFY(help.grab().save(shotPath("help.png")));
        if (qEnvironmentVariableIsSet("SPLOT_GRAB_HELP_PAGES")) {
            for (const auto& t : help.topics()) {
                help.browser()->setSource(t.url);
                help.grab().save(shotPath("help-") + t.url.fileName() + QStringLiteral(".png"));
            }
        }
    }
};

QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
