// The main window on a screen smaller than its design: the offscreen screen of 800 x 800 at
// twice the scale holds 400 x 400 logical pixels. The window opens as large as fits with the
// whole booth scene drawn smaller inside it and a click landing on its cell; with the zoom
// choice on, the scene shrinks further with a smaller window.
#include "tests/gui/WindowRig.h"

#include <QtTest>
#include <QtWidgets>

using namespace splot;
using namespace splot::testing;

class TestSmallScreen : public QObject {
    Q_OBJECT

    // Every part of the scene lies inside the window's client area, the booth at the zoom's size,
    // and a click in the middle of cell (c, r), found from the wall's size on screen, paints it.
    static void wholeAndPlayable(WindowRig& rig, int c, int r)
    {
        BoothView& b = *rig.window().booth();
        const double z = b.zoom();
        QCOMPARE(b.booth()->size(), QSize(int(std::lrint(543 * z)), int(std::lrint(345 * z))));
        // (The title may stand a pixel or two above, as at the design size.)
        for (QWidget* part : std::initializer_list<QWidget*>{b.booth(), b.title(), b.commentLabel(),
                                                             b.picBut(0), b.picBut(2), b.picBut(4)})
            QVERIFY2(b.rect().adjusted(0, -2, 0, 0).contains(part->geometry()),
                     part->metaObject()->className());
        QVERIFY(b.booth()->geometry().bottom() < b.commentLabel()->geometry().top());
        QVERIFY(b.sidePicture()->isHidden() || b.rect().contains(b.sidePicture()->geometry()));
        const double perTwip = rig.wall().width() / 4300.0;
        QTest::mouseClick(&rig.wall(), Qt::LeftButton, {},
                          QPointF((538 * c - 269) * perTwip, (538 * r - 269) * perTwip).toPoint());
        QVERIFY(rig.code(c, r) != kEmpty);
    }

  private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("splotchery")); }

    void theWholeBoothOnASmallScreen()
    {
        writeSettings(kQuietSettings); // a window of 640 x 460 pixels stored
        WindowRig rig;
        MainWindow& w = rig.window();
        QCOMPARE(w.screen()->availableGeometry(), QRect(0, 0, 400, 400));
        QCOMPARE(w.frameGeometry(), QRect(0, 0, 400, 400));
        // The zoom choice off: the narrowest booth and buttons fill the 400 pixels' width.
        QCOMPARE(w.booth()->zoom(), 400.0 / (9485.0 / 15));
        QVERIFY(w.minimumWidth() <= 400);
        rig.program->settings().computerPlaysRed = kFalse;
        w.start_Click();
        wholeAndPlayable(rig, 3, 2);

        // On: the scene follows the window, below what the screen holds too.
        w.zoomAction()->trigger();
        w.resize(300, 200 + w.menuBar()->height());
        QCOMPARE(w.booth()->zoom(), (3000.0 - 285) / (6345 - 285)); // the label keeps its 285 twips
        wholeAndPlayable(rig, 6, 7);
        QCOMPARE(disagreement(rig), QString());
    }
};

QTEST_MAIN(TestSmallScreen)
#include "test_small_screen.moc"
