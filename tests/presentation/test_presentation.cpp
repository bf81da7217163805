// The wall's drawing against a recording canvas (splots and splatters from scripted random numbers,
// drop by drop) and in the wall widget's picture at every zoom and pixel ratio; the window's
// arrangement with the zoom off and on and on a small screen, the etched label frame and the picture
// buttons.
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallView.h"
#include "tests/doubles/RecordingCanvas.h"
#include "tests/presentation/WallRig.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using namespace splot;
using Op = doubles::RecordingCanvas::Op;

namespace {

// Per drop: the offsets' signs (below 0.5 negative, 0.5 itself positive) and sizes, then its radius.
void pushDrops(doubles::ScriptedRandom& random, int count)
{
    for (int d = 0; d < count; ++d)
        random.push({d % 2 ? 0.5f : 0.2f, 0.1f + 0.15f * float(d), d % 3 ? 0.9f : 0.5f,
                     0.8f - 0.1f * float(d), 0.2f + 0.1f * float(d)});
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

// The rectangles, in their parents, of every control of the booth scene that grows with the zoom.
QList<QRect> sceneGeometries(BoothView& b)
{
    QList<QRect> rects;
    for (QWidget* w : std::initializer_list<QWidget*>{b.booth(), b.title(), b.wall(), b.storyBox(),
                                                      b.puddleWidget(0), b.puddleWidget(1), b.character(0),
                                                      b.character(1), b.pump(0), b.pump(1)})
        rects << w->geometry();
    for (int k = 0; k < 6; ++k)
        rects << b.picBut(k)->geometry();
    return rects;
}

// A wall with splots of both sides, a grease spot, the cursor moved and a winning line.
void drawAGame(Rig<WallView>& rig)
{
    rig.paint(3, 2, kRed);
    rig.paint(4, 4, kBlue);
    rig.paint(8, 8, kRed);
    rig.wall.setForeColor(14);
    rig.wall.setFillColor(14);
    rig.paint(6, 6, kGrease, true);
    rig.state.cursorX = 2;
    rig.state.cursorY = 7;
    rig.painter.Zeichne_Cursor(15);
    rig.painter.Zeichne_Cursor(2);
    rig.painter.Zeichne_Siegeslinie(1);
}

void setScale(WallView& wall, double zoom, qreal ratio)
{
    wall.setPixelRatioOverride(ratio);
    wall.setZoom(zoom);
    const int side = int(std::lrint(287 * zoom));
    wall.resize(side, side);
}

// The lengths of the runs of `rgb` (or of the gaps between them) along image row y.
QList<int> runs(const QImage& image, int y, QRgb rgb, int from, int to, bool gaps = false)
{
    QList<int> lengths;
    int run = 0;
    for (int x = from; x <= to + 1; ++x) {
        if (x <= to && ((image.pixel(x, y) & 0xffffff) == rgb) != gaps)
            ++run;
        else if (run > 0)
            lengths << std::exchange(run, 0);
    }
    return lengths;
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT
  private slots:
    // 4300 / 8 = 537.5 rounds to even. Winning lines join the centres of the first and fifth cell.
    // (The grid is counted in the picture at every scale; the cursor is followed in the real window.)
    void cellsAndWinningLines()
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
        pushDrops(rig.random, 7);
        pushDrops(rig.random, 5);
        rig.paint(3, 2, kRed);
        QCOMPARE(circles(rig.wall).size(), 8);
        QCOMPARE(
            circles(rig.wall).mid(0, 3),
            (QList<QList<double>>{{1345, 807, 102.22, 12}, {1330, 929, 22.85, 12}, {1383, 914, 29.705, 12}}));
        QCOMPARE(rig.sound.played, std::vector<std::string>{"splot1.wav"});
        rig.wall.ops.clear();
        rig.paint(4, 6, kBlue, true);
        QCOMPARE(circles(rig.wall).mid(0, 2),
                 (QList<QList<double>>{{1868, 3081, 4.57, 9}, {1921, 3066, 6.855, 9}}));
        QCOMPARE(rig.journal, std::vector<std::string>(5, "events"));
        QCOMPARE(rig.random.draws, 1L + 35 + 25);
    }

    // Drawn at 1x and then shown at other zooms and pixel ratios (resized on the way): the picture
    // equals a fresh one drawn at that scale with the paint in its cells (the red splot where it
    // belongs), and at 1x again the first.
    void wallPictureAtEveryScale()
    {
        Rig<WallView> rig(5);
        drawAGame(rig);
        const QImage atOne = rig.wall.image();
        rig.wall.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.wall));
        for (auto [zoom, ratio] :
             {std::pair{1.5, 1.0}, {2.0, 1.0}, {1.8, 1.25}, {1.0, 1.5}, {2.0, 2.0}, {1.0, 1.0}}) {
            setScale(rig.wall, zoom, ratio);
            Rig<WallView> fresh(5, [&](WallView& wall) { setScale(wall, zoom, ratio); });
            drawAGame(fresh);
            const QImage image = rig.wall.image();
            const int side = int(std::ceil(std::lrint(287 * zoom) * ratio));
            QCOMPARE(image.size(), QSize(side, side));
            QCOMPARE(image, fresh.wall.image());
            QCOMPARE(rig.wall.scaleWidth(), 4300.0); // the same cells at every zoom
            QCOMPARE(image.pixel(rig.wall.imagePixel(2.5 * 538, 1.5 * 538)), qRgb(255, 0, 0));
        }
        QCOMPARE(rig.wall.image(), atOne);
    }

    // At 1, 1.25, 1.5, 1.8 and 2 device pixels to a design pixel, every grid line has the
    // same width (the whole part, at least 1) and the cursor's dots and gaps are that long too.
    void thinLinesOnWholeDevicePixels()
    {
        for (auto [zoom, ratio] :
             {std::pair{1.0, 1.0}, {1.0, 1.25}, {1.0, 1.5}, {1.5, 1.0}, {1.2, 1.5}, {1.0, 2.0}}) {
            Rig<WallView> rig(1, [&](WallView& wall) { setScale(wall, zoom, ratio); });
            const QImage image = rig.wall.image();
            const int k = std::max(1, int(zoom * ratio + 1e-6));
            const QString at = QStringLiteral("zoom %1 ratio %2").arg(zoom).arg(ratio);
            const int middleOfRow = rig.wall.imagePixel(0, 269).y();
            QVERIFY2(runs(image, middleOfRow, 0xc0c0c0, 0, image.width() - 1) == QList<int>(8, k),
                     qPrintable(at));
            // The cursor on cell (3, 1): the row of its top edge has dots and gaps of k pixels.
            const QPoint from = rig.wall.imagePixel(43 + 2 * 538, 43),
                         to = rig.wall.imagePixel(43 + 2 * 538 + 457, 43);
            int row = from.y() - 1;
            for (int y = from.y(); y <= from.y() + 1; ++y)
                if (runs(image, y, 0x008000, from.x(), to.x()).size() >
                    runs(image, row, 0x008000, from.x(), to.x()).size())
                    row = y;
            const QList<int> dots = runs(image, row, 0x008000, from.x() - 1, to.x() + 1);
            const QList<int> gaps = runs(image, row, 0x008000, from.x() - 1, to.x() - k, true);
            QVERIFY2(dots.size() > 10 && dots == QList<int>(dots.size(), k), qPrintable(at));
            QVERIFY2(gaps.mid(1) == QList<int>(gaps.size() - 1, k), qPrintable(at));
        }
    }

    // The figures at the narrowest window: booth + button + 800 twips, the buttons 58 twips right of
    // the booth, the label 30 twips in; the side picture only while the margin is wider than it.
    // Zoom off: 1 at every size. On: 1 at and below the design size (and when only one side is
    // larger), else the largest factor that fits; the label keeps its size.
    void arrangementAtEverySize()
    {
        QCOMPARE(minimumOuterWidth(), 9485);
        const LayoutPlacement narrow = positionieren(9485, 9385, 6345);
        QCOMPARE(narrow.buttonsLeft - (narrow.booth.left + narrow.booth.width), 58);
        QCOMPARE((QList<int>{narrow.label.left, narrow.label.top, narrow.label.width, narrow.label.height}),
                 (QList<int>{30, 6345 - 255 - 30, 9385 - 60, 255}));
        QVERIFY(!positionieren(10646, 10600, 6345).sideVisible);
        const LayoutPlacement wide = positionieren(10647, 10600, 6345);
        QVERIFY(wide.sideVisible && wide.side.left == 0 && wide.side.top == 2685 / 2 + 300);

        BoothView booth;
        const std::pair<QSize, double> sizes[] = {{{626, 423}, 1.0},  {{600, 300}, 1.0},
                                                  {{2000, 423}, 1.0}, {{939, 634}, 634 / 423.0},
                                                  {{1252, 846}, 2.0}, {{1280, 761}, 761 / 423.0}};
        for (auto [size, z] : sizes) {
            for (bool on : {false, true}) {
                booth.setZoomWithWindow(on);
                booth.resize(size);
                booth.positionieren(size.width() + 4);
                QVERIFY(qFuzzyCompare(booth.zoom(), on ? z : 1.0) && booth.wall()->zoom() == booth.zoom());
                QCOMPARE(booth.commentLabel()->geometry(),
                         QRect(2, size.height() - 19, size.width() - 4, 17));
            }
        }
    }

    // On a screen smaller than the design the scene is drawn smaller: with the zoom off to what the
    // screen holds, with it on to what the window holds, the label keeping its size below the booth;
    // the window may then be as narrow as the smallest scene.
    void smallerThanTheDesign()
    {
        BoothView b;
        const double screenFit = 6000.0 / 9485; // a screen 400 pixels across
        b.setScreenFit(screenFit);
        for (auto [on, size, zoom] : {std::tuple{false, QSize(400, 380), screenFit},
                                      std::tuple{true, QSize(300, 200), (3000.0 - 285) / (6345 - 285)}}) {
            b.setZoomWithWindow(on);
            b.resize(size);
            b.positionieren(size.width());
            QCOMPARE(b.zoom(), zoom);
            QCOMPARE(b.booth()->size(), QSize(int(std::lrint(543 * zoom)), int(std::lrint(345 * zoom))));
            QVERIFY(b.booth()->geometry().bottom() < b.commentLabel()->geometry().top());
            QCOMPARE(b.minimumOuterWidthTwips(), int(std::ceil(9485 * (on ? kSmallestZoom : screenFit))));
        }
    }

    // The label's etched frame: dark grey top and left, white bottom and right one pixel out; the
    // reverse two pixels out. At twice the design window every control's rectangle is twice its
    // design one, and the wall reads its clicks in design units.
    void etchedLabelAndTwiceTheDesignWindow()
    {
        BoothView booth;
        booth.resize(626, 423);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        const QList<QRect> design = sceneGeometries(booth);
        const QRect l = booth.commentLabel()->geometry();
        const QImage shot = booth.grab().toImage();
        const int x = l.center().x(), y = l.center().y();
        const QPoint greys[] = {{x, l.top() - 1}, {l.left() - 1, y}, {x, l.bottom() + 2}, {l.right() + 2, y}};
        const QPoint whites[] = {
            {x, l.bottom() + 1}, {l.right() + 1, y}, {x, l.top() - 2}, {l.left() - 2, y}};
        for (int i = 0; i < 4; ++i)
            QVERIFY(shot.pixelColor(greys[i]) == QColor(128, 128, 128) &&
                    shot.pixelColor(whites[i]) == Qt::white);
        booth.setZoomWithWindow(true);
        QCOMPARE(sceneGeometries(booth), design); // at the design size nothing changes
        booth.resize(1252, 846);
        QList<QRect> twice;
        for (const QRect& r : design)
            twice << QRect(r.topLeft() * 2, r.size() * 2);
        QCOMPARE(sceneGeometries(booth), twice);
        QCOMPARE(booth.wall()->toUnits(QPointF(574, 287)), QPointF(4305, 2152.5));
    }

    // The reading keys on any layout: a Cyrillic letter counts as the Latin one on its key.
    void readingKeysOnEveryLayout()
    {
        WallView wall;
        QSignalSpy read(&wall, &WallView::readingKey);
        QKeyEvent cyrillic(QEvent::KeyPress, 0x0414, Qt::NoModifier, 46, 0, 0, "д");
        QKeyEvent latin(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, 28, 0, 0, "t");
        QApplication::sendEvent(&wall, &cyrillic), QApplication::sendEvent(&wall, &latin);
        QCOMPARE(read.size(), 2);
        QVERIFY(read[0][0].toInt() == 'L' && read[1][0].toInt() == 'T');
    }

    // The picture buttons: press, drag off and back (the bottom-right edge is inside), release: down,
    // up, down, run; released outside after leaving: nothing runs.
    void pictureButtons()
    {
        BoothView booth;
        booth.show();
        QStringList seen; // after each step: the button down (pressed, its pressed face shown) or up
        const auto look = [&](int k) {
            const bool flag = booth.pictureButton(k)->pressedFlag();
            seen << (flag != booth.picBut(2 * k + 1)->isVisible() ? "?" : flag ? "down" : "up");
        };
        connect(&booth, &BoothView::pictureButtonCommand, this,
                [&](int k) { seen << QString("run %1").arg(k), look(0); });
        const std::tuple<int, int, QPoint> steps[] = {{0, 0, {10, 10}}, {1, 0, {50, 10}}, {1, 0, {36, 36}},
                                                      {2, 0, {36, 36}}, {0, 1, {5, 5}},   {1, 1, {-1, 5}},
                                                      {2, 1, {-1, 5}}}; // press, move or release
        for (auto [action, k, at] : steps) {
            QWidget* b = booth.pictureButton(k);
            action == 0   ? QTest::mousePress(b, Qt::LeftButton, {}, at)
            : action == 1 ? QTest::mouseMove(b, at)
                          : QTest::mouseRelease(b, Qt::LeftButton, {}, at);
            look(k);
        }
        QCOMPARE(seen.join(' '), "down up down run 0 up up down up up");
    }
};

QTEST_MAIN(TestPresentation)
#include "test_presentation.moc"
