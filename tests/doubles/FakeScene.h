// The main window as the game flow sees it, kept as plain state. With a journal, the
// painters' frames and steps, the comments, the pointer, the pump pictures, the puddles
// and the wall's input are written to it, in one order with the other doubles' entries.
#pragma once

#include "platform/Scene.h"
#include "tests/doubles/Journal.h"

#include <functional>
#include <string>
#include <vector>

namespace splot::doubles {

class FakeScene final : public Scene, public Journaled {
  public:
    void setCharacterFrame(int who, int frame) override
    {
        if (auto hook = onFrame)
            hook(who, frame);
        note("frame", who, frames[who] = frame);
    }
    int characterFrame(int who) const override { return frames[who]; }
    void moveCharacter(int who, int dx, int dy) override { note("move", who, dx, dy); }
    void setPumpVisible(int which, bool visible) override
    {
        pumpsShown[which] = visible;
        note("pump " + std::to_string(which) + (visible ? " on" : " off"));
    }
    bool pumpVisible(int which) const override { return pumpsShown[which]; }
    TwipRect pumpRect(int) const override { return {3600, 3900, 960, 480}; }
    TwipRect puddle(int who) const override { return puddles[who]; }
    void setPuddle(int who, const TwipRect& r) override
    {
        note("puddle", who, (puddles[who] = r).left, r.top, r.width, r.height);
    }
    void setComment(const Phrase& text) override
    {
        commentPhrase = text;
        note("comment " + (commentText = text.english()));
    }
    Phrase comment() const override { return commentPhrase; }
    void setWallVisible(bool visible) override { wallShown = visible; }
    bool wallVisible() const override { return wallShown; }
    void setWallEnabled(bool enabled) override
    {
        wallInput = enabled;
        note(enabled ? "input on" : "input off");
    }
    bool wallEnabled() const override { return wallInput; }
    void focusWall() override {}
    void repaintWall() override {}
    void setMenuEnabled(MenuItem item, bool enabled) override { menuEnabled[int(item)] = enabled; }
    void setPointer(Pointer p) override { note(p == Pointer::Hourglass ? "hourglass" : "pointer"); }
    bool storyVisible() const override { return false; }
    int storyHeight() const override { return 0; }
    void setStoryHeight(int) override {}
    void hideStory() override {}

    int frames[2] = {0, 9}; // at rest, as the program starts
    bool pumpsShown[2] = {true, false};
    TwipRect puddles[2] = {};
    std::string commentText; // the phrase in English
    Phrase commentPhrase;
    bool wallShown = false, wallInput = true;             // the wall hidden until the first game
    bool menuEnabled[5] = {true, true, true, true, true}; // by MenuItem
    std::function<void(int who, int frame)> onFrame;      // runs before a frame is shown; may fail it
};

} // namespace splot::doubles
