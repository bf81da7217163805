// The wall's drawing against a recording canvas (a splot and a splatter from
// scripted random numbers, drop by drop) and in the wall widget's backing image; the window's arrangement,
// the etched frame around the label, the story box and the picture buttons.
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"
#include "tests/doubles/RecordingCanvas.h"
#include "tests/presentation/WallRig.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace splot;
using Op = doubles::RecordingCanvas::Op;

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
QList<QList<double>> circles(const doubles::RecordingCanvas& canvas)
{
    QList<QList<double>> out;
    for (const Op& op : canvas.ops)
        if (op.kind == Op::Circle && op.fillStyle == Canvas::Solid)
            out.append({op.x1, op.y1, std::round(op.radius * 1000) / 1000, double(op.fillColor)});
    return out;
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT
  private slots:
    // 4300 / 8 = 537.5 rounds to even; N grid lines each way, none at N x cellSize. Winning
    // lines join the centres of the first and fifth cell; the cursor is erased and drawn dotted.
    void gridWinningLinesAndCursor()
    {
        Rig<doubles::RecordingCanvas> rig;
        QCOMPARE((QList<int>{rig.painter.cellSize(), rig.painter.innerSize(), rig.painter.cellInset()}),
                 (QList<int>{538, 457, 43}));
        auto centre = [&](int k, int l) {
            int c = 0, r = 0;
            rig.board.columnRow(rig.board.lineCells(k, l), c, r);
            return QList<double>{(c - 0.5) * 538, (r - 0.5) * 538};
        };
        for (int l = 1; l <= rig.board.lineCount; ++l) {
            rig.painter.Zeichne_Siegeslinie(l);
            const Op& op = rig.wall.ops.back();
            QVERIFY(op.kind == Op::Line && op.foreColor == 10 && op.drawWidth == 3);
            QCOMPARE((QList<double>{op.x1, op.y1, op.x2, op.y2}), centre(1, l) + centre(5, l));
        }
        rig.painter.Zeichne_Cursor(15);
        rig.state.cursorX = rig.state.cursorY = 8;
        rig.painter.Zeichne_Cursor(2);
        QList<double> across, down;
        QList<QList<double>> boxes;
        for (const Op& op : rig.wall.ops) {
            if (op.kind == Op::Box) {
                QVERIFY(!op.filled && op.drawWidth == 1 && op.drawStyle == Canvas::DottedPen);
                boxes.append({op.x1, op.y1, op.x2 - op.x1, op.y2 - op.y1, double(op.foreColor)});
            } else if (op.kind == Op::Line && op.foreColor == 7) {
                const bool horizontal = op.y1 == op.y2;
                QVERIFY(horizontal ? op.x1 == 0 && op.x2 == 8 * 538
                                   : op.x1 == op.x2 && op.y1 == 0 && op.y2 == 8 * 538);
                (horizontal ? across : down).append(horizontal ? op.y1 : op.x1);
            }
        }
        QVERIFY(across == down && down == QList<double>({0, 538, 1076, 1614, 2152, 2690, 3228, 3766}));
        const double x = 43 + 2 * 538, y = 43, far = 43 + 7 * 538;
        QCOMPARE(boxes,
                 (QList<QList<double>>{{x, y, 457, 457, 2}, {x, y, 457, 457, 15}, {far, far, 457, 457, 2}}));
        QCOMPARE(rig.wall.drawStyle, int(Canvas::SolidPen));
        // On a 6 x 6 wall (cells of 717) line 3's ends fall on halves, which round to even:
        // column 2, rows 1 to 5 from (1075.5, 358.5) to (1075.5, 3226.5).
        Rig<doubles::RecordingCanvas> six(1, {}, 6);
        six.painter.Zeichne_Siegeslinie(3);
        const Op& op = six.wall.ops.back();
        QCOMPARE((QList<double>{op.x1, op.y1, op.x2, op.y2}), (QList<double>{1076, 358, 1076, 3226}));
    }

    // A splot: the main drop of (0.15 + 0.1 q) cells at the centre, then seven of
    // (0.02 + 0.15 t) inner squares, offset by a signed Rnd * inner / 3 rounded; then its sound.
    // A splatter: five drops of 0.05 t inner squares, the events processed after each.
    void splotAndSplatterDropByDrop()
    {
        Rig<doubles::RecordingCanvas> rig;
        rig.random.push({0.4f}); // the main drop's size
        for (float r : drops(7))
            rig.random.push({r});
        for (float r : drops(5))
            rig.random.push({r});
        rig.paint(3, 2, kRed);
        QCOMPARE(circles(rig.wall), (QList<QList<double>>{{1345, 807, 102.22, 12},
                                                          {1330, 929, 22.85, 12},
                                                          {1383, 914, 29.705, 12},
                                                          {1284, 898, 36.56, 12},
                                                          {1429, 883, 43.415, 12},
                                                          {1238, 868, 50.27, 12},
                                                          {1474, 853, 57.125, 12},
                                                          {1193, 837, 63.98, 12}}));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot1.wav"});
        rig.wall.ops.clear();
        rig.paint(4, 6, kBlue, true);
        QCOMPARE(circles(rig.wall), (QList<QList<double>>{{1868, 3081, 4.57, 9},
                                                          {1921, 3066, 6.855, 9},
                                                          {1822, 3050, 9.14, 9},
                                                          {1967, 3035, 11.425, 9},
                                                          {1776, 3020, 13.71, 9}}));
        QCOMPARE(rig.journal, std::vector<std::string>(5, "events"));
        QCOMPARE(rig.random.draws, 1L + 35 + 25);
    }

    // All paint within 7 % .. 93 % of the cell, the main drop within 25 % .. 75 %.
    void splotsStayInTheirCell()
    {
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            Rig<doubles::RecordingCanvas> rig(seed);
            const int column = 1 + seed % 8, row = 1 + seed / 8 % 8, first = int(rig.wall.ops.size());
            rig.paint(column, row, kRed);
            QCOMPARE(rig.wall.ops.size(), size_t(first + 8));
            for (int i = first; i < first + 8; ++i) {
                const Op& c = rig.wall.ops[i];
                const double lo = i == first ? 0.25 : 0.07, hi = 1 - lo;
                QVERIFY2(c.kind == Op::Circle && c.fillColor == 12 && c.fillStyle == Canvas::Solid &&
                             c.x1 - c.radius >= (column - 1 + lo) * 538 &&
                             c.x1 + c.radius <= (column - 1 + hi) * 538 &&
                             c.y1 - c.radius >= (row - 1 + lo) * 538 &&
                             c.y1 + c.radius <= (row - 1 + hi) * 538,
                         qPrintable(QStringLiteral("seed %1 drop %2").arg(seed).arg(i - first)));
            }
            QCOMPARE(rig.sound.played, std::vector<std::string>{"splot1.wav"});
        }
    }

    // At 1x and 2x: the picture survives showing, hiding, resizing and a change of
    // pixel ratio; erasing the cursor leaves no trace; a new grid starts a clean picture.
    void backingImage()
    {
        for (qreal ratio : {1.0, 2.0}) {
            Rig<WallView> rig;
            rig.wall.setPixelRatioOverride(ratio);
            QCOMPARE(rig.wall.scaleWidth(), 4300.0); // not 287 x 15: 6 x 6 cells are 717, not 718
            rig.paint(3, 2, kRed);
            rig.painter.Zeichne_Siegeslinie(1); // column 1, rows 1 to 5
            const QImage drawn = rig.wall.image();
            QCOMPARE(drawn.pixelColor(rig.wall.imagePixel(2.5 * 538, 1.5 * 538)), QColor(255, 0, 0));
            QCOMPARE(drawn.pixelColor(rig.wall.imagePixel(269, 1345)), QColor(0, 255, 0));
            rig.wall.show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.wall));
            rig.wall.hide();
            rig.wall.show();
            rig.wall.resize(300, 300);
            rig.wall.resize(287, 287);
            rig.wall.setPixelRatioOverride(3 - ratio);
            rig.wall.setPixelRatioOverride(ratio); // redrawn from the remembered operations
            QCOMPARE(rig.wall.image(), drawn);
            rig.state.cursorX = 5;
            rig.painter.Zeichne_Cursor(2);
            QVERIFY(rig.wall.image() != drawn);
            rig.painter.Zeichne_Cursor(15);
            QCOMPARE(rig.wall.image(), drawn);
            rig.painter.Zeichne_Raster();
            rig.wall.setPixelRatioOverride(3 - ratio);
            QCOMPARE(rig.wall.image().pixelColor(rig.wall.imagePixel(2.5 * 538, 1.5 * 538)),
                     QColor(Qt::white));
        }
    }

    // Over several seeds, the white box over the inner square removes the whole splatter.
    void whiteBoxRemovesTheSplatter()
    {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            Rig<WallView> rig(seed);
            rig.wall.setPixelRatioOverride(2);
            const QImage before = rig.wall.image();
            rig.paint(4, 6, kBlue, true);
            QVERIFY(rig.wall.image() != before);
            rig.wall.setForeColor(15);
            rig.wall.box(43 + 3 * 538, 43 + 5 * 538, 43 + 3 * 538 + 457, 43 + 5 * 538 + 457, true);
            QVERIFY2(rig.wall.image() == before, qPrintable(QStringLiteral("seed %1").arg(seed)));
        }
    }

    void layoutFigures()
    {
        // Booth + button + 800 twips; at that width the buttons stand 58 twips right of the booth.
        QCOMPARE(minimumOuterWidth(), 9485);
        const LayoutPlacement narrow = positionieren(9485, 9385, 6345);
        QCOMPARE(narrow.buttonsLeft - (narrow.booth.left + narrow.booth.width), 58);
        // The label along the bottom, 30 twips in from the sides and the bottom.
        QCOMPARE((QList<int>{narrow.label.left, narrow.label.top, narrow.label.width, narrow.label.height}),
                 (QList<int>{30, 6345 - 255 - 30, 9385 - 60, 255}));
        // The side picture only while the margin left of the booth is wider than it (1200).
        QVERIFY(!positionieren(10646, 10600, 6345).sideVisible);
        const LayoutPlacement wide = positionieren(10647, 10600, 6345);
        QVERIFY(wide.sideVisible && wide.side.left == 0 && wide.side.top == 2685 / 2 + 300);
    }

    // Dark grey top and left, white bottom and right one pixel out; the reverse two pixels out.
    void etchedFrameAroundTheLabel()
    {
        BoothView booth;
        booth.resize(700, 450);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        const QRect l = booth.commentLabel()->geometry();
        const QImage shot = booth.grab().toImage();
        const int x = l.center().x(), y = l.center().y();
        const QList<QPoint> greys{
            {x, l.top() - 1}, {l.left() - 1, y}, {x, l.bottom() + 2}, {l.right() + 2, y}};
        const QList<QPoint> whites{
            {x, l.bottom() + 1}, {l.right() + 1, y}, {x, l.top() - 2}, {l.left() - 2, y}};
        for (int i = 0; i < 4; ++i)
            QVERIFY(shot.pixelColor(greys[i]) == QColor(128, 128, 128) &&
                    shot.pixelColor(whites[i]) == Qt::white);
    }

    // Collapsed to nothing and hidden when a game starts, the box opens at full
    // height when the story is shown again.
    void storyReopensAtFullHeight()
    {
        BoothView booth;
        booth.showStory(QStringLiteral("Once upon a time"));
        booth.setStoryHeight(0);
        booth.hideStory();
        booth.showStory(QStringLiteral("Once upon a time"));
        QVERIFY(booth.storyVisible() && booth.storyHeight() == 4575);
    }

    void pictureButtons()
    {
        BoothView booth;
        booth.show();
        QSignalSpy commands(&booth, &BoothView::pictureButtonCommand);
        auto isDown = [&](int k) {
            return booth.pictureButton(k)->pressedFlag() && booth.picBut(2 * k + 1)->isVisible();
        };
        auto isUp = [&](int k) {
            return !booth.pictureButton(k)->pressedFlag() && booth.picBut(2 * k + 1)->isHidden();
        };
        bool upWhenRun = false;
        connect(&booth, &BoothView::pictureButtonCommand, this, [&] { upWhenRun = isUp(0); });
        // Press, drag off and back (the bottom-right edge is inside), release: down, up, down, run.
        QTest::mousePress(booth.pictureButton(0), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(isDown(0));
        QTest::mouseMove(booth.pictureButton(0), QPoint(50, 10));
        QVERIFY(isUp(0));
        QTest::mouseMove(booth.pictureButton(0), QPoint(36, 36));
        QVERIFY(isDown(0));
        QTest::mouseRelease(booth.pictureButton(0), Qt::LeftButton, {}, QPoint(36, 36));
        QVERIFY(commands.size() == 1 && commands[0][0].toInt() == 0 && upWhenRun);
        // Released outside after leaving: nothing runs and the button is up.
        QTest::mousePress(booth.pictureButton(1), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(booth.pictureButton(1), QPoint(-1, 5));
        QTest::mouseRelease(booth.pictureButton(1), Qt::LeftButton, {}, QPoint(-1, 5));
        QVERIFY(commands.size() == 1 && isUp(1));
        // The right button works like the left; the hint's pressed face shows while held.
        QTest::mousePress(booth.pictureButton(2), Qt::RightButton, {}, QPoint(18, 18));
        QVERIFY(isDown(2));
        QTest::mouseRelease(booth.pictureButton(2), Qt::RightButton, {}, QPoint(18, 18));
        QVERIFY(commands.size() == 2 && commands[1][0].toInt() == 4 && isUp(2));
    }
};

QTEST_MAIN(TestPresentation)
#include "test_presentation.moc"
