// The wall's drawing as a record, with the geometry of an 8 x 8 wall: the splots
// and splatters (column, row) and the winning lines since the last grid, and a
// count of every call. Unlike the real wall, a splot here makes no sound.
#pragma once

#include "tests/doubles/RecordingCanvas.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace splot::doubles {

class RecordingWall final : public WallDrawing {
public:
    void Zeichne_Raster() override { ++drawn, paper.cls(), splots.clear(), splatters.clear(), lines.clear(); }
    void Zeichne_Cursor(int) override { ++drawn; }
    void Zeichne_Klecks(int c, int r) override { ++drawn, splots.emplace_back(c, r); }
    void Zeichne_Spritzer(int c, int r) override { ++drawn, splatters.emplace_back(c, r); }
    void Zeichne_Siegeslinie(int line) override { ++drawn, lines.push_back(line); }
    int cellSize() const override { return 538; }  // 4300 units across
    int cellInset() const override { return 43; }
    int innerSize() const override { return 457; }
    Canvas& canvas() override { return paper; }
    int splotsAt(int c, int r) const { return int(std::ranges::count(splots, std::pair(c, r))); }

    std::vector<std::pair<int, int>> splots, splatters;
    std::vector<int> lines;
    int drawn = 0;
    RecordingCanvas paper;
};

} // namespace splot::doubles
