// Every picture and every painter frame renders from its SVG source at 1x and 2x: present, of the
// right size, not empty and not fully transparent. Also writes a contact sheet of all of them.
#include "assets/Pictures.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

using namespace splot::pictures;

namespace {

// Number of pixels with any opacity at all.
int visiblePixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                ++count;
        }
    }
    return count;
}

void checkPixmap(const QPixmap& pm, QSize logical, qreal dpr, const QString& what)
{
    QVERIFY2(!pm.isNull(), qPrintable(what + " is missing"));
    QCOMPARE(pm.devicePixelRatio(), dpr);
    QCOMPARE(pm.size(), logical * dpr);
    QCOMPARE(pm.deviceIndependentSize().toSize(), logical);
    const int visible = visiblePixels(pm.toImage());
    QVERIFY2(visible > 0, qPrintable(what + " is fully transparent"));
}

// Mean of red minus blue over the clearly coloured pixels: positive for reddish pictures.
double redOverBlue(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QColor c = QColor::fromRgba(argb.pixel(x, y));
            if (c.alpha() < 200 || c.hsvSaturation() < 120)
                continue;
            sum += c.red() - c.blue();
            ++n;
        }
    }
    return n ? sum / n : 0;
}

// Opaque pixels in a rectangle.
int opaqueIn(const QImage& image, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return n;
}

// Mean lightness over the pixels of the 20 x 20 picture with x + y < 19 (upper-left triangle)
// or x + y > 19 (lower-right).
double lightness(const QImage& image, bool upperLeft)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (upperLeft ? x + y >= image.width() - 1 : x + y <= image.width() - 1)
                continue;
            sum += QColor(image.pixel(x, y)).lightness();
            ++n;
        }
    }
    return sum / n;
}

