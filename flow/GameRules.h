// The choices that shape a game (the wall size, who plays Red, the level,
// grease spots, the blocked nozzle) while a game goes on with the rules it
// began with: the player's newer choices wait for the next start. Sound,
// hints and names act at once and are not among them.
#pragma once

#include "engine/GameSettings.h"

#include <optional>

namespace splot {

struct KeptGame;

class GameRules {
  public:
    explicit GameRules(GameSettings& settings) : settings_(settings) {}

    // The options dialog opens: it shows the choices that wait, if any.
    void beginChange();
    // The running game keeps its rules; the choices made in the dialog wait.
    void keepGame();
    // The dialog closed without a change: choices that waited go on waiting.
    void unchanged();
    // A new game starts: the choices that waited take effect.
    void takeWaiting();
    // A changed option starts a new game with the dialog's choices as they are.
    void dropWaiting() { waiting_.reset(); }
    // A continued game runs by its own rules; the player's choices wait.
    void runBy(const KeptGame& game);

  private:
    struct Rules {
        i16 wallSize, computerPlaysRed, level, greaseSpots, blockedNozzle;
    };
    Rules current() const;
    void set(const Rules& r);

    GameSettings& settings_;
    Rules atOpening_{};
    std::optional<Rules> waiting_; // the player's choices for the next start
};

} // namespace splot
