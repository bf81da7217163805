// The main window as the game flow changes it: painters, pump, puddles, label,
// wall, menu items and mouse pointer (an interface).
#pragma once

#include "platform/Phrase.h"
#include "platform/Types.h"

#include <string>

namespace splot {

// What the game flow changes on the main window besides the wall picture.
// Positions and sizes are twips, relative to the booth picture that holds the
// characters, the pump and the puddles.
class Scene {
  public:
    // Continue: off when the kept game is given up (a new game, a decided one, or
    // the kept one continued).
    enum class MenuItem { Tip, Story, TakeBack, Replay, Continue };
    enum class Pointer { Normal, Hourglass };

    virtual ~Scene() = default;

    // The two painters: who 0 is Red's, 1 Blue's; frame 0..17 of the picture store.
    virtual void setCharacterFrame(int who, int frame) = 0;
    virtual int characterFrame(int who) const = 0;
    virtual void moveCharacter(int who, int dxTwips, int dyTwips) = 0;

    // The pump: picture 1 while Red is to squirt, picture 0 while Blue is.
    virtual void setPumpVisible(int which, bool visible) = 0;
    virtual bool pumpVisible(int which) const = 0;
    virtual TwipRect pumpRect(int which) const = 0;

    // The puddles under the pump: 0 Red's, 1 Blue's.
    virtual TwipRect puddle(int who) const = 0;
    virtual void setPuddle(int who, const TwipRect& rect) = 0;

    // The comment label under the booth.
    virtual void setComment(const Phrase& text) = 0;
    virtual Phrase comment() const = 0;

    // The wall picture: visible, input enabled, keyboard focus, repaint.
    virtual void setWallVisible(bool visible) = 0;
    virtual bool wallVisible() const = 0;
    virtual void setWallEnabled(bool enabled) = 0;
    virtual bool wallEnabled() const = 0;
    virtual void focusWall() = 0;
    virtual void repaintWall() = 0;

    virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;
    virtual void setPointer(Pointer pointer) = 0;

    // The story box: its height in twips can be collapsed step by step.
    virtual bool storyVisible() const = 0;
    virtual int storyHeight() const = 0;
    virtual void setStoryHeight(int twips) = 0;
    virtual void hideStory() = 0;
};

} // namespace splot