// The booth as the main window puts it together: the wall (white here) at 133, 7, the pump and the
// two painters on the stage, the puddles as single red and blue pixels.
QPixmap composedBooth(qreal dpr, int redPose, int pump)
{
    const QPixmap booth = pixmap(Picture::Booth, dpr);
    QImage image(booth.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, booth);
    painter.fillRect(QRectF(133, 7, 287, 287), Qt::white);
    painter.drawPixmap(256, 300, pixmap(pump == 0 ? Picture::Pump0 : Picture::Pump1, dpr));
    painter.drawPixmap(238, 300, characterFrame(redPose, dpr));
    painter.drawPixmap(275, 300, characterFrame(redPose + characterPoseCount, dpr));
    painter.fillRect(QRectF(265, 332, 1, 1), QColor(255, 0, 0));
    painter.fillRect(QRectF(275, 332, 1, 1), QColor(0, 0, 255));
    painter.end();
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(dpr);
    return result;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    // Qt SVG warns about what it cannot draw (an unknown element, a missing reference): every such
    // warning is a picture that does not look as drawn.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyPictureRendersAtBothScales_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qreal>("dpr");
        for (Picture p : allPictures) {
            for (qreal dpr : {1.0, 2.0}) {
                QTest::addRow("%s@%gx", qPrintable(name(p)), dpr) << static_cast<int>(p) << dpr;
            }
        }
    }

    void everyPictureRendersAtBothScales()
    {
        QFETCH(int, index);
        QFETCH(qreal, dpr);
        const auto p = static_cast<Picture>(index);
        QVERIFY2(QFile::exists(resourcePath(p)), qPrintable(resourcePath(p)));
        checkPixmap(pixmap(p, dpr), logicalSize(p), dpr, name(p));
    }

    void picturesHaveTheirLayoutSizes()
    {
        QCOMPARE(logicalSize(Picture::Booth), QSize(543, 345));
        QCOMPARE(logicalSize(Picture::Title), QSize(466, 56));
        QCOMPARE(logicalSize(Picture::Side), QSize(80, 216));
        for (Picture p : {Picture::StartButton, Picture::StartButtonPressed, Picture::EndButton,
                          Picture::EndButtonPressed, Picture::HintButton, Picture::HintButtonPressed})
            QCOMPARE(logicalSize(p), QSize(36, 36));
        for (Picture p : {Picture::PluminNeutral, Picture::PluminPlus, Picture::PluminMinus})
            QCOMPARE(logicalSize(p), QSize(20, 20));
        QCOMPARE(logicalSize(Picture::Pump0), QSize(32, 32));
        QCOMPARE(logicalSize(Picture::Pump1), QSize(32, 32));
    }

    void everyCharacterFrameRendersAtBothScales()
    {
        for (int frame = 0; frame < characterFrameCount; ++frame) {
            for (qreal dpr : {1.0, 2.0}) {
                checkPixmap(characterFrame(frame, dpr), characterSize, dpr,
                            QStringLiteral("character frame %1 at %2x").arg(frame).arg(dpr));
            }
        }
    }

    // The frames come from strips of nine poses; a wrong offset shows one pose twice or the gap
    // between two poses.
    void everyFrameIsItsOwnPose()
    {
        QList<QImage> frames;
        for (int frame = 0; frame < characterFrameCount; ++frame)
            frames << characterFrame(frame, 1).toImage();
        for (int a = 0; a < characterFrameCount; ++a) {
            for (int b = a + 1; b < characterFrameCount; ++b)
                QVERIFY2(frames[a] != frames[b], qPrintable(QStringLiteral("frames %1 and %2").arg(a).arg(b)));
        }
    }

    void redsPainterIsRedAndBluesIsBlue()
    {
        for (int pose = 0; pose < characterPoseCount; ++pose) {
            QVERIFY2(redOverBlue(characterFrame(pose, 2).toImage()) > 40, qPrintable(QString::number(pose)));
            QVERIFY2(redOverBlue(characterFrame(pose + characterPoseCount, 2).toImage()) < -40,
                     qPrintable(QString::number(pose)));
        }
    }

    // Picture 1 is shown while Red (left) is to squirt: its hose runs out to the left edge.
    void pumpHoseTowardsTheSideToSquirt()
    {
        const QImage pump1 = pixmap(Picture::Pump1, 1).toImage();
        const QImage pump0 = pixmap(Picture::Pump0, 1).toImage();
        const QRect leftEdge(0, 16, 4, 16);
        const QRect rightEdge(28, 16, 4, 16);
        QVERIFY(opaqueIn(pump1, leftEdge) > 0);
        QCOMPARE(opaqueIn(pump1, rightEdge), 0);
        QVERIFY(opaqueIn(pump0, rightEdge) > 0);
        QCOMPARE(opaqueIn(pump0, leftEdge), 0);
    }

    // Plus is pressed in the upper-left triangle, minus in the lower-right: the pressed half is
    // the darker one, the other half looks as in the neutral picture.
    void pluminPressedHalfSinks()
    {
        const QImage neutral = pixmap(Picture::PluminNeutral, 2).toImage();
        const QImage plus = pixmap(Picture::PluminPlus, 2).toImage();
        const QImage minus = pixmap(Picture::PluminMinus, 2).toImage();
        QVERIFY(lightness(plus, true) < lightness(neutral, true) - 10);
        QVERIFY(qAbs(lightness(plus, false) - lightness(neutral, false)) < 3);
        QVERIFY(lightness(minus, false) < lightness(neutral, false) - 10);
        QVERIFY(qAbs(lightness(minus, true) - lightness(neutral, true)) < 3);
    }

    void pressedButtonsDifferFromTheirNormalFaces()
    {
        const std::pair<Picture, Picture> pairs[] = {{Picture::StartButton, Picture::StartButtonPressed},
                                                     {Picture::EndButton, Picture::EndButtonPressed},
                                                     {Picture::HintButton, Picture::HintButtonPressed}};
        for (const auto& [normal, pressed] : pairs)
            QVERIFY(pixmap(normal, 1).toImage() != pixmap(pressed, 1).toImage());
    }

    // The booth is the backdrop of the whole scene: no hole may let the window show through.
    void boothCoversItsWholeRectangle()
    {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage booth = pixmap(Picture::Booth, dpr).toImage();
            QCOMPARE(opaqueIn(booth, booth.rect()), booth.width() * booth.height());
        }
    }

    void framesOutsideTheStoreAreNull()
    {
        QVERIFY(characterFrame(-1, 1).isNull());
        QVERIFY(characterFrame(characterFrameCount, 1).isNull());
    }

    void appIconHasSeveralSizes()
    {
        const QIcon icon = appIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
        QVERIFY(visiblePixels(icon.pixmap(QSize(48, 48)).toImage()) > 0);
        QVERIFY(QFile::exists(QStringLiteral(":/icons/splotchery.svg")));
    }

    // Not a check: a sheet of every picture at 1x and 2x for people to look at.
    void writesContactSheet()
    {
        const int margin = 12;
        QImage sheet(1800, 3200, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(0, 128, 0));
        QPainter painter(&sheet);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(11);
        painter.setFont(font);
        int x = margin;
        int y = margin;
        int rowHeight = 0;
        auto place = [&](const QPixmap& pm, const QString& label) {
            const QSize s = pm.size(); // device pixels: the 2x pictures come out twice as large
            if (x + s.width() + margin > sheet.width()) {
                x = margin;
                y += rowHeight + margin + 14;
                rowHeight = 0;
            }
            QPixmap copy = pm;
            copy.setDevicePixelRatio(1);
            painter.drawPixmap(x, y, copy);
            painter.drawText(x, y + s.height() + 12, label);
            x += std::max(s.width(), 96) + margin;
            rowHeight = std::max(rowHeight, s.height());
        };
        for (qreal dpr : {1.0, 2.0}) {
            for (Picture p : allPictures)
                place(pixmap(p, dpr), QStringLiteral("%1 %2x").arg(name(p)).arg(dpr));
            for (int frame = 0; frame < characterFrameCount; ++frame)
                place(characterFrame(frame, dpr), QStringLiteral("f%1 %2x").arg(frame).arg(dpr));
            place(composedBooth(dpr, 4, 1), QStringLiteral("booth with wall, pump and painters %1x").arg(dpr));
            x = margin;
            y += rowHeight + margin + 14;
            rowHeight = 0;
        }
        painter.end();
        sheet = sheet.copy(0, 0, sheet.width(), std::min(sheet.height(), y + margin));
        QVERIFY(sheet.save(QStringLiteral(SPLOT_CONTACT_SHEET)));
    }
};

QTEST_MAIN(TestPictures)
#include "TestPictures.moc"
