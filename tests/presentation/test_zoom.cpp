// The scene zoomed with the window: the arrangement at every size with the
// choice off and on, every control twice its design size at twice the design
// window, the title behind the booth in a low window, the wall's picture drawn
// again at a new scale exactly as a fresh one, and thin lines and the cursor's
// dots even on whole device pixels at fractional scales.
#include "presentation/BoothView.h"
#include "presentation/PictureButton.h"
#include "presentation/WallView.h"
#include "tests/presentation/WallRig.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <cmath>

using namespace splot;

namespace {

// The rectangles, in their parents, of every control of the booth scene that grows with the
// zoom (the booth's parts in the booth).
QList<QRect> sceneGeometries(BoothView& b)
{
    QList<QWidget*> all{b.booth(), b.title(), b.wall(), b.storyBox(), b.puddleWidget(0), b.puddleWidget(1)};
    for (int i = 0; i < 2; ++i)
        all << b.character(i) << b.pump(i);
    for (int k = 0; k < 6; ++k)
        all << b.picBut(k);
    QList<QRect> rects;
    for (QWidget* w : all)
        rects << w->geometry();
    return rects;
}
QString text(const LayoutPlacement& p)
{
    auto r = [](const TwipRect& t) {
        return QString::asprintf("%d,%d %dx%d ", t.left, t.top, t.width, t.height);
    };
    return r(p.booth) + r(p.label) + r(p.title) + (p.sideVisible ? r(p.side) : QString()) +
           QString::number(p.buttonsLeft);
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

// Per cell and paint colour (red, blue, yellow, the green line): the share of the
// cell it covers and its centre within the cell, in hundredths. A smoothed edge
// pixel between white and the paint counts by how much paint it holds.
QList<QList<int>> paintByCell(const QImage& image)
{
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(0, 255, 0)};
    const double cell = image.width() * 538.0 / (287 * 15);
    auto amount = [](QRgb x, const QColor& p) { // t where x = white + t (paint - white), or 0
        const double d[3] = {p.red() - 255.0, p.green() - 255.0, p.blue() - 255.0};
        const double v[3] = {qRed(x) - 255.0, qGreen(x) - 255.0, qBlue(x) - 255.0};
        const double t =
            (d[0] * v[0] + d[1] * v[1] + d[2] * v[2]) / (d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        double off = 0;
        for (int i = 0; i < 3; ++i)
            off += std::abs(v[i] - t * d[i]);
        return t > 0.05 && off < 24 ? std::min(t, 1.0) : 0.0;
    };
    QList<QList<int>> cells;
    for (int c = 0; c < 64; ++c) {
        for (const QColor& colour : colours) {
            double n = 0, sx = 0, sy = 0;
            for (int y = int(c / 8 * cell); y < int((c / 8 + 1) * cell); ++y)
                for (int x = int(c % 8 * cell); x < int((c % 8 + 1) * cell); ++x) {
                    const double t = amount(image.pixel(x, y), colour);
                    n += t, sx += t * (x + 0.5 - c % 8 * cell), sy += t * (y + 0.5 - c / 8 * cell);
                }
            if (n > 0.02 * cell * cell)
                cells.append({c, int(colour.rgb() & 0xffffff), int(std::lrint(100 * n / (cell * cell))),
                              int(std::lrint(100 * sx / n / cell)), int(std::lrint(100 * sy / n / cell))});
        }
    }
    return cells;
}

// The lengths of the runs of `rgb` along image row y, and of the gaps between them.
QList<int> runs(const QImage& image, int y, QRgb rgb, int from = 0, int to = -1, bool gaps = false)
{
    QList<int> lengths;
    int run = 0;
    bool inside = false;
    for (int x = from; x <= (to < 0 ? image.width() - 1 : to); ++x) {
        const bool hit = (image.pixel(x, y) & 0xffffff) == rgb;
        if (hit == inside) {
            ++run;
            continue;
        }
        if (inside != gaps && run > 0)
            lengths << run;
        inside = hit;
        run = 1;
    }
    if (inside != gaps && run > 0)
        lengths << run;
    return lengths;
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    // Off: as today at every size. On: 1 at and below the design size (and when only one side
    // is larger), else the largest factor that fits, and then the layout of the window in units z
    // times larger, the label keeping its size.
    void zoomAndArrangement()
    {
        BoothView booth;
        for (QSize size : {QSize(626, 423), QSize(700, 450), QSize(600, 300), QSize(2000, 423),
                           QSize(939, 634), QSize(1252, 846), QSize(1280, 761)}) {
            const int W = (size.width() + 4) * 15, SW = size.width() * 15, SH = size.height() * 15;
            for (bool on : {false, true}) {
                booth.setZoomWithWindow(on);
                booth.resize(size);
                booth.positionieren(size.width() + 4);
                const double z =
                    on ? std::max(1.0, std::min(size.width() / 626.0, size.height() / 423.0)) : 1.0;
                QCOMPARE(booth.zoom(), z);
                QCOMPARE(booth.wall()->zoom(), z);
                LayoutPlacement want = positionieren(int(W - SW + std::lrint(SW / z)),
                                                     int(std::lrint(SW / z)), int(std::lrint(SH / z)));
                want.label = positionieren(W, SW, SH).label;
                QCOMPARE(text(booth.placement()), text(want));
                if (z == 1)
                    QCOMPARE(text(booth.placement()), text(positionieren(W, SW, SH)));
                QCOMPARE(booth.commentLabel()->geometry(),
                         QRect(2, size.height() - 19, size.width() - 4, 17));
                QCOMPARE(booth.wall()->scaleWidth(), 4300.0); // the same cells at every zoom
            }
        }
    }

    // At twice the design window every control's rectangle is twice its design one, the
    // press area of a button follows its picture and the pictures are drawn at their size.
    void twiceTheDesignWindow()
    {
        BoothView booth;
        booth.resize(626, 423);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        const QList<QRect> design = sceneGeometries(booth);
        booth.setZoomWithWindow(true);
        QCOMPARE(sceneGeometries(booth), design); // at the design size nothing changes
        booth.resize(1252, 846);
        QCOMPARE(booth.zoom(), 2.0);
        QList<QRect> twice;
        for (const QRect& r : design)
            twice << QRect(r.topLeft() * 2, r.size() * 2);
        QCOMPARE(sceneGeometries(booth), twice);
        QCOMPARE(booth.commentLabel()->geometry(), QRect(2, 846 - 19, 1252 - 4, 17));
        QCOMPARE(booth.wall()->toUnits(QPointF(574, 287)), QPointF(4305, 2152.5));

        PictureButton* start = booth.pictureButton(0);
        QTest::mousePress(start, Qt::LeftButton, {}, QPoint(70, 70));
        QVERIFY(start->pressedFlag());
        QTest::mouseMove(start, QPoint(72, 72)); // the bottom-right edge: still inside
        QVERIFY(start->pressedFlag());
        QTest::mouseMove(start, QPoint(73, 40));
        QVERIFY(!start->pressedFlag());
        QTest::mouseRelease(start, Qt::LeftButton, {}, QPoint(73, 40));

        // Drawn from the picture at its new size, not enlarged from the small one.
        const QImage title =
            booth.title()->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage sharp = pictures::pixmap(pictures::Picture::Title, QSize(932, 112), 1).toImage();
        int opaque = 0, same = 0;
        for (int y = 0; y < sharp.height(); ++y)
            for (int x = 0; x < sharp.width(); ++x)
                if (qAlpha(sharp.pixel(x, y)) == 255)
                    ++opaque, same += (sharp.pixel(x, y) & 0xffffff) == (title.pixel(x, y) & 0xffffff);
        QVERIFY(opaque > 10000 && same == opaque);
    }

    // A low window: the title lies partly over the booth and behind it, and the wall's top row
    // takes the clicks there.
    void titleBehindTheBoothInALowWindow()
    {
        BoothView booth;
        booth.resize(900, 330);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        const QRect title = booth.title()->geometry(),
                    wall = booth.wall()->geometry().translated(booth.booth()->pos());
        QVERIFY(title.intersects(booth.booth()->geometry()));
        for (int x = wall.left() + 5; x < wall.right(); x += 20) {
            const QPoint p(x, wall.top() + 3);
            QCOMPARE(booth.childAt(p), static_cast<QWidget*>(booth.wall()));
        }
        const QPoint overlap = title.intersected(booth.booth()->geometry()).center();
        QVERIFY(booth.childAt(overlap) != booth.title());
    }

    // Drawn at one scale and then shown at others (zoom and pixel ratio): the picture equals a
    // fresh one drawn at that scale, and every splot keeps its cell, share and centre.
    void wallRedrawnAtANewScale()
    {
        Rig<WallView> rig(5);
        drawAGame(rig);
        const QImage atOne = rig.wall.image();
        const QList<QList<int>> paint = paintByCell(atOne);
        QVERIFY(paint.size() >= 5);
        for (auto [zoom, ratio] :
             {std::pair{1.5, 1.0}, {2.0, 1.0}, {1.8, 1.25}, {1.0, 1.5}, {2.0, 2.0}, {1.0, 1.0}}) {
            setScale(rig.wall, zoom, ratio);
            Rig<WallView> fresh(5, [&](WallView& wall) { setScale(wall, zoom, ratio); });
            drawAGame(fresh);
            const QImage image = rig.wall.image();
            QCOMPARE(image.size(), QSize(std::ceil(std::lrint(287 * zoom) * ratio),
                                         std::ceil(std::lrint(287 * zoom) * ratio)));
            QCOMPARE(image, fresh.wall.image());
            const QList<QList<int>> scaled = paintByCell(image);
            QCOMPARE(scaled.size(), paint.size());
            for (int i = 0; i < paint.size(); ++i) {
                QCOMPARE(scaled[i].mid(0, 2), paint[i].mid(0, 2)); // the same cells and colours
                for (int k = 2; k < 5; ++k)
                    QVERIFY2(std::abs(scaled[i][k] - paint[i][k]) <= 3,
                             qPrintable(QStringLiteral("zoom %1 ratio %2 cell %3")
                                            .arg(zoom)
                                            .arg(ratio)
                                            .arg(paint[i][0])));
            }
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
            QVERIFY2(runs(image, middleOfRow, 0xc0c0c0) == QList<int>(8, k), qPrintable(at));
            // The cursor on cell (3, 1): its top edge, dots and gaps of k pixels.
            const QPoint from = rig.wall.imagePixel(43 + 2 * 538, 43),
                         to = rig.wall.imagePixel(43 + 2 * 538 + 457, 43);
            int row = from.y() - 1; // the row of the edge, the one with the most dots near y 43
            for (int y = from.y(); y <= from.y() + 1; ++y)
                if (runs(image, y, 0x008000).size() > runs(image, row, 0x008000).size())
                    row = y;
            const QList<int> dots = runs(image, row, 0x008000, from.x() - 1, to.x() + 1);
            const QList<int> gaps =
                runs(image, row, 0x008000, dots.isEmpty() ? 0 : from.x() - 1, to.x() - k, true);
            QVERIFY2(dots.size() > 10 && dots == QList<int>(dots.size(), k), qPrintable(at));
            QVERIFY2(gaps.mid(1) == QList<int>(gaps.size() - 1, k), qPrintable(at));
        }
    }
};

QTEST_MAIN(TestZoom)
#include "test_zoom.moc"
