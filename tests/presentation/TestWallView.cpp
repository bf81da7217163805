// The wall widget: its backing image at 1x and 2x, what survives hiding,
// resizing and a new pixel ratio, and its mouse and key input.
#include "doubles/FakeClock.h"
#include "doubles/RecordingSound.h"
#include "doubles/ScriptedRandom.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

#include <QSignalSpy>
#include <QTest>

using namespace splot;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRedPaint(255, 0, 0);
const QColor kBluePaint(0, 0, 255);
const QColor kGrid(192, 192, 192);
const QColor kCursor(0, 128, 0);
const QColor kWin(0, 255, 0);

struct Rig {
    explicit Rig(qreal ratio, std::uint32_t seed = 7)
        : random({}, seed), painter(wall, board, state, settings, random, sound, clock)
    {
        wall.setPixelRatioOverride(ratio);
        board.newGame(settings.wallSize);
        state.boardExists = true;
        painter.Zeichne_Raster();
    }
    void splot(int column, int row, i16 code)
    {
        board.cells(board.index(column, row)) = code;
        painter.Zeichne_Klecks(column, row);
    }
    QColor at(double x, double y) const
    {
        const QImage image = wall.image();
        return image.pixelColor(wall.imagePixel(x, y));
    }
    QColor centre(int column, int row) const
    {
        const double c = painter.cellSize();
        return at((column - 0.5) * c, (row - 0.5) * c);
    }
    WallView wall;
    Board board;
    GameState state;
    GameSettings settings;
    doubles::ScriptedRandom random;
    doubles::RecordingSound sound;
    doubles::FakeClock clock;
    WallPainter painter;
};

