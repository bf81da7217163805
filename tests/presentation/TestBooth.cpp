// The window's arrangement (pure figures and the booth widget), the etched
// frame, the scene's twip bookkeeping and the picture buttons.
#include "doubles/FakeClock.h"
#include "doubles/RecordingSound.h"
#include "doubles/ScriptedRandom.h"
#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/Game.h"
#include "presentation/Bevel.h"
#include "presentation/BoothView.h"
#include "presentation/Layout.h"
#include "presentation/PictureButton.h"
#include "presentation/WallPainter.h"
#include "presentation/WallView.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace splot;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

// Mouse events with an explicit button state, as the platform sends them.
void send(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void press(QWidget* w, QPointF pos, Qt::MouseButton b = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, pos, b, b);
}
void drag(QWidget* w, QPointF pos, Qt::MouseButtons held = Qt::LeftButton)
{
    send(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}
void release(QWidget* w, QPointF pos, Qt::MouseButton b = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonRelease, pos, b, Qt::NoButton);
}

} // namespace

class TestBooth : public QObject {
    Q_OBJECT
private slots:
    void halvingRoundsThenTruncates()
    {
        QCOMPARE(halve(1240), 620);
        QCOMPARE(halve(-81), -40);
        QCOMPARE(halve(-80), -40);
        QCOMPARE(halve(2.5), 1);   // 2.5 -> 2
        QCOMPARE(halve(3.5), 2);   // 3.5 -> 4
        QCOMPARE(halve(-3), -1);
    }

    void minimumWidthPutsTheButtons58TwipsRightOfTheBooth()
    {
        QCOMPARE(minimumOuterWidth(), 9485);
        const LayoutPlacement p = positionieren(9485, 9385, 6345);
        QCOMPARE(p.booth.left, 620);
        QCOMPARE(p.buttonsLeft - (p.booth.left + p.booth.width), 58);
        QVERIFY(!p.sideVisible);
    }

    void designWindowFigures()
    {
        const LayoutPlacement p = positionieren(9600, 9390, 6345);
        QCOMPARE(p.booth, (TwipRect{677, 750, 8145, 5175}));
        QCOMPARE(p.label, (TwipRect{30, 6060, 9330, 255}));
        QCOMPARE(p.title, (TwipRect{1254, -45, 6990, 840}));
        QCOMPARE(p.buttonsLeft, 8909);
    }

    void sidePictureOnlyWhenTheMarginIsWiderThanIt()
    {
        // booth.left = (W - 8245) \ 2 must exceed 1200.
        QVERIFY(!positionieren(10646, 10600, 6345).sideVisible);
        const LayoutPlacement p = positionieren(10647, 10600, 6345);
        QVERIFY(p.sideVisible);
        QCOMPARE(p.booth.left, 1201);
        QCOMPARE(p.side.left, 0);
        QCOMPARE(p.side.top, halve(p.booth.top + 5175 - 3240) + 300);
    }

