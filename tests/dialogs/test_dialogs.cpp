// The settings dialog, the story, the about box, the help window and the question boxes.
#include "platform/IniFile.h"
#include "platform/qt/QtQuestions.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/OptionsDialog.h"
#include "shell/SettingsStore.h"
#include "shell/Story.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;

const QPoint kPlus{2, 2};    // upper-left triangle of the 20 x 20 plus/minus picture
const QPoint kMinus{18, 18}; // lower-right triangle

// A dialog on its own choices, recording every "Save the choices".
struct DialogRig {
    GameSettings settings;
    QList<GameSettings> saved;
    OptionsDialog d{settings, [this](const GameSettings& s) { saved.append(s); }};

    // Start-up: the wall size as read from the settings file, then the dialog filled from it.
    explicit DialogRig(int wallSize = 8)
    {
        settings.wallSize = i16(wallSize);
        d.loadChoices();
    }

    void press(QPoint at) { QTest::mousePress(d.plusMinus(), Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(d.plusMinus(), Qt::LeftButton, {}, at); }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }

    // The modal Options command: `whileOpen` acts as the user would, then OK unless the dialog closed.
    template <class Act> bool runOptions(Act whileOpen)
    {
        QTimer::singleShot(0, [this, whileOpen] {
            whileOpen();
            if (d.isVisible())
                d.okButton()->click();
        });
        return d.execAndReportChanged();
    }
};

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void plusAtFifteenAndMinusAtSixChangeNothing()
    {
        for (const auto& [size, at] : {std::pair{15, kPlus}, std::pair{6, kMinus}}) {
            DialogRig rig(size);
            rig.d.show();
            rig.press(at);
            rig.d.plumin_Tick(); // held: the repeat changes nothing either
            rig.d.hide();        // and stops with the dialog
            QVERIFY(!rig.d.repeatTimer()->isActive());
            QCOMPARE(rig.d.sizeDisplay()->text(), OptionsDialog::sizeText(size));
            QCOMPARE(rig.settings.wallSize, size);
            QVERIFY(!rig.d.settingsChanged());
        }
    }

    void plusMinusStepsAtThePressAndRepeatsWhileHeld()
    {
        DialogRig rig;
        rig.d.show();
        QCOMPARE(rig.d.repeatTimer()->interval(), 200);
        rig.press(kPlus); // 9 at the press
        QVERIFY(rig.d.repeatTimer()->isActive());
        for (int tick = 1; tick <= 5; ++tick) // then at 200, 400, 600, 800 and 1000 ms of 1.1 s
            rig.d.plumin_Tick();
        rig.release(kPlus);
        QVERIFY(!rig.d.repeatTimer()->isActive());
        QCOMPARE(rig.d.sizeDisplay()->text(), QStringLiteral(" 14 x 14"));
        QCOMPARE(rig.settings.wallSize, 14);
        QVERIFY(rig.d.settingsChanged());
        rig.click({10, 10}); // 150 + 150 twips: a press on the diagonal steps down
        QCOMPARE(rig.settings.wallSize, 13);
        rig.click({9, 10}); // 135 + 150 twips: just above it, up
        QCOMPARE(rig.settings.wallSize, 14);
    }

    // The sound takes effect at once and marks no change; a typed name marks one and counts from OK.
    void theSoundBoxAloneMarksNothingATypedNameDoes()
    {
        DialogRig rig;
        QVERIFY(!rig.runOptions([&] { rig.d.soundBox()->click(); }));
        QCOMPARE(rig.settings.soundOn, 0);
        QCOMPARE(rig.saved.value(0).soundOn, 0);

        std::string beforeOk;
        QVERIFY(rig.runOptions([&] {
            rig.d.blueNameBox()->selectAll();
            QTest::keyClicks(rig.d.blueNameBox(), QStringLiteral("Mia"));
            beforeOk = rig.settings.blueName;
        }));
        QCOMPARE(beforeOk, std::string("Pelko"));
        QCOMPARE(rig.settings.blueName, std::string("Mia"));
        QCOMPARE(rig.saved.value(1).blueName, std::string("Mia"));
    }

    // Escape stores the choices as OK does; the dialog opens again showing them, unmarked.
    // The computer option greys Red's name.
    void escapeKeepsTheChoicesAndReopeningShowsThem()
    {
        DialogRig rig;
        QVERIFY(rig.runOptions([&] {
            rig.click(kPlus);
            QVERIFY(!rig.d.redNameBox()->isEnabled());
            rig.d.humanOption()->click();
            QVERIFY(rig.d.redNameBox()->isEnabled() && rig.settings.computerPlaysRed == kFalse);
            rig.d.computerOption()->click();
            QVERIFY(!rig.d.redNameBox()->isEnabled());
            rig.d.humanOption()->click();
            rig.d.redNameBox()->setText(QStringLiteral("Ann"));
            QTest::keyClick(&rig.d, Qt::Key_Escape);
            QVERIFY(!rig.d.isVisible());
        }));
        QCOMPARE(rig.saved.value(0).wallSize, 9);
        bool changedAtOpening = true;
        QVERIFY(!rig.runOptions([&] {
            changedAtOpening = rig.d.settingsChanged();
            QCOMPARE(rig.d.sizeDisplay()->text(), QStringLiteral(" 9 x 9"));
            QVERIFY(rig.d.humanOption()->isChecked());
            QCOMPARE(rig.d.redNameBox()->text(), QStringLiteral("Ann"));
        }));
        QVERIFY(!changedAtOpening);
    }

    // Long names show their beginning; the fixed dialogs offer no minimize or maximize.
    void longNamesShowTheirBeginningAndDialogsAreFixed()
    {
        GameSettings settings;
        settings.redName = settings.blueName = "ABCDEFGHIJKLMNOPQRSTUVWX";
        OptionsDialog d(settings, [](const GameSettings&) {});
        QCOMPARE(d.redNameBox()->cursorPosition(), 0);
        QCOMPARE(d.blueNameBox()->cursorPosition(), 0);
        AboutBox about(nullptr, 0);
        for (const QWidget* w : {static_cast<QWidget*>(&d), static_cast<QWidget*>(&about)}) {
            const Qt::WindowFlags f = w->windowFlags();
            QVERIFY(f.testFlag(Qt::CustomizeWindowHint) && f.testFlag(Qt::MSWindowsFixedSizeDialogHint));
            QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint) && !f.testFlag(Qt::WindowMaximizeButtonHint));
            QCOMPARE(w->windowType(), Qt::Dialog);
        }
        QCOMPARE(about.parentWidget(), nullptr);
    }

    // Minimized alone, the options dialog comes back: its blocked owner is
    // never left without it. Minimized with its owner, it stays with it.
    void theOptionsDialogIsNotMinimizedWithoutItsOwner()
    {
        QWidget owner;
        owner.show();
        GameSettings settings;
        OptionsDialog d(
            settings, [](const GameSettings&) {}, &owner);
        d.show();
        const auto states = [&] { return QList<bool>{owner.isMinimized(), d.isMinimized()}; };

        d.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QCOMPARE(states(), (QList<bool>{false, false}));

        owner.setWindowState(Qt::WindowMinimized);
        d.setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QCOMPARE(states(), (QList<bool>{true, true}));
        QVERIFY(d.isVisible());
    }

    void theStoryBeginsWithHeyAndStoresTextZero()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("splot.ini"));
        SettingsStore store(std::make_unique<IniFile>(path.toStdString()));
        QPlainTextEdit text1;
        showStory(text1, store);
        QVERIFY(!text1.isHidden());
        // Each paragraph after an empty line, the empty lines after the last one dropped.
        QVERIFY(text1.toPlainText().startsWith(QStringLiteral("\nHey!\n\nIn Idletown there is a fun-fair.")));
        QVERIFY(text1.toPlainText().contains(QStringLiteral("have some fun.\n\nOf course they")));
        QVERIFY(text1.toPlainText().endsWith(QStringLiteral("to place 5 splots in a line.")));
        QFile ini(path);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("Text=0"));
    }

    void theAboutBoxSetsTheTitleAndClosesItself()
    {
        QWidget mainWindow;
        AboutBox box(&mainWindow, 0);
        QCOMPARE(mainWindow.windowTitle(), QStringLiteral("Splotchery  1.24"));
        box.show();
        QTRY_VERIFY(!box.isVisible()); // closed by its own timer
    }

    void helpSearchFindsTheGreaseSpotsPage()
    {
        HelpWindow help;
        QCOMPARE(help.findTopics(QStringLiteral("grease")).value(0).url.fileName(),
                 QStringLiteral("grease.html"));
        QVERIFY(help.findTopics(QStringLiteral("grease xylophone")).isEmpty()); // every word must match
        help.showHelp(1);
        QTest::keyClicks(help.searchField(), QStringLiteral("grease"));
        QTest::keyClick(help.searchField(), Qt::Key_Return);
        QCOMPARE(help.browser()->source().fileName(), QStringLiteral("grease.html"));
    }

    void anUntitledQuestionIsTitledSplotcheryAndLeavesTheWallInSight()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect booth(screen.left() + 100, screen.top() + 100, 540, 350);
        const QRect wall(booth.left() + 130, booth.top() + 40, 280, 280);
        QtQuestions questions;
        questions.setKeepClear([&] { return QList<QRect>{booth, wall}; });
        QString title;
        QRect shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            shown = box->frameGeometry();
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(questions.askYesNo("What do you think about a draw?", ""));
        QCOMPARE(title, QStringLiteral("Splotchery"));
        QVERIFY(!shown.intersects(booth) && screen.contains(shown));
    }

    // Beside the booth when there is room; else beside the wall; always on screen.
    void placement()
    {
        const QRect screen(0, 0, 1280, 800);
        const QSize box(300, 120);
        const QRect booth(100, 100, 540, 350), wall(230, 140, 280, 280);
        QCOMPARE(QtQuestions::placeBeside(box, {booth, wall}, screen), QPoint(640, 214));
        const QRect wideBooth(0, 0, 1280, 700), wideWall(500, 100, 280, 280);
        QCOMPARE(QtQuestions::placeBeside(box, {wideBooth, wideWall}, screen), QPoint(780, 179));
        const QRect whole(0, 0, 1280, 800);
        const QPoint at = QtQuestions::placeBeside(box, {whole}, screen);
        QVERIFY(screen.contains(QRect(at, box)));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
