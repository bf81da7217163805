// Every picture and painter frame renders from its SVG source at 1x and 2x: present, of its size
// and not fully transparent. All of them go onto a contact sheet in the build folder to look at.
#include "assets/Pictures.h"

#include <QtGui>
#include <QtTest>

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
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
