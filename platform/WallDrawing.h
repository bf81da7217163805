// The wall's drawing procedures and screen geometry as the flow calls them (an interface).
#pragma once

#include "platform/Canvas.h"

namespace splot {

// The drawing procedures of the wall, with its screen geometry. The game flow
// calls them; the presentation draws them into the wall's backing image.
class WallDrawing {
  public:
    virtual ~WallDrawing() = default;

    // Clears the wall, recomputes the geometry, draws the grid and the cursor.
    virtual void Zeichne_Raster() = 0;
    // The dotted cursor square at (cursorX, cursorY): colour 2 draws, 15 erases.
    virtual void Zeichne_Cursor(int colour) = 0;
    // A splot in the colour of the cell's code; plays "splot1.wav" when sound is on.
    virtual void Zeichne_Klecks(int column, int row) = 0;
    // The splatter of a blocked nozzle, drop by drop with doEvents() between.
    virtual void Zeichne_Spritzer(int column, int row) = 0;
    // The green winning line through line number `line` of the board.
    virtual void Zeichne_Siegeslinie(int line) = 0;

    // Geometry, in the wall's units, as computed by the last Zeichne_Raster.
    virtual int cellSize() const = 0;
    virtual int cellInset() const = 0;
    virtual int innerSize() const = 0;

    // The wall's own surface, for the grease spots and the blocked-nozzle box.
    virtual Canvas& canvas() = 0;

    // The wall's picture with its geometry, kept to be put back whole (a move
    // that is taken back), and putting such a picture back.
    virtual std::unique_ptr<Canvas::Saved> savePicture() const = 0;
    virtual void restorePicture(const Canvas::Saved& saved) = 0;
};

} // namespace splot
