// The game kept between runs, as the main window looks after it: read at
// start-up (the label says that one waits, or that it could not be read),
// offered by "Continue last game" until it gives way, and written at close.
#pragma once

#include "flow/KeptGame.h"
#include "shell/KeptGameStore.h"

#include <optional>

class QAction;

namespace splot {

class Game;
class Scene;

class KeptGameKeeper {
  public:
    KeptGameKeeper(ProfileFile& file, QAction& continueAction);

    // At start-up, before any game: the kept game read and offered.
    void load(Game* game, Scene& scene);
    const std::optional<KeptGame>& kept() const { return kept_; }
    // A new game, a decided one, or the kept one continued: what the file
    // holds is given up, and the file follows at close.
    void gone();
    // A game that runs is kept; one that gave way is cleared; a section this
    // run never used (none, or one that did not play through) stays as it is.
    void keepAtClose(const Game* game);

  private:
    KeptGameStore store_;
    QAction& continueAction_;
    std::optional<KeptGame> kept_; // a kept game that plays through, until given up
    bool gone_ = false;            // the kept game gave way to one of this run
};

} // namespace splot
