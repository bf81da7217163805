// A splot and a splatter drawn from scripted random numbers, drop by drop:
// each drop's place, size and colour, in order, on an 8 x 8 wall.
#include "tests/doubles/FakeClock.h"
#include "tests/doubles/RecordingCanvas.h"
#include "tests/doubles/RecordingSound.h"
#include "tests/doubles/ScriptedRandom.h"
#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/WallPainter.h"

#include <QTest>

using namespace splot;
using namespace splot::doubles;

namespace {

// Per drop: the offsets' signs (below 0.5 negative, 0.5 itself positive) and sizes, then its radius.
std::vector<float> drops(int count)
{
    std::vector<float> v;
    for (int d = 0; d < count; ++d)
        v.insert(v.end(), {d % 2 ? 0.5f : 0.2f, 0.1f + 0.15f * float(d), d % 3 ? 0.9f : 0.5f,
                           0.8f - 0.1f * float(d), 0.2f + 0.1f * float(d)});
    return v;
}

// The circles drawn, as (x, y, radius to three places, fill colour).
QList<QList<double>> circles(const RecordingCanvas& canvas)
{
    QList<QList<double>> out;
    for (const RecordingCanvas::Op& op : canvas.ops)
        if (op.kind == RecordingCanvas::Op::Circle && op.fillStyle == Canvas::Solid)
            out.append({op.x1, op.y1, std::round(op.radius * 1000) / 1000, double(op.fillColor)});
    return out;
}

// A painter on a wall of n cells, its grid drawn; the waits' doEvents go to the journal.
struct Rig {
    explicit Rig(int n) : painter(canvas, board, state, settings, random, sound, clock)
    {
        board.newGame(n);
        settings.wallSize = i16(n);
        clock.journal = &journal;
        painter.Zeichne_Raster();
        canvas.ops.clear();
    }
    Board board;
    GameState state;
    GameSettings settings;
    RecordingCanvas canvas;
    ScriptedRandom random;
    RecordingSound sound;
    FakeClock clock;
    std::vector<std::string> journal;
    WallPainter painter;
};

} // namespace

class TestWallPainter : public QObject {
    Q_OBJECT

private slots:
    // A splot: the main drop of (0.15 + 0.1 q) cells at the centre, then seven of
    // (0.02 + 0.15 t) inner squares, offset by a signed Rnd * inner / 3 rounded; then its sound.
    // A splatter: five drops of 0.05 t inner squares, the events processed after each.
    void splotAndSplatterDropByDrop()
    {
        Rig rig(8);
        rig.random.push({0.4f}); // the main drop's size
        for (float r : drops(7))
            rig.random.push({r});
        for (float r : drops(5))
            rig.random.push({r});
        rig.board.cells(rig.board.index(3, 2)) = kRed;
        rig.board.cells(rig.board.index(4, 6)) = kBlue;
        rig.painter.Zeichne_Klecks(3, 2);
        QCOMPARE(circles(rig.canvas), (QList<QList<double>>{{1345, 807, 102.22, 12}, {1330, 929, 22.85, 12},
                                                            {1383, 914, 29.705, 12}, {1284, 898, 36.56, 12},
                                                            {1429, 883, 43.415, 12}, {1238, 868, 50.27, 12},
                                                            {1474, 853, 57.125, 12}, {1193, 837, 63.98, 12}}));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot1.wav"});
        rig.canvas.ops.clear();
        rig.painter.Zeichne_Spritzer(4, 6);
        QCOMPARE(circles(rig.canvas), (QList<QList<double>>{{1868, 3081, 4.57, 9}, {1921, 3066, 6.855, 9},
                                                            {1822, 3050, 9.14, 9}, {1967, 3035, 11.425, 9},
                                                            {1776, 3020, 13.71, 9}}));
        QCOMPARE(rig.journal, std::vector<std::string>(5, "events"));
        QCOMPARE(rig.random.draws, 1L + 35 + 25);
    }

    // On a 6 x 6 wall (cells of 717 units) the line's ends fall on halves, which round to even:
    // column 2, rows 1 to 5 from (1075.5, 358.5) to (1075.5, 3226.5).
    void winningLineEndsRoundHalvesToEven()
    {
        Rig rig(6);
        rig.painter.Zeichne_Siegeslinie(3);
        const RecordingCanvas::Op& op = rig.canvas.ops.back();
        QCOMPARE((QList<double>{op.x1, op.y1, op.x2, op.y2}), (QList<double>{1076, 358, 1076, 3226}));
    }
};

QTEST_APPLESS_MAIN(TestWallPainter)
#include "test_wall_painter.moc"
