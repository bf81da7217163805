// The main window's central widget: the booth scene on its green background.
// The booth picture `bude` holds the wall, the story box, the two characters,
// the pump and the puddles; around it stand the title and side pictures, the
// picture buttons and the comment label with its etched frame. Positions the
// game flow changes are kept in twips relative to the booth (15 to a pixel).
#pragma once

#include "platform/Types.h"
#include "presentation/Layout.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace splot {

class PictureButton;
class PictureWidget;
class WallView;

class BoothView : public QWidget {
    Q_OBJECT
  public:
    explicit BoothView(QWidget* parent = nullptr);

    // --- Layout -----------------------------------------------------------
    // Arranges everything for the current client size and the window's outer
    // width in logical pixels (frame included), then repaints the label frame.
    // Runs by itself on every resize with outerWidth() as W.
    void positionieren(int outerWidthPx);
    // The window's outer width: the top-level frame's width, or this widget's
    // own width when it is the window itself.
    int outerWidth() const;
    // Twips: the narrowest outer width the window may have (9485, less on a
    // screen that does not hold the design).
    int minimumOuterWidthTwips() const;
    // The last arrangement: in the scene's units (twips at zoom 1), the label
    // in twips of this widget.
    const LayoutPlacement& placement() const { return placement_; }

    // --- Zoom with the window -------------------------------------------------
    // Off: nothing is scaled. On: above the design size the whole scene (booth,
    // title, side picture, buttons) grows by zoom(); the label keeps its size.
    void setZoomWithWindow(bool on);
    bool zoomWithWindow() const { return zoomWithWindow_; }
    // A screen that does not hold the design: the scene is drawn at `fit` (< 1)
    // whatever the choice, and with the choice on shrinks with the window too.
    void setScreenFit(double fit);
    double screenFit() const { return screenFit_; }
    // The factor the scene's units are enlarged by: 1 while the choice is off
    // (on a screen that holds the design).
    double zoom() const { return zoom_; }
    // A rectangle of the scene (twips at zoom 1) in logical pixels at the zoom.
    QRect pixelRect(const TwipRect& rect) const;

    // --- The parts ----------------------------------------------------------
    WallView* wall() const { return wall_; }
    QPlainTextEdit* storyBox() const { return story_; }
    QLabel* commentLabel() const { return comment_; }
    PictureWidget* booth() const { return booth_; }
    PictureWidget* title() const { return title_; }
    PictureWidget* sidePicture() const { return side_; }
    PictureWidget* character(int who) const { return characters_[who]; }
    PictureWidget* pump(int which) const { return pumps_[which]; }
    QWidget* puddleWidget(int who) const { return puddles_[who]; }
    // Button k: 0 start, 1 end, 2 hint.
    PictureButton* pictureButton(int k) const { return buttons_[k]; }
    // PicBut(index), 0..5: even indices the buttons, odd their pressed faces.
    QWidget* picBut(int index) const;

    // --- What the game flow changes (twips, relative to the booth) ------------
    void setCharacterFrame(int who, int frame);
    int characterFrame(int who) const;
    void moveCharacter(int who, int dxTwips, int dyTwips);
    TwipRect characterRect(int who) const { return characterRects_[who]; }

    void setPumpVisible(int which, bool visible);
    bool pumpVisible(int which) const;
    TwipRect pumpRect(int which) const { return pumpRects_[which]; }

    TwipRect puddle(int who) const { return puddleRects_[who]; }
    void setPuddle(int who, const TwipRect& rect);

    void setComment(const QString& text);
    QString comment() const;

    void setWallVisible(bool visible);
    bool wallVisible() const;
    void setWallEnabled(bool enabled);
    bool wallEnabled() const;
    void focusWall();
    void repaintWall();

    // The story box Text1.
    void showStory(const QString& text);
    bool storyVisible() const;
    int storyHeight() const { return storyRect_.height; }
    void setStoryHeight(int twips);
    void hideStory();

    // The hint button PicBut(4).
    void setHintButtonVisible(bool visible);
    bool hintButtonVisible() const;

  signals:
    // A picture button was released over itself: 0 start, 2 end, 4 hint. The
    // receiver runs the command (the hint only while a game is running).
    void pictureButtonCommand(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place(QWidget* widget, const TwipRect& rect) const;
    // Everything inside the booth and the buttons, at the current zoom.
    void placeScene();

    WallView* wall_ = nullptr;
    QPlainTextEdit* story_ = nullptr;
    QLabel* comment_ = nullptr;
    PictureWidget* booth_ = nullptr;
    PictureWidget* title_ = nullptr;
    PictureWidget* side_ = nullptr;
    PictureWidget* characters_[2] = {};
    PictureWidget* pumps_[2] = {};
    QWidget* puddles_[2] = {};
    PictureButton* buttons_[3] = {};

    TwipRect characterRects_[2];
    TwipRect pumpRects_[2];
    TwipRect puddleRects_[2];
    TwipRect storyRect_;
    LayoutPlacement placement_;
    bool zoomWithWindow_ = false;
    double screenFit_ = 1;
    double zoom_ = 1;
    double storyPointSize_ = 0; // the story's font at zoom 1
};

} // namespace splot
