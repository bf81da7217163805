// The whole program put together on the platform services it is given: the
// settings, the main window, the game and the wall's drawing procedures.
// main() builds it on the real services, the window tests on doubles.
#pragma once

#include "engine/GameSettings.h"

#include <memory>

namespace splot {

class Clock;
class Game;
class MainWindow;
class Questions;
class Random;
class SettingsStore;
class Sound;
class WallPainter;

class MainProgram {
  public:
    MainProgram(Clock& clock, Random& random, Sound& sound, Questions& questions,
                std::unique_ptr<SettingsStore> store);
    ~MainProgram();
    MainProgram(const MainProgram&) = delete;
    MainProgram& operator=(const MainProgram&) = delete;

    // The start-up sequence: about box, placement and choices, story, the window shown.
    void start();

    GameSettings& settings() { return settings_; }
    SettingsStore& store() { return *store_; }
    MainWindow& window() { return *window_; }
    Game& game() { return *game_; }
    WallPainter& painter() { return *painter_; }

  private:
    // Destroyed in reverse: the drawing and the game go before the window they draw on.
    GameSettings settings_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<WallPainter> painter_;
};

} // namespace splot
