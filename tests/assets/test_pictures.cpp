// The art in one place: every picture and painter frame renders from its SVG source at 1x and 2x
// (present, of its size, not fully transparent; all on a contact sheet in the build folder to look
// at), the title's top rows stay clear, the booth's opening is the wall's rectangle framed in gold,
// and the blocked nozzle's puddles are blots of their side's paint filling their rectangles.
#include "assets/Pictures.h"
#include "presentation/BoothView.h"
#include "presentation/Layout.h"
#include "presentation/PictureButton.h"
#include "presentation/WallView.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::pictures;

namespace {

// Every picture and every painter frame at one scale, with its name and its size in logical pixels.
QList<std::tuple<QString, QPixmap, QSize>> everyPicture(qreal dpr)
{
    QList<std::tuple<QString, QPixmap, QSize>> all;
    for (Picture p : allPictures)
        all.append({name(p), pixmap(p, dpr), logicalSize(p)});
    for (int frame = 0; frame < characterFrameCount; ++frame)
        all.append({QStringLiteral("frame %1").arg(frame), characterFrame(frame, dpr), characterSize});
    return all;
}

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

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    // Qt SVG warns about what it cannot draw: every warning is a picture that does not look as drawn.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyPictureRendersAtBothScales()
    {
        QImage sheet(1800, 2400, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(0, 128, 0));
        QPainter painter(&sheet);
        QPoint at(8, 8);
        int rowHeight = 0;
        for (qreal dpr : {1.0, 2.0}) {
            for (auto [what, pm, size] : everyPicture(dpr)) {
                what += QStringLiteral(" %1x").arg(dpr);
                QVERIFY2(!pm.isNull(), qPrintable(what + " is missing"));
                QCOMPARE(pm.devicePixelRatio(), dpr);
                QCOMPARE(pm.size(), size * dpr);
                QImage blank(pm.size(), QImage::Format_ARGB32_Premultiplied);
                blank.fill(Qt::transparent);
                QVERIFY2(pm.toImage().convertToFormat(blank.format()) != blank,
                         qPrintable(what + " is fully transparent"));

                pm.setDevicePixelRatio(1); // the 2x pictures come out twice as large on the sheet
                const int cell = std::max(pm.width(), 110); // room for the label
                if (at.x() + cell > sheet.width())
                    at = {8, at.y() + rowHeight + 24}, rowHeight = 0;
                painter.drawPixmap(at, pm);
                painter.drawText(at + QPoint(0, pm.height() + 14), what);
                at.rx() += cell + 8;
                rowHeight = std::max(rowHeight, pm.height());
            }
        }
        painter.end();
        sheet = sheet.copy(0, 0, sheet.width(), at.y() + rowHeight + 24);
        QVERIFY(sheet.save(QStringLiteral(SPLOT_CONTACT_SHEET)));
    }

    // At the default window size the title reaches 3 pixels above the window's client area, under the
    // menu bar. Its top 4 rows stay clear, so no letter is cut flat there, and the lettering begins
    // just below them (no wasted band).
    void titleKeepsItsTopRowsClear()
    {
        for (int dpr : {1, 2}) {
            const QImage title = pixmap(Picture::Title, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
            int firstRow = -1;
            for (int y = 0; y < title.height() && firstRow < 0; ++y)
                for (int x = 0; x < title.width() && firstRow < 0; ++x)
                    if (qAlpha(title.pixel(x, y)) != 0)
                        firstRow = y;
            QVERIFY2(
                firstRow >= 4 * dpr && firstRow <= 8 * dpr,
                qPrintable(QStringLiteral("%1x: the lettering begins in row %2").arg(dpr).arg(firstRow)));
        }
    }

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
    // and paints inside it, and only there, a blot of its side's paint: reaching all four edges,
    // mostly the pure colour, round ends, a light gloss and a darker rim.
    void puddlesAreBlotsFillingTheirRectangles()
    {
        BoothView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
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
            int outside = 0;
            for (int y = 0; y < wet.height(); ++y)
                for (int x = 0; x < wet.width(); ++x)
                    outside += !rects[0].contains(x, y) && !rects[1].contains(x, y) &&
                               wet.pixel(x, y) != bare.pixel(x, y);
            QCOMPARE(outside, 0);

            for (int side = 0; side < 2; ++side) {
                QImage blot(view.puddleWidget(side)->size(), QImage::Format_ARGB32_Premultiplied);
                blot.fill(Qt::transparent);
                view.puddleWidget(side)->render(&blot, QPoint(), QRegion(), QWidget::DrawChildren);
                blot = blot.convertToFormat(QImage::Format_ARGB32);
                const int w = blot.width(), h = blot.height();
                // Alpha summed, pixels of the pure colour, lighter and darker ones; the edges reached
                // (most of a pixel on them covered: a round end meets its side in one point).
                int cover = 0, pure = 0, lighter = 0, darker = 0, foreign = 0, edges = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const QRgb c = blot.pixel(x, y);
                        foreign += qAlpha(c) && !sidePaint(c, side);
                        if (qAlpha(c) >= 160)
                            edges |= (y == 0) | (y == h - 1) << 1 | (x == 0) << 2 | (x == w - 1) << 3;
                        cover += qAlpha(c);
                        const int sum = qRed(c) + qGreen(c) + qBlue(c);
                        pure +=
                            qAlpha(c) == 255 && QColor(c) == (side ? QColor(0, 0, 255) : QColor(255, 0, 0));
                        lighter += qAlpha(c) == 255 && sum > 255;
                        darker += qAlpha(c) == 255 && sum < 255;
                    }
                const int corner = std::max({qAlpha(blot.pixel(0, 0)), qAlpha(blot.pixel(w - 1, 0)),
                                             qAlpha(blot.pixel(0, h - 1)), qAlpha(blot.pixel(w - 1, h - 1))});
                const QString what = QStringLiteral("side %1 after %2 blocks").arg(side).arg(blocks);
                QVERIFY2(foreign == 0 && edges == 15 && cover >= 255 * w * h * 85 / 100 && pure >= w * h / 2,
                         qPrintable(what));
                QVERIFY2(h < 2 || corner < 255, qPrintable(what + ": square corners"));
                QVERIFY2(h < 4 || (lighter > 0 && darker > 0), qPrintable(what + ": no gloss or no rim"));
            }
        }
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
