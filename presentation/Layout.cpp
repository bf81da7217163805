// The main window's arrangement for a window size: pure arithmetic in twips.
#include "presentation/Layout.h"

#include <algorithm>
#include <cmath>

namespace splot {

int halve(double a)
{
    const long whole = std::lrint(a);   // halves to even
    return static_cast<int>(whole / 2); // C++ division truncates towards zero
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lrint(twips / kTwipsPerPixel));
}

LayoutPlacement positionieren(int outerWidth, int clientWidth, int clientHeight, const LayoutSizes& s)
{
    const int W = outerWidth;
    const int SW = clientWidth;
    const int SH = clientHeight;
    LayoutPlacement p;

    // The booth: centred across the window; the block of title and booth
    // centred in the client area's height, then raised by the label's height.
    p.booth.width = s.boothWidth;
    p.booth.height = s.boothHeight;
    p.booth.left = halve(W - s.boothWidth - 100);
    p.booth.top = halve(SH - s.boothHeight + s.titleHeight) - s.labelHeight;

    // The comment label along the bottom.
    p.label.left = 30;
    p.label.width = SW - 60;
    p.label.height = s.labelHeight;
    p.label.top = SH - s.labelHeight - 30;

    // The title over the booth, centred in the band above it (may be negative).
    p.title.width = s.titleWidth;
    p.title.height = s.titleHeight;
    p.title.left = halve(p.booth.left + p.booth.width - s.titleWidth) + halve(p.booth.left);
    p.title.top = halve(p.booth.top - s.titleHeight);

    // The side picture, only when the margin left of the booth is wide enough.
    p.side.width = s.sideWidth;
    p.side.height = s.sideHeight;
    p.sideVisible = p.booth.left > s.sideWidth;
    if (p.sideVisible) {
        p.side.left = halve(p.booth.left - s.sideWidth);
        p.side.top = halve(p.booth.top + p.booth.height - s.sideHeight) + 300;
    }

    // The button column right of the booth.
    p.buttonsLeft = p.booth.width + halve(W - p.booth.left - p.booth.width - 800) + p.booth.left + 98;
    return p;
}

double zoomFor(int clientWidth, int clientHeight)
{
    const double z = std::min(static_cast<double>(clientWidth) / kDesignClientWidth,
                              static_cast<double>(clientHeight) / kDesignClientHeight);
    return std::max(1.0, z);
}

LayoutPlacement positionierenZoomed(int outerWidth, int clientWidth, int clientHeight, double zoom,
                                    const LayoutSizes& s)
{
    if (zoom == 1.0)
        return positionieren(outerWidth, clientWidth, clientHeight, s);
    const int SW = static_cast<int>(std::lrint(clientWidth / zoom));
    const int SH = static_cast<int>(std::lrint(clientHeight / zoom));
    LayoutPlacement p = positionieren(outerWidth - clientWidth + SW, SW, SH, s);
    p.label = positionieren(outerWidth, clientWidth, clientHeight, s).label;
    return p;
}

int minimumOuterWidth(const LayoutSizes& s)
{
    return s.boothWidth + s.buttonWidth + 800;
}

} // namespace splot
