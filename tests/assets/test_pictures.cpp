// The art in one place: every picture and painter frame renders from its SVG source at 1x and 2x,
// the title's top rows stay clear, the booth's opening is the wall's rectangle framed in gold, the
// blocked nozzle's puddles are blots of their side's paint filling their rectangles, and every sound
// cue is a WAV any player takes.
#include "assets/Pictures.h"
#include "presentation/BoothView.h"
#include "presentation/Layout.h"
#include "presentation/WallView.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::pictures;

namespace {

// The paint of one side: pure hue, lightened by the gloss or darkened at the rim. Red keeps green and
// blue equal, blue keeps red and green equal (one unit of rounding from premultiplied alpha).
bool sidePaint(QRgb c, int side)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return side == 0 ? std::abs(g - b) <= 1 && r >= g : std::abs(r - g) <= 1 && b >= r;
}

QImage argb(const QPixmap& pm)
{
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Whether any pixel of an ARGB32 picture is not fully transparent.
bool painted(const QImage& image)
{
    return std::any_of(image.bits(), image.bits() + image.sizeInBytes(), [](uchar b) { return b; });
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

  private slots:
    // Qt SVG warns about what it cannot draw: every warning is a picture that does not look as drawn.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // Present, of its size, not fully transparent. The title reaches 3 pixels above the client area
    // at the default size: its top 4 rows stay clear and the lettering begins just below them.
    void everyPictureRendersAtBothScales()
    {
        for (int dpr : {1, 2}) {
            QList<std::tuple<QString, QPixmap, QSize>> all;
            for (Picture p : allPictures)
                all.append({name(p), pixmap(p, dpr), logicalSize(p)});
            for (int frame = 0; frame < characterFrameCount; ++frame)
                all.append(
                    {QStringLiteral("frame %1").arg(frame), characterFrame(frame, dpr), characterSize});
            for (const auto& [what, pm, size] : all) {
                QVERIFY2(pm.devicePixelRatio() == dpr && pm.size() == size * dpr, qPrintable(what));
                QVERIFY2(painted(argb(pm)), qPrintable(what + " is fully transparent"));
            }
            const QImage title = argb(pixmap(Picture::Title, dpr));
            QVERIFY(!painted(title.copy(0, 0, title.width(), 4 * dpr)) &&
                    painted(title.copy(0, 0, title.width(), 8 * dpr + 1)));
        }
    }

    // A ring 4 units wide around the wall's rectangle on the booth shows only the frame's gold
    // (light to dark, and its dark inner edge), at 1x and 2x: nothing reaches into the wall.
    void wallHangsInTheBoothsOpening()
    {
        BoothView view;
        const QRect wall = view.wall()->geometry();
        QCOMPARE(wall, QRect(133, 7, 287, 287));
        for (int dpr : {1, 2}) {
            const QImage booth = argb(pixmap(Picture::Booth, dpr));
            const QRect inner(wall.topLeft() * dpr, wall.size() * dpr);
            const QRect outer = inner.adjusted(-4 * dpr, -4 * dpr, 4 * dpr, 4 * dpr);
            int wrong = 0;
            for (int y = outer.top(); y <= outer.bottom(); ++y)
                for (int x = outer.left(); x <= outer.right(); ++x) {
                    const QRgb c = booth.pixel(x, y);
                    wrong +=
                        !inner.contains(x, y) && !(qAlpha(c) == 255 && qRed(c) >= 190 && qGreen(c) >= 130 &&
                                                   qGreen(c) <= 240 && qBlue(c) <= 160);
                }
            QCOMPARE(wrong, 0);
        }
    }

    // Each puddle (a point at the start, then growing with each blocked nozzle at the pump's foot)
    // fills its rectangle with a blot of its side's paint: reaching all four edges
    // (most of an edge pixel covered: a round end meets its side in one point), mostly the pure
    // colour, round ends, a light gloss and a darker rim along the bottom.
    void puddlesAreBlotsFillingTheirRectangles()
    {
        BoothView view;
        for (int blocks : {0, 1, 3, 6}) {
            for (int side = 0; side < 2; ++side) {
                const TwipRect t{(side == 0 ? 3960 : 4200) - blocks * (side == 0 ? 80 : 40),
                                 4970 - 15 * blocks, 120 * blocks, 30 * blocks};
                view.setPuddle(side, t);
                QImage blot(view.puddleWidget(side)->size(), QImage::Format_ARGB32_Premultiplied);
                blot.fill(Qt::transparent);
                view.puddleWidget(side)->render(&blot, QPoint(), QRegion(), QWidget::DrawChildren);
                blot = blot.convertToFormat(QImage::Format_ARGB32);
                const int w = blot.width(), h = blot.height();
                int cover = 0, pure = 0, lighter = 0, foreign = 0, edges = 0;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const QRgb c = blot.pixel(x, y);
                        const int sum = qRed(c) + qGreen(c) + qBlue(c);
                        foreign += qAlpha(c) && !sidePaint(c, side);
                        if (qAlpha(c) >= 160)
                            edges |= (y == 0) | (y == h - 1) << 1 | (x == 0) << 2 | (x == w - 1) << 3;
                        cover += qAlpha(c);
                        pure +=
                            qAlpha(c) == 255 && QColor(c) == (side ? QColor(0, 0, 255) : QColor(255, 0, 0));
                        lighter += qAlpha(c) == 255 && sum > 255;
                    }
                const int corner = std::max({qAlpha(blot.pixel(0, 0)), qAlpha(blot.pixel(w - 1, 0)),
                                             qAlpha(blot.pixel(0, h - 1)), qAlpha(blot.pixel(w - 1, h - 1))});
                QVERIFY2(foreign == 0 && edges == 15 && cover >= 255 * w * h * 85 / 100 &&
                             pure >= w * h / 2 && (h < 2 || corner < 255) &&
                             (h < 4 || (lighter > 0 && QColor(blot.pixel(w / 2, h - 1)).value() < 255)),
                         qPrintable(QStringLiteral("side %1 after %2 blocks").arg(side).arg(blocks)));
            }
        }
    }

    // PCM, mono, 16-bit, 22050 or 44100 Hz, under 150 KB, as long as its role allows (a chatter is
    // followed by a pause of 0.4 s), its loudest sample at least half of full scale and none clipped.
    void everyCueHasItsSound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("start-up jingle") << "splot0.wav" << 1.0 << 2.0;
        QTest::newRow("splat") << "splot1.wav" << 0.1 << 0.8;
        QTest::newRow("pump squirt") << "splot2.wav" << 0.1 << 0.8;
        QTest::newRow("victory fanfare") << "splot3.wav" << 1.0 << 2.2;
        for (int k = 4; k <= 8; ++k)
            QTest::addRow("chatter %d", k) << QStringLiteral("splot%1.wav").arg(k) << 0.1 << 0.4;
    }
    void everyCueHasItsSound()
    {
        QFETCH(QString, file);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        QFile f(soundResource(file.toStdString()));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName() + " is missing"));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.size() < 150 * 1024 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        // The chunks, walked by hand so that the check depends on no audio library.
        QMap<QByteArray, QByteArray> chunks;
        for (qsizetype at = 12; at + 8 <= bytes.size();) {
            const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
            QVERIFY2(at + 8 + size <= bytes.size(), "a chunk runs past the end of the file");
            chunks[bytes.mid(at, 4)] = bytes.mid(at + 8, size);
            at += 8 + size + (size & 1); // chunks are padded to an even length
        }
        const QByteArray fmt = chunks.value("fmt "), data = chunks.value("data");
        QVERIFY(fmt.size() >= 16 && data.size() >= 2);
        QCOMPARE(fmt.left(4), QByteArray::fromHex("01000100"));         // PCM, mono
        QCOMPARE(qFromLittleEndian<quint16>(fmt.constData() + 14), 16); // bits per sample
        const quint32 rate = qFromLittleEndian<quint32>(fmt.constData() + 4);
        const double seconds = data.size() / 2.0 / rate;
        QVERIFY((rate == 22050 || rate == 44100) && seconds >= minSeconds && seconds <= maxSeconds);
        QList<qint16> samples(data.size() / 2);
        qFromLittleEndian<qint16>(data.constData(), samples.size(), samples.data());
        const auto [low, high] = std::minmax_element(samples.cbegin(), samples.cend());
        QVERIFY(*low > -32768 && *high < 32767 && std::max(-*low, int(*high)) >= 16384);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
