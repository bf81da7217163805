// The wall's drawing procedures against a recording canvas: geometry, grid,
// cursor, splots, splatter and the winning line.
#include "doubles/FakeClock.h"
#include "doubles/RecordingCanvas.h"
#include "doubles/RecordingSound.h"
#include "doubles/ScriptedRandom.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/WallPainter.h"

#include <QTest>

#include <cmath>

using namespace splot;
using doubles::RecordingCanvas;
using Op = RecordingCanvas::Op;

namespace {

struct Rig {
    explicit Rig(double width = 4300, int n = 8, std::uint32_t seed = 1)
        : canvas(width), random({}, seed), painter(canvas, board, state, settings, random, sound, clock)
    {
        settings.wallSize = static_cast<i16>(n);
    }
    // A built board of the settings' size with the cursor at (cx, cy).
    void newBoard(int cx = 1, int cy = 1)
    {
        board.newGame(settings.wallSize);
        state.boardExists = true;
        state.cursorX = static_cast<i16>(cx);
        state.cursorY = static_cast<i16>(cy);
    }
    RecordingCanvas canvas;
    Board board;
    GameState state;
    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::RecordingSound sound;
    doubles::FakeClock clock;
    WallPainter painter;
};

std::vector<Op> circlesOf(const std::vector<Op>& ops)
{
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == Op::Circle)
            out.push_back(op);
    return out;
}

} // namespace

