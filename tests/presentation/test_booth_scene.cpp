// The booth scene's art against its layout: the booth picture makes the wall's rectangle its opening,
// bordered only by the golden frame, and the blocked nozzle's puddles are blots of their side's paint
// that fill exactly the rectangles the game gives them.
#include "assets/Pictures.h"
#include "presentation/BoothView.h"
#include "presentation/Layout.h"
#include "presentation/PictureButton.h"
#include "presentation/WallView.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;

namespace {

// The frame's gold, light to dark, and its dark inner edge: no red or cream stripe, no teal back wall.
bool frameGold(QRgb c)
{
    return qAlpha(c) == 255 && qRed(c) >= 190 && qGreen(c) >= 130 && qGreen(c) <= 240 && qBlue(c) <= 160;
}

// The paint of one side: pure hue, lightened by the gloss or darkened at the rim. Red keeps green and
// blue equal, blue keeps red and green equal (one unit of rounding from premultiplied alpha).
bool sidePaint(QRgb c, int side)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return side == 0 ? std::abs(g - b) <= 1 && r >= g : std::abs(r - g) <= 1 && b >= r;
}

// The puddle's rectangle after `blocks` blocked nozzles from a new game's start at the pump's foot.
TwipRect grownPuddle(int side, int blocks)
{
    const TwipRect pump = {3840, 4500, 480, 480};
    TwipRect r{side == 0 ? pump.left + 120 : pump.left + pump.width - 120, pump.top + pump.height - 10, 0, 0};
    for (int k = 0; k < blocks; ++k) {
        r.height += 30;
        r.top -= 15;
        r.width += 120;
        r.left -= side == 0 ? 80 : 40;
    }
    return r;
}

} // namespace

class TestBoothScene : public QObject {
    Q_OBJECT

  private slots:
    // The wall hangs on the booth where BoothView places it; a ring 4 units wide around that
    // rectangle shows only the frame's gold, at 1x and 2x. Anything else in the picture that reached
    // into the wall's rectangle (the awning's scallops, the bunting) would cross this ring and be cut
    // off by the white wall with hard edges when a game starts.
    void wallHangsInTheBoothsOpening()
    {
        BoothView view;
        const QRect wall = view.wall()->geometry(); // in the booth picture's pixels
        QCOMPARE(wall, QRect(133, 7, 287, 287));
        for (int dpr : {1, 2}) {
            const QImage booth = pictures::pixmap(pictures::Picture::Booth, dpr)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            const QRect inner(wall.topLeft() * dpr, wall.size() * dpr);
            const QRect outer = inner.adjusted(-4 * dpr, -4 * dpr, 4 * dpr, 4 * dpr);
            QList<QPoint> wrong;
            for (int y = outer.top(); y <= outer.bottom(); ++y)
                for (int x = outer.left(); x <= outer.right(); ++x)
                    if (!inner.contains(x, y) && !frameGold(booth.pixel(x, y)))
                        wrong.append({x, y});
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("%1x: %2 pixel(s) not frame gold, the first #%3 at %4,%5")
                                    .arg(dpr)
                                    .arg(wrong.size())
                                    .arg(booth.pixel(wrong.value(0)) & 0xffffff, 6, 16, QChar('0'))
                                    .arg(wrong.value(0).x())
                                    .arg(wrong.value(0).y())));
        }
    }

    // Each puddle keeps its rectangle (a point at the start, then growing with each blocked nozzle)
    // and paints inside it a blot of its side's paint: touching all four edges, mostly the pure colour,
    // round ends where the stage shows through, a light gloss and a darker rim. Outside its rectangle
    // the booth stays as it was.
    void puddlesAreBlotsFillingTheirRectangles()
    {
        BoothView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QColor colours[2] = {QColor(255, 0, 0), QColor(0, 0, 255)};
        for (int blocks : {0, 1, 3, 6}) {
            for (int side = 0; side < 2; ++side)
                view.puddleWidget(side)->hide();
            const QImage bare = view.booth()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            QRect rects[2];
            for (int side = 0; side < 2; ++side) {
                const TwipRect t = grownPuddle(side, blocks);
                view.setPuddle(side, t);
                QCOMPARE(view.puddle(side), t);
                rects[side] =
                    QRect(twipsToPixels(t.left), twipsToPixels(t.top), std::max(1, twipsToPixels(t.width)),
                          std::max(1, twipsToPixels(t.height)));
                QCOMPARE(view.puddleWidget(side)->geometry(), rects[side]);
                view.puddleWidget(side)->show();
            }
            const QImage wet = view.booth()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < wet.height(); ++y)
                for (int x = 0; x < wet.width(); ++x)
                    if (!rects[0].contains(x, y) && !rects[1].contains(x, y))
                        QVERIFY2(wet.pixel(x, y) == bare.pixel(x, y),
                                 qPrintable(QStringLiteral("%1 blocks: paint outside at %2,%3")
                                                .arg(blocks)
                                                .arg(x)
                                                .arg(y)));

            for (int side = 0; side < 2; ++side) {
                const QString what = QStringLiteral("side %1 after %2 blocks").arg(side).arg(blocks);
                QWidget* puddle = view.puddleWidget(side);
                QImage blot(puddle->size(), QImage::Format_ARGB32_Premultiplied);
                blot.fill(Qt::transparent);
                puddle->render(&blot, QPoint(), QRegion(), QWidget::DrawChildren);
                blot = blot.convertToFormat(QImage::Format_ARGB32);
                const int w = blot.width(), h = blot.height();
                int cover = 0, pure = 0, lighter = 0,
                    darker = 0;    // cover: the alpha summed over the rectangle
                bool edge[4] = {}; // top, bottom, left, right
                for (int y = 0; y < h; ++y) {
                    for (int x = 0; x < w; ++x) {
                        const QRgb c = blot.pixel(x, y);
                        if (qAlpha(c) == 0)
                            continue;
                        QVERIFY2(sidePaint(c, side),
                                 qPrintable(what + QStringLiteral(": not its paint at %1,%2").arg(x).arg(y)));
                        // An edge is reached where the blot covers most of a pixel on it (a
                        // round end meets its side in one point).
                        if (qAlpha(c) >= 160)
                            edge[0] |= y == 0, edge[1] |= y == h - 1, edge[2] |= x == 0,
                                edge[3] |= x == w - 1;
                        cover += qAlpha(c);
                        if (qAlpha(c) < 255)
                            continue;
                        pure += QColor(c) == colours[side];
                        lighter += qRed(c) + qGreen(c) + qBlue(c) > 255;
                        darker += qRed(c) + qGreen(c) + qBlue(c) < 255;
                    }
                }
                QVERIFY2(edge[0] && edge[1] && edge[2] && edge[3],
                         qPrintable(what + ": does not reach every edge"));
                QVERIFY2(cover >= 255 * w * h * 85 / 100, qPrintable(what + ": does not fill its rectangle"));
                QVERIFY2(pure >= w * h / 2, qPrintable(what + ": mostly not its side's colour"));
                if (h >= 2) { // room for a shape: round ends
                    for (const QPoint corner :
                         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                        QVERIFY2(qAlpha(blot.pixel(corner)) < 255, qPrintable(what + ": square corner"));
                }
                if (h >= 4) // and for a gloss and a rim
                    QVERIFY2(lighter > 0 && darker > 0, qPrintable(what + ": no gloss or no rim"));
            }
        }
    }
};

QTEST_MAIN(TestBoothScene)
#include "test_booth_scene.moc"
