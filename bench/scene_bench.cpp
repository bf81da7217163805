// Speed of the zoomed scene: a full 15 x 15 wall (splots, grease spots, the
// cursor moved about, a winning line) drawn again from its operations at a new
// zoom, and the whole booth scene laid out and painted at a new window size
// with every picture rendered afresh. A resize or maximize should take well
// under 50 ms of this.
#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "platform/StdRandom.h"
#include "presentation/BoothView.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/RecordingSound.h"

#include <QApplication>
#include <QPixmapCache>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace splot;

namespace {

// A full wall drawn on `wall`: every cell painted, some of them grease spots.
struct FullWall {
    explicit FullWall(WallView& wall)
        : random(15), painter(wall, board, state, settings, random, sound, clock)
    {
        settings.wallSize = 15;
        board.newGame(15);
        painter.Zeichne_Raster();
        for (int i = 0; i < 225; ++i) {
            const int column = i % 15 + 1, row = i / 15 + 1;
            const i16 code = i % 11 == 0 ? kGrease : i % 2 == 0 ? kRed : kBlue;
            board.reserve(board.index(column, row), code);
            if (code == kGrease) {
                wall.setForeColor(14);
                wall.setFillColor(14);
                painter.Zeichne_Spritzer(column, row);
            } else {
                painter.Zeichne_Klecks(column, row);
            }
            painter.Zeichne_Cursor(15);
            state.cursorX = static_cast<short>(column);
            state.cursorY = static_cast<short>(row);
            painter.Zeichne_Cursor(2);
        }
        painter.Zeichne_Siegeslinie(1);
    }
    Board board;
    GameState state;
    GameSettings settings;
    StdRandom random;
    doubles::RecordingSound sound;
    doubles::FakeClock clock;
    WallPainter painter;
};

// The wall alone, drawn again at zoom range(0) / 100 and pixel ratio range(1) / 100,
// turn about with the design scale.
void BM_WallRedrawn(benchmark::State& state)
{
    const double zoom = state.range(0) / 100.0;
    const double ratio = state.range(1) / 100.0;
    WallView wall;
    wall.setPixelRatioOverride(ratio);
    FullWall full(wall);
    bool zoomed = false;
    for (auto _ : state) {
        zoomed = !zoomed;
        const double z = zoomed ? zoom : 1.0;
        wall.setZoom(z);
        const int side = static_cast<int>(std::lrint(287 * z));
        wall.resize(side, side);
        benchmark::DoNotOptimize(wall.image().constBits());
    }
    state.counters["operations"] = wall.operationCount();
}

// The whole scene with zoom on: resized between the design size and range(0) x range(1),
// laid out and painted, the pictures rendered afresh each time.
void BM_SceneResized(benchmark::State& state)
{
    BoothView booth;
    booth.setZoomWithWindow(true);
    FullWall full(*booth.wall());
    booth.resize(626, 423);
    booth.show();
    QCoreApplication::processEvents();
    bool large = false;
    for (auto _ : state) {
        large = !large;
        QPixmapCache::clear();
        booth.resize(large ? QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)))
                           : QSize(626, 423));
        benchmark::DoNotOptimize(booth.grab().cacheKey());
    }
}

} // namespace

// Maximized on 1280 x 800 (zoom 1.8), 1920 x 1080 (2.4) and 2560 x 1440 at 2x (3.2 x 2).
BENCHMARK(BM_WallRedrawn)
    ->Args({180, 100})
    ->Args({240, 100})
    ->Args({320, 200})
    ->Args({150, 150})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneResized)->Args({1280, 761})->Args({1920, 1030})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // No window is shown on screen: the offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
