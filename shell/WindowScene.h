// The main window as the game flow's scene: every picture, the label and the
// wall are the booth's; the menu items and the mouse pointer are the window's.
#pragma once

#include "platform/Scene.h"

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace splot {

class BoothView;

class WindowScene final : public Scene {
  public:
    // The menu items the flow switches on and off.
    struct MenuItems {
        QAction* hint = nullptr;
        QAction* story = nullptr;
        QAction* takeBack = nullptr;
        QAction* replay = nullptr;
        // The kept game gives way: "Continue last game" is off for good.
        std::function<void()> keptGameGone;
    };

    WindowScene(QWidget& window, BoothView& booth, MenuItems items);
    ~WindowScene() override;
    WindowScene(const WindowScene&) = delete;
    WindowScene& operator=(const WindowScene&) = delete;

    // The hourglass off for good (the window is closing).
    void releasePointer();

    void setCharacterFrame(int who, int frame) override;
    int characterFrame(int who) const override;
    void moveCharacter(int who, int dxTwips, int dyTwips) override;
    void setPumpVisible(int which, bool visible) override;
    bool pumpVisible(int which) const override;
    TwipRect pumpRect(int which) const override;
    TwipRect puddle(int who) const override;
    void setPuddle(int who, const TwipRect& rect) override;
    void setComment(const Phrase& text) override;
    Phrase comment() const override;
    void setWallVisible(bool visible) override;
    bool wallVisible() const override;
    void setWallEnabled(bool enabled) override;
    bool wallEnabled() const override;
    void focusWall() override;
    void repaintWall() override;
    void setMenuEnabled(MenuItem item, bool enabled) override;
    void setPointer(Pointer pointer) override;
    bool storyVisible() const override;
    int storyHeight() const override;
    void setStoryHeight(int twips) override;
    void hideStory() override;

  private:
    QWidget& window_;
    BoothView& booth_;
    MenuItems items_;
    bool hourglass_ = false;
    Phrase comment_; // the label's text as the flow wrote it
};

} // namespace splot
