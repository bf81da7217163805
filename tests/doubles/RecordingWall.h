// The wall's drawing as a record, with the geometry of an 8 x 8 wall: the splots
// and splatters (column, row) and the winning lines since the last grid, and a
// count of every call. A splot plays "splot1.wav" when sound is on, as the real wall does.
#pragma once

#include "RecordingCanvas.h"
#include "engine/GameSettings.h"
#include "platform/Sound.h"
#include "platform/WallDrawing.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace splot::doubles {

class RecordingWall final : public WallDrawing {
public:
    RecordingWall(const GameSettings& s, Sound& out) : settings(s), sound(out) {}

    void Zeichne_Raster() override { ++drawn, paper.cls(), splots.clear(), splatters.clear(), lines.clear(); }
    void Zeichne_Cursor(int) override { ++drawn; }
    void Zeichne_Klecks(int c, int r) override
    {
        ++drawn, splots.emplace_back(c, r);
        if (settings.soundOn == 1)
            sound.play("splot1.wav");
    }
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
    const GameSettings& settings;
    Sound& sound;
};

} // namespace splot::doubles
