// The wall's drawing as a record, with the geometry of an 8 x 8 wall: the splots
// and splatters (column, row) and the winning lines since the last grid. Unlike the real wall, a splot here
// makes no sound. With a journal, every call is written to it too ("grid", "cursor 2", "splot 3 4", "splatter
// 3 4", "line 17").
#pragma once

#include "platform/WallDrawing.h"
#include "tests/doubles/Journal.h"
#include "tests/doubles/RecordingCanvas.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace splot::doubles {

class RecordingWall final : public WallDrawing, public Journaled {
  public:
    void Zeichne_Raster() override
    {
        paper.cls(), splots.clear(), splatters.clear(), lines.clear();
        note("grid");
    }
    void Zeichne_Cursor(int colour) override { note("cursor", colour); }
    void Zeichne_Klecks(int c, int r) override { splots.emplace_back(c, r), note("splot", c, r); }
    void Zeichne_Spritzer(int c, int r) override { splatters.emplace_back(c, r), note("splatter", c, r); }
    void Zeichne_Siegeslinie(int line) override { lines.push_back(line), note("line", line); }
    int cellSize() const override { return 538; } // 4300 units across
    int cellInset() const override { return 43; }
    int innerSize() const override { return 457; }
    Canvas& canvas() override { return paper; }
    int splotsAt(int c, int r) const { return int(std::ranges::count(splots, std::pair(c, r))); }

    struct Saved final : Canvas::Saved {
        std::unique_ptr<Canvas::Saved> paper;
        std::vector<std::pair<int, int>> splots, splatters;
        std::vector<int> lines;
    };
    std::unique_ptr<Canvas::Saved> savePicture() const override
    {
        auto saved = std::make_unique<Saved>();
        saved->paper = paper.save(), saved->splots = splots;
        saved->splatters = splatters, saved->lines = lines;
        return saved;
    }
    void restorePicture(const Canvas::Saved& saved) override
    {
        const auto& s = dynamic_cast<const Saved&>(saved);
        paper.restore(*s.paper), splots = s.splots, splatters = s.splatters, lines = s.lines;
    }

    std::vector<std::pair<int, int>> splots, splatters;
    std::vector<int> lines;
    RecordingCanvas paper;
};

} // namespace splot::doubles
