// The drawing surface the wall's procedures draw on (an interface).
#pragma once

#include "platform/Types.h"

#include <memory>

namespace splot {

// A persistent drawing surface with a pen and brush state that lasts between
// calls, in the surface's own units (the wall uses twips: 4300 across).
class Canvas {
  public:
    enum FillStyle { Solid = 0, Transparent = 1 };
    enum DrawStyle { SolidPen = 0, DottedPen = 2 };

    virtual ~Canvas() = default;

    virtual void setForeColor(int qbIndex) = 0; // pen, and outline of circles
    virtual void setFillColor(int qbIndex) = 0; // inside of circles
    virtual void setFillStyle(int style) = 0;   // FillStyle
    virtual void setDrawWidth(int pixels) = 0;  // pen width in device-independent pixels
    virtual void setDrawStyle(int style) = 0;   // DrawStyle

    virtual double scaleWidth() const = 0; // the interior width
    virtual void cls() = 0;                // clear to the background (white)
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Rectangle from (x1, y1) to (x2, y2): the outline in the pen; filled=true
    // fills it with the fore colour as well (a "BF" box).
    virtual void box(double x1, double y1, double x2, double y2, bool filled) = 0;
    // Circle: outline in the fore colour, inside in the fill colour when the fill style is solid.
    virtual void circle(double cx, double cy, double radius) = 0;

    // The picture as it stands (everything drawn since the last cls(), with the
    // pen and brush), kept to be put back whole: a move that is taken back.
    class Saved {
      public:
        virtual ~Saved() = default;
    };
    virtual std::unique_ptr<Saved> save() const = 0;
    // Puts back a picture saved from this canvas.
    virtual void restore(const Saved& saved) = 0;
};

} // namespace splot
