// The kept game read at start-up, offered until it gives way, written at close.
#include "shell/KeptGameKeeper.h"

#include "flow/Game.h"
#include "platform/Scene.h"

#include <QAction>

namespace splot {

KeptGameKeeper::KeptGameKeeper(ProfileFile& file, QAction& continueAction)
    : store_(file), continueAction_(continueAction)
{
}

void KeptGameKeeper::load(Game* game, Scene& scene)
{
    const KeptSection section = store_.load();
    kept_ = section.game;
    continueAction_.setEnabled(kept_.has_value());
    // Start and a changed option ask before they give the kept game up.
    if (game)
        game->setKeptGameWaiting(kept_.has_value());
    // No game runs yet: the label says that one waits, or that the one kept
    // could not be read (the section stays as it is).
    const Phrase note = keptGameNote(section);
    if (!note.empty() && !(game && game->state().gameRunning))
        scene.setComment(note);
}

void KeptGameKeeper::gone()
{
    kept_.reset();
    gone_ = true;
    continueAction_.setEnabled(false);
}

void KeptGameKeeper::keepAtClose(const Game* game)
{
    const std::optional<KeptGame> running = game ? game->keptGame() : std::nullopt;
    if (running)
        store_.save(*running);
    else if (gone_)
        store_.clear();
}

} // namespace splot
