// The wall's drawing as a record, with the geometry of an 8 x 8 wall: the splots
// and splatters (column, row) and the winning lines since the last grid, and a
// count of every call. Unlike the real wall, a splot here makes no sound.
// With a journal, every call is written to it too ("grid", "cursor 2",
// "splot 3 4", "splatter 3 4", "line 17").
#pragma once

#include "tests/doubles/RecordingCanvas.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace splot::doubles {

class RecordingWall final : public WallDrawing {
public:
    void Zeichne_Raster() override { ++drawn, paper.cls(), splots.clear(), splatters.clear(), lines.clear(), note("grid"); }
    void Zeichne_Cursor(int colour) override { ++drawn, note("cursor " + std::to_string(colour)); }
    void Zeichne_Klecks(int c, int r) override { ++drawn, splots.emplace_back(c, r), note(at("splot", c, r)); }
    void Zeichne_Spritzer(int c, int r) override { ++drawn, splatters.emplace_back(c, r), note(at("splatter", c, r)); }
    void Zeichne_Siegeslinie(int line) override { ++drawn, lines.push_back(line), note("line " + std::to_string(line)); }
    int cellSize() const override { return 538; }  // 4300 units across
    int cellInset() const override { return 43; }
    int innerSize() const override { return 457; }
    Canvas& canvas() override { return paper; }
    int splotsAt(int c, int r) const { return int(std::ranges::count(splots, std::pair(c, r))); }

    std::vector<std::pair<int, int>> splots, splatters;
    std::vector<int> lines;
    int drawn = 0;
    RecordingCanvas paper;
    std::vector<std::string>* journal = nullptr;

private:
    static std::string at(const char* what, int c, int r)
    {
        return std::string(what) + " " + std::to_string(c) + " " + std::to_string(r);
    }
    void note(const std::string& entry)
    {
        if (journal)
            journal->push_back(entry);
    }
};

} // namespace splot::doubles