    void etchedFrameIsTwoPixelsDeep()
    {
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::green);
        {
            QPainter painter(&image);
            drawEtchedFrame(painter, QRect(10, 10, 20, 5));
        }
        auto at = [&](int x, int y) { return image.pixelColor(x, y); };
        // First ring: dark grey top and left, white bottom and right.
        QCOMPARE(at(20, 9), kGrey);
        QCOMPARE(at(9, 12), kGrey);
        QCOMPARE(at(9, 9), kGrey);
        QCOMPARE(at(20, 15), kWhite);
        QCOMPARE(at(30, 12), kWhite);
        QCOMPARE(at(30, 9), kWhite);
        QCOMPARE(at(9, 15), kWhite);
        // Second ring: white top and left, dark grey bottom and right.
        QCOMPARE(at(20, 8), kWhite);
        QCOMPARE(at(8, 12), kWhite);
        QCOMPARE(at(20, 16), kGrey);
        QCOMPARE(at(31, 12), kGrey);
        QCOMPARE(at(31, 8), kGrey);
        QCOMPARE(at(8, 16), kGrey);
        // Nothing inside the label or beyond the second ring.
        QCOMPARE(at(20, 12), QColor(Qt::green));
        QCOMPARE(at(20, 7), QColor(Qt::green));
        QCOMPARE(at(32, 12), QColor(Qt::green));
        QCOMPARE(at(20, 17), QColor(Qt::green));
    }

    void boothFollowsTheWindowSize()
    {
        BoothView booth;
        booth.resize(700, 450);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        const LayoutPlacement& p = booth.placement();
        QCOMPARE(p.booth.left, halve(700 * 15 - 8145 - 100));
        QCOMPARE(booth.booth()->geometry(), QRect(twipsToPixels(p.booth.left), twipsToPixels(p.booth.top), 543, 345));
        QCOMPARE(booth.commentLabel()->geometry(), QRect(2, 450 - 19, 696, 17));
        for (int i = 0; i < 6; ++i) {
            QWidget* face = booth.picBut(i);
            QCOMPARE(face->mapTo(&booth, QPoint(0, 0)).x(), twipsToPixels(p.buttonsLeft));
            QCOMPARE(face->size(), QSize(36, 36));
        }
        QCOMPARE(booth.picBut(0)->y(), 128);
        QCOMPARE(booth.picBut(2)->y(), 176);
        QCOMPARE(booth.picBut(4)->y(), 224);
        QVERIFY(booth.booth()->isVisible());
        QVERIFY(booth.title()->isVisible());
        QVERIFY(!booth.sidePicture()->isVisible());
        booth.resize(710, 450);
        QVERIFY(booth.sidePicture()->isVisible());
        booth.resize(709, 450);
        QVERIFY(!booth.sidePicture()->isVisible());

        // The wall and the story box inside the booth at their design places.
        QCOMPARE(booth.wall()->geometry(), QRect(133, 7, 287, 287));
        QCOMPARE(booth.storyBox()->geometry(), QRect(3, 3, 537, 305));

        // The etched frame around the label, on the green background.
        const QImage shot = booth.grab().toImage();
        const QRect label = booth.commentLabel()->geometry();
        QCOMPARE(shot.pixelColor(350, label.top() - 1), kGrey);
        QCOMPARE(shot.pixelColor(350, label.top() - 2), kWhite);
        QCOMPARE(shot.pixelColor(350, label.bottom() + 1), kWhite);
        QCOMPARE(shot.pixelColor(350, label.bottom() + 2), kGrey);
        QCOMPARE(shot.pixelColor(label.left() - 1, label.center().y()), kGrey);
        QCOMPARE(shot.pixelColor(label.right() + 2, label.center().y()), kGrey);
        QCOMPARE(shot.pixelColor(350, label.top() - 3), QColor(0, 128, 0));
#ifdef SPLOT_BOOTH_SHOT
        // A picture to look at: a few splots, a splatter and a winning line.
        {
            Board board;
            GameState state;
            GameSettings settings;
            doubles::ScriptedRandom random({}, 5);
            doubles::RecordingSound sound;
            doubles::FakeClock clock;
            WallPainter painter(*booth.wall(), board, state, settings, random, sound, clock);
            board.newGame(8);
            state.boardExists = true;
            state.cursorX = 5;
            state.cursorY = 6;
            painter.Zeichne_Raster();
            for (int i = 1; i <= 5; ++i) {
                board.cells(board.index(i + 1, i)) = splot::kRed;
                painter.Zeichne_Klecks(i + 1, i);
                board.cells(board.index(i, 7 - i)) = splot::kBlue;
                painter.Zeichne_Klecks(i, 7 - i);
            }
            board.cells(board.index(7, 7)) = splot::kBlue;
            painter.Zeichne_Spritzer(7, 7);
            painter.Zeichne_Siegeslinie(81);   // the down-right diagonal from (2, 1)
            booth.setComment(QStringLiteral("Tulla's turn"));
            booth.grab().save(QStringLiteral(SPLOT_BOOTH_SHOT));
            booth.wall()->setPixelRatioOverride(2);
            booth.wall()->image().save(QStringLiteral(SPLOT_BOOTH_SHOT) + QStringLiteral(".wall2x.png"));
            booth.wall()->setPixelRatioOverride(0);
        }
#endif
    }

    void sceneKeepsTwips()
    {
        BoothView booth;
        QCOMPARE(booth.characterRect(1), (TwipRect{4120, 4500, 480, 480}));
        booth.moveCharacter(1, -7, 0);
        booth.moveCharacter(1, -8, 30);
        QCOMPARE(booth.characterRect(1), (TwipRect{4105, 4530, 480, 480}));
        QCOMPARE(booth.character(1)->geometry(), QRect(274, 302, 32, 32));

        QCOMPARE(booth.pumpRect(0), (TwipRect{3840, 4500, 480, 480}));
        QVERIFY(booth.pumpVisible(0));
        QVERIFY(!booth.pumpVisible(1));
        booth.setPumpVisible(1, true);
        QVERIFY(booth.pumpVisible(1));

        QCOMPARE(booth.puddle(0), (TwipRect{3980, 4980, 15, 15}));
        booth.setPuddle(0, TwipRect{3960, 4970, 0, 0});
        QCOMPARE(booth.puddle(0), (TwipRect{3960, 4970, 0, 0}));
        QCOMPARE(booth.puddleWidget(0)->size(), QSize(1, 1));   // a point
        booth.setPuddle(1, TwipRect{3920, 4955, 120, 30});
        QCOMPARE(booth.puddleWidget(1)->geometry(), QRect(261, 330, 8, 2));

        QCOMPARE(booth.characterFrame(0), 0);
        QCOMPARE(booth.characterFrame(1), 9);
        booth.setCharacterFrame(0, 4);
        QCOMPARE(booth.characterFrame(0), 4);

        QVERIFY(!booth.storyVisible());
        booth.showStory(QStringLiteral("Once upon a time"));
        QVERIFY(booth.storyVisible());
        QCOMPARE(booth.storyHeight(), 4575);
        booth.setStoryHeight(4575 - 150);
        QCOMPARE(booth.storyHeight(), 4425);
        booth.setStoryHeight(-20);
        QCOMPARE(booth.storyHeight(), 0);
        booth.hideStory();
        QVERIFY(!booth.storyVisible());
        // Shown again later (the story menu), the box opens at full height.
        booth.showStory(QStringLiteral("Once upon a time"));
        QCOMPARE(booth.storyHeight(), 4575);
        QCOMPARE(booth.storyBox()->toPlainText(), QStringLiteral("Once upon a time"));

        booth.setWallEnabled(false);
        QVERIFY(!booth.wallEnabled());
        booth.setWallVisible(false);
        QVERIFY(!booth.wallVisible());

        QVERIFY(booth.hintButtonVisible());
        booth.setHintButtonVisible(false);
        QVERIFY(!booth.hintButtonVisible());
        QVERIFY(booth.picBut(4)->isHidden());
    }

    void commentLabelIsNamedByItsText()
    {
        BoothView booth;
        booth.setComment(QStringLiteral("Pelko's turn"));
        QCOMPARE(booth.comment(), QStringLiteral("Pelko's turn"));
        QCOMPARE(booth.commentLabel()->accessibleName(), QStringLiteral("Pelko's turn"));
        booth.setComment(QString());
        QCOMPARE(booth.commentLabel()->accessibleName(), QStringLiteral("Comment"));
    }

    void everyControlHasAnAccessibleName()
    {
        BoothView booth;
        QList<QWidget*> controls{booth.wall(), booth.storyBox(), booth.commentLabel(), booth.booth(),
                                 booth.title(), booth.sidePicture(), booth.character(0), booth.character(1),
                                 booth.pump(0), booth.pump(1), booth.puddleWidget(0), booth.puddleWidget(1)};
        for (int i = 0; i < 6; ++i)
            controls << booth.picBut(i);
        for (QWidget* w : controls)
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
    }

    void buttonPressDragOffAndBackThenRelease()
    {
        BoothView booth;
        booth.resize(700, 450);
        booth.show();
        QVERIFY(QTest::qWaitForWindowExposed(&booth));
        QSignalSpy commands(&booth, &BoothView::pictureButtonCommand);
        PictureButton* start = booth.pictureButton(0);
        QWidget* pressedFace = booth.picBut(1);

        press(start, {10, 10});
        QVERIFY(start->pressedFlag());
        QVERIFY(pressedFace->isVisible());
        drag(start, {50, 10});   // off to the right
        QVERIFY(!start->pressedFlag());
        QVERIFY(!pressedFace->isVisible());
        drag(start, {36, 36});   // back: the bottom-right edge counts as inside
        QVERIFY(start->pressedFlag());
        QVERIFY(pressedFace->isVisible());
        QCOMPARE(commands.size(), 0);
        // The face is restored before the command runs.
        bool faceUpWhenRun = false;
        connect(&booth, &BoothView::pictureButtonCommand, this,
                [&] { faceUpWhenRun = !pressedFace->isVisible() && !start->pressedFlag(); });
        release(start, {36, 36});
        QCOMPARE(commands.size(), 1);
        QCOMPARE(commands[0][0].toInt(), 0);
        QVERIFY(faceUpWhenRun);
    }

    void releaseOutsideDoesNothing()
    {
        BoothView booth;
        booth.show();
        QSignalSpy commands(&booth, &BoothView::pictureButtonCommand);
        PictureButton* end = booth.pictureButton(1);
        press(end, {5, 5});
        drag(end, {-1, 5});
        release(end, {-1, 5});
        QCOMPARE(commands.size(), 0);
        QVERIFY(!end->pressedFlag());
        QVERIFY(booth.picBut(3)->isHidden());
        // Moving without a button held changes nothing.
        drag(end, {5, 5}, Qt::NoButton);
        QVERIFY(!end->pressedFlag());
    }

    void rightButtonWorksAndTheHintReportsItsIndex()
    {
        BoothView booth;
        booth.show();
        QSignalSpy commands(&booth, &BoothView::pictureButtonCommand);
        QTest::mouseClick(booth.pictureButton(2), Qt::RightButton, {}, QPoint(18, 18));
        QTest::mouseClick(booth.pictureButton(1), Qt::MiddleButton, {}, QPoint(1, 1));
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0][0].toInt(), 4);
        QCOMPARE(commands[1][0].toInt(), 2);
        // The hint button shows its pressed face while held, game or not.
        press(booth.pictureButton(2), {3, 3}, Qt::RightButton);
        QVERIFY(booth.picBut(5)->isVisible());
        release(booth.pictureButton(2), {3, 3}, Qt::RightButton);
        QVERIFY(!booth.picBut(5)->isVisible());
    }
};

QTEST_MAIN(TestBooth)
#include "TestBooth.moc"
