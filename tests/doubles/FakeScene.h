// The main window as the game flow sees it, kept as plain state, with a log of
// the painters' frames and steps, the comments and the pointer in their order.
#pragma once

#include "platform/Scene.h"

#include <string>
#include <vector>

namespace splot::doubles {

class FakeScene final : public Scene {
public:
    void setCharacterFrame(int who, int frame) override
    {
        log.push_back("frame " + std::to_string(who) + " " + std::to_string(frames[who] = frame));
    }
    int characterFrame(int who) const override { return frames[who]; }
    void moveCharacter(int who, int dx, int dy) override
    {
        log.push_back("move " + std::to_string(who) + " " + std::to_string(dx) + " " + std::to_string(dy));
    }
    void setPumpVisible(int which, bool visible) override { pumpsShown[which] = visible; }
    bool pumpVisible(int which) const override { return pumpsShown[which]; }
    TwipRect pumpRect(int) const override { return {3600, 3900, 960, 480}; }
    TwipRect puddle(int who) const override { return puddles[who]; }
    void setPuddle(int who, const TwipRect& rect) override { puddles[who] = rect; }
    void setComment(const std::string& text) override { log.push_back("comment " + (commentText = text)); }
    std::string comment() const override { return commentText; }
    void setWallVisible(bool visible) override { wallShown = visible; }
    bool wallVisible() const override { return wallShown; }
    void setWallEnabled(bool enabled) override { wallInput = enabled; }
    bool wallEnabled() const override { return wallInput; }
    void focusWall() override {}
    void repaintWall() override {}
    void setMenuEnabled(MenuItem item, bool enabled) override { menuEnabled[int(item)] = enabled; }
    void setPointer(Pointer p) override { log.push_back(p == Pointer::Hourglass ? "hourglass" : "pointer"); }
    bool storyVisible() const override { return false; }
    int storyHeight() const override { return 0; }
    void setStoryHeight(int) override {}
    void hideStory() override {}

    int frames[2] = {0, 9};  // at rest, as the program starts
    bool pumpsShown[2] = {true, false};
    TwipRect puddles[2] = {};
    std::string commentText;
    bool wallShown = false, wallInput = true;  // the wall hidden until the first game
    bool menuEnabled[2] = {true, true};  // by MenuItem
    std::vector<std::string> log;
};

} // namespace splot::doubles
