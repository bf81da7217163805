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
    int boothWidth = 8145, boothHeight = 5175; // bude, 543 x 345 pixels
    int titleWidth = 6990, titleHeight = 840;  // Image2(0), 466 x 56
    int sideWidth = 1200, sideHeight = 3240;   // Image2(1), 80 x 216
    int buttonWidth = 540;                     // PicBut(i), 36 x 36
    int labelHeight = 255;                     // Kommentar
};

// Where everything goes, in twips of the window's client area.
struct LayoutPlacement {
    TwipRect booth;
    TwipRect label;
    TwipRect title;
    TwipRect side;
    bool sideVisible = false;
    int buttonsLeft = 0; // the left edge shared by all six picture-button faces
};

// A \ 2: A rounded to an integer (halves to even), then halved towards zero.
int halve(double a);

// The arrangement for outer window width W and client area SW x SH (twips).
LayoutPlacement positionieren(int outerWidth, int clientWidth, int clientHeight,
                              const LayoutSizes& sizes = {});

// The design client area, twips (626 x 423 pixels).
inline constexpr int kDesignClientWidth = 9390;
inline constexpr int kDesignClientHeight = 6345;

// Zoom with the window: the factor the scene's units are enlarged by for a
// client area of SW x SH twips. 1 at the design size and below it; above it
// the largest factor at which the design client area, enlarged, still fits.
double zoomFor(int clientWidth, int clientHeight);

// The smallest factor the scene is ever drawn at.
inline constexpr double kSmallestZoom = 0.25;

// How much of the design the screen holds: 1 when a window of the design size
// fits the screen's available area (outer width, client area under the menu
// bar, twips), else the largest factor at which the scene still fits there.
double screenFitFor(int outerWidth, int clientWidth, int clientHeight);

// The factor the scene is drawn at. On a screen that holds the design
// (screenFit 1) as zoomFor with the choice on and 1 with it off. On a smaller
// screen the scene is drawn at screenFit with the choice off, and with it on
// shrinks and grows with the client area (never below kSmallestZoom). Made
// smaller, the scene fits the client area above the label, which keeps its size.
double sceneZoom(bool zoomWithWindow, double screenFit, int clientWidth, int clientHeight);

// The arrangement at zoom z: the layout runs on the client area measured in
// units z times larger than twips (the frame's width, W - SW, is kept as it
// is in units), so it centres in the whole window as at the design size.
// Everything is in those units except the label, which keeps its normal size
// and is placed in twips of the window. At z = 1 the same as positionieren.
LayoutPlacement positionierenZoomed(int outerWidth, int clientWidth, int clientHeight, double zoom,
                                    const LayoutSizes& sizes = {});

// The narrowest outer width the window may have: booth + button + 800 twips.
int minimumOuterWidth(const LayoutSizes& sizes = {});

// Twips to logical pixels (15 to a pixel), rounded halves to even.
int twipsToPixels(double twips);

} // namespace splot
