// The settings dialog, the story, the about box, the help window and the question boxes.
#include "platform/IniFile.h"
#include "platform/qt/QtQuestions.h"
#include "shell/AboutBox.h"
#include "shell/HelpWindow.h"
#include "shell/Language.h"
#include "shell/OptionsDialog.h"
#include "shell/SettingsStore.h"
#include "shell/Story.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;

const QPoint kPlus{2, 2}; // upper-left triangle of the 20 x 20 plus/minus picture

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
    void click(QPoint at) { press(at), release(at); }

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
    // A step at the press, then one per 200 ms tick while held; a press on the diagonal steps down,
    // just above it up; the repeat stops at the release.
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
        QVERIFY(!rig.d.repeatTimer()->isActive() && rig.d.settingsChanged());
        QCOMPARE(rig.d.sizeDisplay()->text(), QStringLiteral(" 14 x 14"));
        QCOMPARE(rig.settings.wallSize, 14);
        rig.click({10, 10}); // 150 + 150 twips: a press on the diagonal steps down
        QCOMPARE(rig.settings.wallSize, 13);
        rig.click({9, 10}); // 135 + 150 twips: just above it, up
        QCOMPARE(rig.settings.wallSize, 14);
        QTest::keyClick(rig.d.plusMinus(), Qt::Key_Minus);
        QTest::keyClick(rig.d.plusMinus(), Qt::Key_Left);
        QCOMPARE(rig.settings.wallSize, 12);
    }

    // The sound takes effect at once and marks no change. A typed name marks one;
    // Escape stores the choices as OK does; the dialog opens again showing them, unmarked. The
    // computer option greys Red's name. A long name shows its beginning.
    void choicesAreStoredAndShownAgain()
    {
        DialogRig rig;
        QVERIFY(!rig.runOptions([&] { rig.d.soundBox()->click(); }));
        QVERIFY(rig.settings.soundOn == 0 && rig.saved.value(0).soundOn == 0);
        QVERIFY(rig.runOptions([&] {
            rig.click(kPlus);
            rig.d.blueNameBox()->selectAll();
            QTest::keyClicks(rig.d.blueNameBox(), QStringLiteral("Mia"));
            QVERIFY(!rig.d.redNameBox()->isEnabled());
            rig.d.humanOption()->click();
            QVERIFY(rig.d.redNameBox()->isEnabled() && rig.settings.computerPlaysRed == kFalse);
            rig.d.redNameBox()->setText(QStringLiteral("Ann"));
            QTest::keyClick(&rig.d, Qt::Key_Escape);
            QVERIFY(!rig.d.isVisible());
        }));
        QVERIFY(rig.saved.value(1).wallSize == 9 && rig.saved.value(1).blueName == "Mia");
        bool changedAtOpening = true;
        QVERIFY(!rig.runOptions([&] {
            changedAtOpening = rig.d.settingsChanged();
            QCOMPARE(rig.d.sizeDisplay()->text(), QStringLiteral(" 9 x 9"));
            QVERIFY(rig.d.humanOption()->isChecked());
            QCOMPARE(rig.d.redNameBox()->text(), QStringLiteral("Ann"));
        }));
        QVERIFY(!changedAtOpening);
        rig.settings.redName = rig.settings.blueName = "ABCDEFGHIJKLMNOPQRSTUVWX"; // shown from the left
        rig.d.loadChoices();
        QVERIFY(rig.d.redNameBox()->cursorPosition() == 0 && rig.d.blueNameBox()->cursorPosition() == 0);
    }

    void theStoryShowsItsParagraphsApart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("splot.ini"));
        SettingsStore store(std::make_unique<IniFile>(path.toStdString()));
        QPlainTextEdit text1;
        showStory(text1, store); // its mark in the settings file is checked at the window's first start
        // Each of the seven paragraphs after an empty line, the empty lines after the last one dropped.
        const QStringList lines = text1.toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 14);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(lines[i].isEmpty() == (i % 2 == 0));
    }

    void theAboutBoxSetsTheTitleAndClosesItself()
    {
        QWidget mainWindow;
        AboutBox box(&mainWindow, 0);
        // The program's name, two blanks and its version.
        QVERIFY(QRegularExpression("^Splotchery  \\d+\\.\\d+$").match(mainWindow.windowTitle()).hasMatch());
        box.show();
        QTRY_VERIFY(!box.isVisible()); // closed by its own timer
    }

    // The help window fits a small screen (640 x 400 is 1280 x 800 at 2x), closes with Escape and
    // opens again where it was closed. (Its search is checked in every language by test_l10n.)
    void helpFitsItsScreenAndKeepsItsPlace()
    {
        QCOMPARE(HelpWindow::fitted({-80, -80, 1440, 1040}, {0, 20, 640, 400}), QRect(0, 20, 640, 400));
        QTemporaryDir folder;
        IniFile file(folder.filePath("splot.ini").toStdString());
        HelpWindow help(nullptr, &file), again(nullptr, &file);
        help.showHelp(0);
        QVERIFY(help.screen()->availableGeometry().contains(help.frameGeometry()));
        help.setGeometry(30, 40, 600, 400);
        QTest::keyClick(help.browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        again.showHelp(0);
        QCOMPARE(again.geometry(), help.geometry());
    }

    // An untitled question is titled Splotchery, with Qt's English buttons again after German, and
    // stands beside the booth when there is room, else beside the wall; always on screen.
    void questionsAreTitledAndLeaveTheWallInSight()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect booth(screen.left() + 100, screen.top() + 100, 540, 350);
        QtQuestions questions;
        questions.setKeepClear([&] { return QList<QRect>{booth, booth.adjusted(130, 40, -130, -30)}; });
        QString title;
        QRect shown;
        useLanguage(QStringLiteral("de"));
        useLanguage(QStringLiteral("en"));
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle() + " " + box->button(QMessageBox::Yes)->text() + " " +
                    box->button(QMessageBox::No)->text();
            shown = box->frameGeometry();
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(questions.askYesNo("What do you think about a draw?", ""));
        QCOMPARE(title, QStringLiteral("Splotchery &Yes &No"));
        QVERIFY(!shown.intersects(booth) && screen.contains(shown));

        const QRect desk(0, 0, 1280, 800);
        const QSize box(300, 120);
        QCOMPARE(QtQuestions::placeBeside(box, {QRect(100, 100, 540, 350), QRect(230, 140, 280, 280)}, desk),
                 QPoint(640, 214));
        QCOMPARE(QtQuestions::placeBeside(box, {QRect(0, 0, 1280, 700), QRect(500, 100, 280, 280)}, desk),
                 QPoint(780, 179));
        QVERIFY(desk.contains(QRect(QtQuestions::placeBeside(box, {desk}, desk), box)));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