int countColour(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class TestWallView : public QObject {
    Q_OBJECT
private slots:
    void ratio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << qreal(1);
        QTest::newRow("1.5x") << qreal(1.5);
        QTest::newRow("2x") << qreal(2);
    }

    void ratio()
    {
        QFETCH(qreal, ratio);
        Rig rig(ratio);
        QCOMPARE(rig.wall.scaleWidth(), 4305.0);
        QCOMPARE(rig.painter.cellSize(), 538);
        const QImage image = rig.wall.image();
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.width(), int(std::ceil(287 * ratio)));

        rig.splot(2, 3, splot::kRed);
        rig.splot(5, 5, splot::kBlue);
        QCOMPARE(rig.centre(2, 3), kRedPaint);
        QCOMPARE(rig.centre(5, 5), kBluePaint);
        QCOMPARE(rig.centre(4, 4), kWhite);

        // Grid lines at 0, cellSize, ... (N - 1) cellSize, halfway along a cell.
        const double mid = 3.5 * 538;
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(rig.at(i * 538 + 1, mid), kGrid);
            QCOMPARE(rig.at(mid, i * 538 + 1), kGrid);
        }
        // None at N * cellSize: the last pixel column and row stay white.
        QCOMPARE(image.pixelColor(image.width() - 1, rig.wall.imagePixel(0, mid).y()), kWhite);
        QCOMPARE(image.pixelColor(rig.wall.imagePixel(mid, 0).x(), image.height() - 1), kWhite);
        // The dotted cursor square in colour 2 on cell (1, 1).
        QVERIFY(countColour(image, kCursor) > 0);
    }

    void pictureSurvivesHidingResizingAndANewRatio()
    {
        Rig rig(1);
        rig.wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.wall));
        rig.splot(3, 3, splot::kRed);
        rig.painter.Zeichne_Siegeslinie(1);
        rig.wall.hide();
        rig.wall.show();
        rig.wall.resize(300, 300);
        rig.wall.resize(287, 287);
        QCOMPARE(rig.centre(3, 3), kRedPaint);
        QCOMPARE(rig.at(269, 1345), kWin);

        const int ops = rig.wall.operationCount();
        rig.wall.setPixelRatioOverride(2);
        QCOMPARE(rig.wall.image().width(), 574);
        QCOMPARE(rig.wall.operationCount(), ops);
        QCOMPARE(rig.centre(3, 3), kRedPaint);
        QCOMPARE(rig.at(269, 1345), kWin);
        QCOMPARE(rig.at(2 * 538 + 1, 3.5 * 538), kGrid);

        // The widget shows the backing image.
        const QImage shown = rig.wall.grab().toImage();
        QCOMPARE(shown.pixelColor(shown.width() * 5 / 16, shown.height() * 5 / 16), kRedPaint);
    }

    void clsStartsAFreshPicture()
    {
        Rig rig(1);
        rig.splot(1, 1, splot::kRed);
        rig.painter.Zeichne_Raster();
        QCOMPARE(rig.centre(1, 1), kWhite);
        QCOMPARE(rig.wall.operationCount(), 17);   // 16 grid lines and the cursor
    }

    void aWanderingCursorKeepsTheReplayShortAndExact()
    {
        Rig rig(1);
        rig.splot(2, 2, splot::kRed);
        rig.splot(3, 2, splot::kBlue);
        const int start = rig.wall.operationCount();
        doubles::ScriptedRandom walk({}, 99);
        for (int step = 0; step < 2000; ++step) {
            rig.painter.Zeichne_Cursor(15);
            rig.state.cursorX = static_cast<i16>(1 + int(walk.Rnd() * 8));
            rig.state.cursorY = static_cast<i16>(1 + int(walk.Rnd() * 3));
            rig.painter.Zeichne_Cursor(2);
            if (step == 1000)
                rig.splot(4, 3, splot::kRed);
        }
        QVERIFY2(rig.wall.operationCount() < start + 8 + 2 * 24 + 2,
                 qPrintable(QString::number(rig.wall.operationCount())));
        const QImage drawn = rig.wall.image();
        rig.wall.setPixelRatioOverride(2);
        rig.wall.setPixelRatioOverride(1);   // replayed from the shortened list
        QCOMPARE(rig.wall.image(), drawn);
    }

    void whiteBoxOverTheInnerSquareRemovesTheSplatter()
    {
        for (std::uint32_t seed = 1; seed <= 30; ++seed) {
            Rig rig(2, seed);
            const int column = 4, row = 6;
            rig.board.cells(rig.board.index(column, row)) = splot::kBlue;
            rig.painter.Zeichne_Spritzer(column, row);
            const int s = rig.painter.cellSize(), inset = rig.painter.cellInset(), inner = rig.painter.innerSize();
            const double x = inset + (column - 1) * s, y = inset + (row - 1) * s;
            rig.wall.setForeColor(15);
            rig.wall.box(x, y, x + inner, y + inner, true);
            const QImage image = rig.wall.image();
            const QPoint from = rig.wall.imagePixel((column - 1) * s, (row - 1) * s) + QPoint(3, 3);
            const QPoint to = rig.wall.imagePixel(column * s, row * s) - QPoint(2, 2);
            for (int py = from.y(); py <= to.y(); ++py)
                for (int px = from.x(); px <= to.x(); ++px)
                    QVERIFY2(image.pixelColor(px, py) == kWhite,
                             qPrintable(QStringLiteral("seed %1 at %2,%3").arg(seed).arg(px).arg(py)));
        }
    }

    void erasedCursorLeavesNoTrace()
    {
        Rig rig(2);
        QVERIFY(countColour(rig.wall.image(), kCursor) > 20);
        rig.painter.Zeichne_Cursor(15);
        QCOMPARE(countColour(rig.wall.image(), kCursor), 0);
        rig.state.cursorX = 8;
        rig.state.cursorY = 8;
        rig.painter.Zeichne_Cursor(2);
        // The square is dotted: on and off along its edge.
        const QImage image = rig.wall.image();
        const int y = rig.wall.imagePixel(0, 43 + 7 * 538).y();
        int on = 0, off = 0;
        for (int x = rig.wall.imagePixel(43 + 7 * 538 + 30, 0).x(); x < rig.wall.imagePixel(43 + 7 * 538 + 400, 0).x(); ++x)
            (image.pixelColor(x, y) == kCursor ? on : off)++;
        QVERIFY(on > 5);
        QVERIFY(off > 5);
    }

    void mouseAndKeysComeOutInTwipsAndClassicCodes()
    {
        WallView wall;
        wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wall));
        QSignalSpy clicks(&wall, &WallView::mousePressed);
        QSignalSpy keys(&wall, &WallView::keyPressed);
        QTest::mouseClick(&wall, Qt::RightButton, {}, QPoint(100, 50));
        QTest::mouseClick(&wall, Qt::LeftButton, {}, QPoint(0, 286));
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks[0][0].toDouble(), 1500.0);
        QCOMPARE(clicks[0][1].toDouble(), 750.0);
        QCOMPARE(clicks[1][1].toDouble(), 4290.0);

        for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left,
                            Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter,
                            Qt::Key_Space, Qt::Key_Q})
            QTest::keyClick(&wall, key);
        QList<int> codes;
        for (const auto& k : keys)
            codes << k[0].toInt();
        QCOMPARE(codes, (QList<int>{36, 35, 33, 34, 37, 38, 39, 40, 13, 13, 32, 81}));
        QCOMPARE(WallView::classicKeyCode(Qt::Key_F1), 112);
        QCOMPARE(WallView::classicKeyCode(Qt::Key_Shift), 0);
    }

    void accessibleNameAndCursorDescription()
    {
        WallView wall;
        QCOMPARE(wall.accessibleName(), QStringLiteral("Wall"));
        wall.setCursorDescription(QStringLiteral("Column 4, row 5: empty"));
        QCOMPARE(wall.accessibleDescription(), QStringLiteral("Column 4, row 5: empty"));
    }
};

QTEST_MAIN(TestWallView)
#include "TestWallView.moc"
