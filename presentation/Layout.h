// The arrangement of the main window: where the booth, the comment label, the
// title and side pictures and the button column go for a given window size.
// Pure arithmetic in twips, no widgets.
//
// The window lays out in logical pixels at 15 twips to a pixel. On a high-DPI
// or large-font screen Qt scales logical pixels to device pixels by itself, so
// the booth picture is always 543 logical pixels (8145 twips) wide and the
// booth's inner layout never needs to be rescaled (no grosse_Schrift step).
#pragma once

#include "platform/Types.h"

namespace splot {

// The sizes the layout relies on, in twips (design values by default).
struct LayoutSizes {
    int boothWidth = 8145, boothHeight = 5175;   // bude, 543 x 345 pixels
    int titleWidth = 6990, titleHeight = 840;    // Image2(0), 466 x 56
    int sideWidth = 1200, sideHeight = 3240;     // Image2(1), 80 x 216
    int buttonWidth = 540;                       // PicBut(i), 36 x 36
    int labelHeight = 255;                       // Kommentar
};

// Where everything goes, in twips of the window's client area.
struct LayoutPlacement {
    TwipRect booth;
    TwipRect label;
    TwipRect title;
    TwipRect side;
    bool sideVisible = false;
    int buttonsLeft = 0;   // the left edge shared by all six picture-button faces
};

// A \ 2: A rounded to an integer (halves to even), then halved towards zero.
int halve(double a);

// The arrangement for outer window width W and client area SW x SH (twips).
LayoutPlacement positionieren(int outerWidth, int clientWidth, int clientHeight,
                              const LayoutSizes& sizes = {});

// The narrowest outer width the window may have: booth + button + 800 twips.
int minimumOuterWidth(const LayoutSizes& sizes = {});

// Twips to logical pixels (15 to a pixel), rounded halves to even.
int twipsToPixels(double twips);

} // namespace splot
