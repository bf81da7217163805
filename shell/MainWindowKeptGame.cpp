// The main window's part in keeping a game: the menu items "Continue last
// game" and "Replay", the kept game read (and told on the label) at start-up
// and written at close.
#include "shell/MainWindow.h"

#include "flow/Game.h"
#include "shell/KeptGameStore.h"
#include "shell/SettingsStore.h"
#include "shell/WindowScene.h"

#include <QAction>
#include <QMenu>

namespace splot {

void MainWindow::buildKeptGameItems()
{
    keptStore_ = std::make_unique<KeptGameStore>(store_.file());
    continueAction_ = gameMenu_->addAction(tr("&Continue last game"));
    continueAction_->setObjectName(QStringLiteral("fortsetzen"));
    continueAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    continueAction_->setEnabled(false);
    replayAction_ = gameMenu_->addAction(tr("Re&play"));
    replayAction_->setObjectName(QStringLiteral("wiederholung"));
    replayAction_->setEnabled(false);
    connect(continueAction_, &QAction::triggered, this, [this] { fortsetzen_Click(); });
    connect(replayAction_, &QAction::triggered, this, [this] { wiederholung_Click(); });
}

void MainWindow::loadKeptGame()
{
    const KeptSection section = keptStore_->load();
    kept_ = section.game;
    continueAction_->setEnabled(kept_.has_value());
    // Start and a changed option ask before they give the kept game up.
    if (game_)
        game_->setKeptGameWaiting(kept_.has_value());
    // No game runs yet: the label says that one waits, or that the one kept
    // could not be read (the section stays as it is).
    const Phrase note = keptGameNote(section);
    if (!note.empty() && !(game_ && game_->state().gameRunning))
        scene_->setComment(note);
}

void MainWindow::fortsetzen_Click()
{
    if (game_ && kept_)
        game_->continueGame(*kept_);
}

void MainWindow::wiederholung_Click()
{
    if (game_)
        game_->replay();
}

void MainWindow::keptGameGone()
{
    // A new game, a decided one, or the kept one continued: what the file
    // holds is given up, and the file follows at close.
    kept_.reset();
    keptGameGone_ = true;
    continueAction_->setEnabled(false);
}

void MainWindow::keepGameAtClose()
{
    // A game that runs is kept; one that gave way is cleared; a section this
    // run never used (none, or one that did not play through) stays as it is.
    const std::optional<KeptGame> running = game_ ? game_->keptGame() : std::nullopt;
    if (running)
        keptStore_->save(*running);
    else if (keptGameGone_)
        keptStore_->clear();
}

} // namespace splot
