// The player's choices and the main window's placement, held for the whole run.
// The settings store (shell) fills them from the settings file; every other
// part reads the choices from here, never from the file.
#pragma once

#include "platform/Types.h"

#include <string>

namespace splot {

struct GameSettings {
    i16 wallSize = 8;               // "Feld": 6..15 cells per side
    i16 computerPlaysRed = kTrue;   // "Computer": True -1, False 0
    i16 greaseSpots = kFalse;       // "Fettflecken": nonzero is on
    i16 blockedNozzle = kFalse;     // "Düse_verstopft": nonzero is on
    i16 soundOn = 1;                // "Sound": on only when exactly 1
    i16 hintsOn = 0;                // "Tips": offered only when exactly 1
    i16 level = 1;                  // "Spielstärke": 0 very easy .. 3 expert, 4 master
    std::string redName = "Tulla";  // "Rot"
    std::string blueName = "Pelko"; // "Blau"
    i16 showStory = kTrue;          // "Text": nonzero shows the story at start-up
};

struct WindowPlacement {
    int windowState = 2; // "Status": 0 normal, 1 minimized, 2 maximized
    int windowLeft = 0;  // twips, outer frame
    int windowTop = 0;
    int windowWidth = 9600;
    int windowHeight = 6900;
};

} // namespace splot
