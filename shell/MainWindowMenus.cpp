// The main window's menu bar: the items with their captions and shortcuts,
// and the commands they give, each named after its item.
#include "shell/MainWindow.h"

#include "shell/KeptGameKeeper.h"

#include "shell/HelpWindow.h"
#include "shell/MenuKeys.h"
#include "shell/OptionsDialog.h"
#include "shell/RecordKeeper.h"
#include "shell/SettingsStore.h"

#include "flow/Game.h"
#include "platform/Questions.h"
#include "presentation/BoothView.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace splot {

void MainWindow::buildMenus()
{
    auto add = [](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (!keys.isEmpty())
            action->setShortcut(keys);
        return action;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    menuBar()->setAccessibleName(tr("Menu bar"));
    gameMenu_ = menuBar()->addMenu(tr("&Game"));
    gameMenu_->setObjectName(QStringLiteral("spiel"));
    gameMenu_->setAccessibleName(tr("Game"));
    startAction_ = add(gameMenu_, "start", tr("&Start"), QKeySequence(Qt::CTRL | Qt::Key_S));
    endAction_ = add(gameMenu_, "ende", tr("&End"), QKeySequence(Qt::CTRL | Qt::Key_E));
    tipAction_ = add(gameMenu_, "tip", tr("Hin&t"), QKeySequence(Qt::CTRL | Qt::Key_T));
    // Offered only once a human has moved, and never while a move runs.
    takeBackAction_ = add(gameMenu_, "zurueck", tr("Take &back"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    takeBackAction_->setEnabled(false);
    // The kept game: continued after a restart, or the running or last game replayed.
    continueAction_ =
        add(gameMenu_, "fortsetzen", tr("&Continue last game"), QKeySequence(Qt::CTRL | Qt::Key_R));
    continueAction_->setEnabled(false);
    replayAction_ = add(gameMenu_, "wiederholung", tr("Re&play"));
    replayAction_->setEnabled(false);
    keeper_ = std::make_unique<KeptGameKeeper>(store_.file(), *continueAction_);
    separator(gameMenu_, "sep0");
    optionsAction_ = add(gameMenu_, "opt", tr("&Options..."));
    zoomAction_ = add(gameMenu_, "zoom", tr("&Zoom with window"));
    zoomAction_->setCheckable(true);
    recordAction_ = add(gameMenu_, "statistik", tr("Recor&d..."));
    separator(gameMenu_, "sep2");
    storyAction_ = add(gameMenu_, "story_zeigen", tr("Sto&ry..."));

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    helpMenu_->setObjectName(QStringLiteral("hilf"));
    helpMenu_->setAccessibleName(tr("Help"));
    helpActions_[0] = add(helpMenu_, "hilfe0", tr("&Help"), QKeySequence(Qt::Key_F1));
    helpActions_[1] = add(helpMenu_, "hilfe1", tr("&Search"), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    helpActions_[2] = add(helpMenu_, "hilfe2", tr("Help &on Help"));
    separator(helpMenu_, "sep1");
    aboutAction_ = add(helpMenu_, "about", tr("&About.."));

    connect(startAction_, &QAction::triggered, this, [this] { start_Click(); });
    connect(endAction_, &QAction::triggered, this, [this] { ende_Click(); });
    connect(tipAction_, &QAction::triggered, this, [this] { tip_Click(); });
    connect(takeBackAction_, &QAction::triggered, this, [this] { zurueck_Click(); });
    connect(optionsAction_, &QAction::triggered, this, [this] { opt_Click(); });
    connect(recordAction_, &QAction::triggered, this, [this] { statistik_Click(); });
    connect(continueAction_, &QAction::triggered, this, [this] { fortsetzen_Click(); });
    connect(replayAction_, &QAction::triggered, this, [this] { wiederholung_Click(); });
    connect(storyAction_, &QAction::triggered, this, [this] { story_zeigen_Click(); });
    // A matter of the view alone: it takes effect at once, also in the middle of a move.
    connect(zoomAction_, &QAction::triggered, this, [this](bool on) {
        booth_->setZoomWithWindow(on);
        store_.saveZoomWithWindow(on);
        Form_Resize(); // on a small screen the narrowest width follows the choice
    });
    for (int i = 0; i < 3; ++i)
        connect(helpActions_[i], &QAction::triggered, this, [this, i] { hilfe_Click(i); });
    connect(aboutAction_, &QAction::triggered, this, [this] { about_Click(); });
    returnKeysAfterMenus(menuBar(), [this] {
        if (booth_->wallVisible())
            booth_->focusWall();
    });
    dropStaleKeysInMenus(menuBar());
}

void MainWindow::start_Click()
{
    if (game_)
        game_->Start_click();
}

void MainWindow::ende_Click()
{
    if (game_ && !closed_ && game_->Ende_click())
        close();
}

void MainWindow::tip_Click()
{
    if (game_)
        game_->Tip_click();
}

void MainWindow::zurueck_Click()
{
    // Not held for later: during a move it is dropped, like the wall's input.
    if (game_)
        game_->Zug_Zuruecknehmen();
}

void MainWindow::statistik_Click()
{
    if (!game_)
        return;
    game_->command("statistik_Click", [this] {
        records_->showDialog(this, [this] {
            return questions_ && questions_->askYesNo("Really reset the record?", "Record");
        });
    });
}

void MainWindow::opt_Click()
{
    if (!game_ || !options_)
        return;
    game_->command("opt_Click", [this] {
        // A changed setting starts a new game; one with a splot on the wall is
        // given up only when the player says so.
        game_->beginSettingsChange();
        const bool changed = options_->execAndReportChanged();
        if (!closed_)
            game_->endSettingsChange(changed);
    });
}

void MainWindow::fortsetzen_Click()
{
    if (game_ && keeper_->kept())
        game_->continueGame(*keeper_->kept());
}

void MainWindow::wiederholung_Click()
{
    if (game_)
        game_->replay();
}

void MainWindow::story_zeigen_Click()
{
    if (!game_)
        return;
    game_->command("story_zeigen_Click", [this] { Story(); });
}

void MainWindow::hilfe_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    if (!help_)
        help_ = new HelpWindow(this, &store_.file());
    help_->showHelp(index);
}

void MainWindow::about_Click()
{
    if (!game_)
        return;
    game_->command("about_Click", [this] { showAboutBox(); });
}

void MainWindow::PicBut_Command(int index)
{
    switch (index) {
    case 0:
        start_Click();
        break;
    case 2:
        ende_Click();
        break;
    case 4:
        if (game_ && game_->state().gameRunning)
            tip_Click();
        break;
    default:
        break;
    }
}

} // namespace splot
