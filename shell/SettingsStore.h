// The settings store: the player's choices and the main window's placement,
// kept between runs in "splot.ini" (sections "Einstellungen", "Window" and,
// for the view, "Ansicht").
#pragma once

#include "engine/GameSettings.h"
#include "platform/ProfileFile.h"
#include "platform/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace splot {

// What Load needs to know of the screens, all in twips (15 to a logical pixel).
struct ScreenInfo {
    int width = 0; // the screen's size: the window is centred on it
    int height = 0;
    // The available area of every screen. A stored placement that leaves no
    // useful part of the window on any of them is centred on the first one.
    // Empty: no such check.
    std::vector<TwipRect> available;
};

class SettingsStore {
  public:
    static constexpr int kNameChars = 24; // a name reads back as at most this many characters

    // The store on the user's settings file, defaultFilePath().
    SettingsStore();
    // The store on any profile file (tests, or another place).
    explicit SettingsStore(std::unique_ptr<ProfileFile> file);

    // <AppConfigLocation>/splot.ini, that is $XDG_CONFIG_HOME/splotchery/splot.ini;
    // the folder is created when missing. The application name ("splotchery")
    // must be set before.
    static std::string defaultFilePath();

    // Load, once at start-up. `placement` comes in as the window's current
    // placement (centred at its design size) and goes out as the placement to
    // apply: state first, then (unless maximized) left, top, width and height.
    // `settings` is filled with every choice. Values the game cannot take are
    // mended: a wall size is clamped to 6..15, a level to 0..3, a window state
    // outside 0..2 reads as 2 (maximized), a width or height that is not a
    // sensible length reads as its default, and a window placed off every screen
    // is centred. Sound and hints read as 1 or 0 (on only for exactly 1); grease
    // spots, blocked nozzle, computer and story as kTrue or kFalse.
    void load(const ScreenInfo& screen, WindowPlacement& placement, GameSettings& settings);

    // The settings dialog's OK: writes the nine keys of "Einstellungen".
    bool saveChoices(const GameSettings& settings);
    // The story has been shown: "Text" = "0".
    bool markStoryShown();
    // The window was resized (and is not minimized): "Status" = windowState.
    bool saveWindowState(int windowState);
    // The main window closes: only "Status" when minimized or maximized, else
    // Left, Top, Width, Height and then "Status" = 0.
    bool savePlacement(const WindowPlacement& placement);

    // Zoom with window ("Zoom" of "Ansicht"): on only for exactly 1; a file
    // without it reads as off.
    bool zoomWithWindow();
    bool saveZoomWithWindow(bool on);

    // The number-to-text form of the file: " 8", " 0", "-1".
    static std::string numberText(int value);
    // The form a name is written in: as typed, but in quotes when reading would
    // otherwise change it (surrounding blanks, or already in quotes); line breaks
    // become blanks.
    static std::string nameText(const std::string& name);

    ProfileFile& file() { return *file_; }

  private:
    std::unique_ptr<ProfileFile> file_;
};

} // namespace splot