class TestWallPainter : public QObject {
    Q_OBJECT
private slots:
    void geometry_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("inner");
        QTest::addColumn<int>("inset");
        QTest::newRow("8 on 4300, 537.5 rounds to even") << 4300.0 << 8 << 538 << 457 << 43;
        QTest::newRow("8 on 4305, the wall widget") << 4305.0 << 8 << 538 << 457 << 43;
        QTest::newRow("6 on 4305, 717.5 to even") << 4305.0 << 6 << 718 << 610 << 57;
        QTest::newRow("15 on 4300") << 4300.0 << 15 << 287 << 244 << 23;
        QTest::newRow("10 on 400, 40 a cell") << 400.0 << 10 << 40 << 34 << 3;
    }
    void geometry()
    {
        QFETCH(double, width);
        QFETCH(int, n);
        Rig rig(width, n);
        rig.painter.Zeichne_Raster();
        QTEST(rig.painter.cellSize(), "cell");
        QTEST(rig.painter.innerSize(), "inner");
        QTEST(rig.painter.cellInset(), "inset");
    }

    void gridHasNLinesEachWayAndNoneAtTheFarEdge()
    {
        Rig rig(4300, 8);
        rig.state.cursorX = 3;
        rig.state.cursorY = 2;
        rig.painter.Zeichne_Raster();
        const auto& ops = rig.canvas.ops;
        QCOMPARE(ops.front().kind, Op::Cls);
        const auto picture = rig.canvas.picture();
        std::vector<double> horizontal, vertical;
        for (const Op& op : picture) {
            if (op.kind != Op::Line)
                continue;
            QCOMPARE(op.foreColor, 7);
            QCOMPARE(op.drawWidth, 1);
            QCOMPARE(op.drawStyle, int(Canvas::SolidPen));
            if (op.y1 == op.y2) {
                QCOMPARE(op.x1, 0.0);
                QCOMPARE(op.x2, 8 * 538.0);
                horizontal.push_back(op.y1);
            } else {
                QCOMPARE(op.x1, op.x2);
                QCOMPARE(op.y1, 0.0);
                QCOMPARE(op.y2, 8 * 538.0);
                vertical.push_back(op.x1);
            }
        }
        const std::vector<double> expected{0, 538, 1076, 1614, 2152, 2690, 3228, 3766};
        QCOMPARE(horizontal, expected);
        QCOMPARE(vertical, expected);

        // The grid ends with the cursor in colour 2, dotted, then the pen is solid again.
        const Op& cursor = picture.back();
        QCOMPARE(cursor.kind, Op::Box);
        QVERIFY(!cursor.filled);
        QCOMPARE(cursor.foreColor, 2);
        QCOMPARE(cursor.drawStyle, int(Canvas::DottedPen));
        QCOMPARE(cursor.fillStyle, int(Canvas::Transparent));
        QCOMPARE(cursor.x1, 43.0 + 2 * 538);
        QCOMPARE(cursor.y1, 43.0 + 538);
        QCOMPARE(cursor.x2, cursor.x1 + 457);
        QCOMPARE(cursor.y2, cursor.y1 + 457);
        QCOMPARE(rig.canvas.drawStyle, int(Canvas::SolidPen));
    }

    void cursorErasesInWhiteAndDrawsAtTheNewCell()
    {
        Rig rig;
        rig.painter.Zeichne_Raster();
        rig.canvas.drawWidth = 3;   // left over from a winning line
        rig.painter.Zeichne_Cursor(15);
        rig.state.cursorX = 8;
        rig.state.cursorY = 8;
        rig.painter.Zeichne_Cursor(2);
        const auto picture = rig.canvas.picture();
        const Op& erase = picture[picture.size() - 2];
        const Op& draw = picture.back();
        QCOMPARE(erase.foreColor, 15);
        QCOMPARE(erase.drawWidth, 1);
        QCOMPARE(erase.x1, 43.0);
        QCOMPARE(erase.y1, 43.0);
        QCOMPARE(draw.foreColor, 2);
        QCOMPARE(draw.x1, 43.0 + 7 * 538);
        QCOMPARE(draw.y2, 43.0 + 7 * 538 + 457);
    }

    void splotFollowsTheRandomRule()
    {
        Rig rig;
        rig.newBoard();
        rig.painter.Zeichne_Raster();
        const int cell = rig.board.index(3, 5);
        rig.board.cells(cell) = kBlue;
        // q; then per drop s, m (dx), s, m (dy), t.
        rig.random.push({0.5f, 0.2f, 0.9f, 0.7f, 0.5f, 0.0f});
        rig.random.draws = 0;
        rig.painter.Zeichne_Klecks(3, 5);
        QCOMPARE(rig.random.randomizes, 1);
        QCOMPARE(rig.random.draws, 1L + 7 * 5);
        QCOMPARE(int(rig.board.currentCell), cell);
        const auto circles = circlesOf(rig.canvas.picture());
        QCOMPARE(circles.size(), size_t(8));
        const double cx = 2.5 * 538, cy = 4.5 * 538;
        QCOMPARE(circles[0].x1, cx);
        QCOMPARE(circles[0].y1, cy);
        QVERIFY(std::abs(circles[0].radius - 0.2 * 538) < 1e-3);
        // dx = rounded(-0.9 * 457 / 3) = -137, dy = rounded(0.5 * 457 / 3) = 76.
        QCOMPARE(circles[1].x1, cx - 137);
        QCOMPARE(circles[1].y1, cy + 76);
        QVERIFY(std::abs(circles[1].radius - 0.02 * 457) < 1e-3);
        for (const Op& c : circles) {
            QCOMPARE(c.foreColor, 9);
            QCOMPARE(c.fillColor, 9);
            QCOMPARE(c.fillStyle, int(Canvas::Solid));
        }
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot1.wav"});
    }

    void splotsStayInTheirCellOverManySeeds()
    {
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            Rig rig(4300, 8, seed);
            rig.newBoard();
            rig.painter.Zeichne_Raster();
            const int column = 1 + seed % 8, row = 1 + (seed / 8) % 8;
            rig.board.cells(rig.board.index(column, row)) = kRed;
            rig.painter.Zeichne_Klecks(column, row);
            const auto circles = circlesOf(rig.canvas.picture());
            QCOMPARE(circles.size(), size_t(8));
            const double left = (column - 1) * 538.0, top = (row - 1) * 538.0;
            for (size_t i = 0; i < circles.size(); ++i) {
                const Op& c = circles[i];
                QCOMPARE(c.foreColor, 12);
                const double lo = i == 0 ? 0.25 : 0.07, hi = i == 0 ? 0.75 : 0.93;
                QVERIFY2(c.x1 - c.radius >= left + lo * 538 && c.x1 + c.radius <= left + hi * 538,
                         qPrintable(QStringLiteral("seed %1 drop %2").arg(seed).arg(i)));
                QVERIFY2(c.y1 - c.radius >= top + lo * 538 && c.y1 + c.radius <= top + hi * 538,
                         qPrintable(QStringLiteral("seed %1 drop %2").arg(seed).arg(i)));
            }
        }
    }

    void soundOnlyWhenSoundIsExactlyOne()
    {
        Rig rig;
        rig.newBoard();
        rig.painter.Zeichne_Raster();
        rig.board.cells(rig.board.index(1, 1)) = kRed;
        for (int setting : {0, -1, 2}) {
            rig.settings.soundOn = static_cast<i16>(setting);
            rig.painter.Zeichne_Klecks(1, 1);
        }
        QVERIFY(rig.sound.played.empty());
        rig.settings.soundOn = 1;   // read at the moment of drawing
        rig.painter.Zeichne_Klecks(1, 1);
        QCOMPARE(rig.sound.count("splot1.wav"), 1);
    }

    void splatterLiesInTheInnerSquareAndLetsEventsRunBetweenDrops()
    {
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            Rig rig(4300, 8, seed);
            rig.newBoard();
            rig.painter.Zeichne_Raster();
            rig.board.cells(rig.board.index(4, 2)) = kRed;
            std::vector<size_t> circlesAtEvents;
            rig.clock.onEvents = [&] { circlesAtEvents.push_back(circlesOf(rig.canvas.picture()).size()); };
            rig.painter.Zeichne_Spritzer(4, 2);
            QCOMPARE(circlesAtEvents, (std::vector<size_t>{1, 2, 3, 4, 5}));
            QCOMPARE(rig.random.randomizes, 1);
            QVERIFY(rig.sound.played.empty());
            const double left = 43 + 3 * 538.0, top = 43 + 538.0;
            for (const Op& c : circlesOf(rig.canvas.picture())) {
                QCOMPARE(c.fillColor, 12);
                QVERIFY(c.x1 - c.radius >= left && c.x1 + c.radius <= left + 457);
                QVERIFY(c.y1 - c.radius >= top && c.y1 + c.radius <= top + 457);
            }
        }
    }

    void paintOfAnotherCodeKeepsTheLastColours()
    {
        Rig rig;
        rig.newBoard();
        rig.painter.Zeichne_Raster();
        rig.canvas.setForeColor(14);
        rig.canvas.setFillColor(14);
        rig.painter.Zeichne_Spritzer(2, 2);   // an empty cell
        for (const Op& c : circlesOf(rig.canvas.picture()))
            QCOMPARE(c.fillColor, 14);
    }

    void winningLineJoinsTheCentresOfTheFirstAndFifthCell()
    {
        Rig rig;
        rig.newBoard();
        rig.painter.Zeichne_Raster();
        for (int l = 1; l <= rig.board.lineCount; ++l) {
            rig.painter.Zeichne_Siegeslinie(l);
            const Op& op = rig.canvas.ops.back();
            QCOMPARE(op.kind, Op::Line);
            QCOMPARE(op.foreColor, 10);
            QCOMPARE(op.drawWidth, 3);
            int c1, r1, c5, r5;
            rig.board.columnRow(rig.board.lineCells(1, l), c1, r1);
            rig.board.columnRow(rig.board.lineCells(5, l), c5, r5);
            QCOMPARE(op.x1, std::nearbyint((c1 - 0.5) * 538));
            QCOMPARE(op.y1, std::nearbyint((r1 - 0.5) * 538));
            QCOMPARE(op.x2, std::nearbyint((c5 - 0.5) * 538));
            QCOMPARE(op.y2, std::nearbyint((r5 - 0.5) * 538));
        }
        // Line 1 is column 1, rows 1 to 5: 0.5 * 538 = 269, 4.5 * 538 = 2421.
        rig.painter.Zeichne_Siegeslinie(1);
        const Op& first = rig.canvas.ops.back();
        QCOMPARE(first.x1, 269.0);
        QCOMPARE(first.y1, 269.0);
        QCOMPARE(first.x2, 269.0);
        QCOMPARE(first.y2, 2421.0);
        QCOMPARE(rig.canvas.drawWidth, 3);   // stays until the next grid or cursor
    }

    void pointToCell()
    {
        Rig rig(400, 10);
        rig.painter.Zeichne_Raster();
        int c = 0, r = 0;
        rig.painter.pointToCell(0, 0, c, r);
        QCOMPARE(c, 1);
        QCOMPARE(r, 1);
        rig.painter.pointToCell(39.9, 40, c, r);
        QCOMPARE(c, 1);
        QCOMPARE(r, 2);
        rig.painter.pointToCell(399, 120.5, c, r);
        QCOMPARE(c, 10);
        QCOMPARE(r, 4);
    }

    void cursorDescriptionNamesTheCellAndWhatItHolds()
    {
        Rig rig;
        std::vector<std::string> heard;
        rig.painter.setCursorListener([&](const std::string& s) { heard.push_back(s); });
        rig.state.cursorX = 2;
        rig.state.cursorY = 3;
        rig.painter.Zeichne_Raster();   // no board yet
        QCOMPARE(heard.back(), std::string("Column 2, row 3"));
        rig.newBoard(2, 3);
        rig.board.cells(rig.board.index(2, 3)) = kRed;
        rig.painter.Zeichne_Klecks(2, 3);
        QCOMPARE(heard.back(), std::string("Column 2, row 3: Tulla's red splot"));
        rig.state.cursorX = 4;
        rig.painter.Zeichne_Cursor(2);
        QCOMPARE(heard.back(), std::string("Column 4, row 3: empty"));
        const size_t before = heard.size();
        rig.painter.Zeichne_Cursor(15);   // erasing says nothing
        QCOMPARE(heard.size(), before);
    }
};

QTEST_APPLESS_MAIN(TestWallPainter)
#include "TestWallPainter.moc"
