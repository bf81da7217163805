// The main window as the game flow sees it, kept as plain state: the painters'
// frames and places, the pump, the puddles, the comment, the wall's visibility
// and input, the menu items, the pointer and the story box.
#pragma once

#include "Journal.h"
#include "platform/Scene.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace splot::doubles {

class FakeScene final : public Scene {
public:
    void setCharacterFrame(int who, int frame) override
    {
        frames[who] = frame;
        frameHistory.emplace_back(who, frame);
        note(journal, "frame " + std::to_string(who) + " " + std::to_string(frame));
    }
    int characterFrame(int who) const override { return frames[who]; }
    void moveCharacter(int who, int dx, int dy) override
    {
        characters[who].left += dx;
        characters[who].top += dy;
        note(journal, "move " + std::to_string(who) + " " + std::to_string(dx) + " " + std::to_string(dy));
    }

    void setPumpVisible(int which, bool visible) override
    {
        pumpsShown[which] = visible;
        note(journal, std::string("pump ") + std::to_string(which) + (visible ? " shown" : " hidden"));
    }
    bool pumpVisible(int which) const override { return pumpsShown[which]; }
    TwipRect pumpRect(int which) const override { return pumps[which]; }

    TwipRect puddle(int who) const override { return puddles[who]; }
    void setPuddle(int who, const TwipRect& rect) override
    {
        puddles[who] = rect;
        note(journal, "puddle " + std::to_string(who));
    }

    void setComment(const std::string& text) override
    {
        commentText = text;
        comments.push_back(text);
        note(journal, "comment " + text);
    }
    std::string comment() const override { return commentText; }

    void setWallVisible(bool visible) override
    {
        wallShown = visible;
        note(journal, visible ? "wall shown" : "wall hidden");
    }
    bool wallVisible() const override { return wallShown; }
    void setWallEnabled(bool enabled) override
    {
        wallInput = enabled;
        note(journal, enabled ? "wall enabled" : "wall disabled");
    }
    bool wallEnabled() const override { return wallInput; }
    void focusWall() override
    {
        ++focusCount;
        note(journal, "wall focus");
    }
    void repaintWall() override
    {
        ++repaintCount;
        note(journal, "wall repaint");
    }

    void setMenuEnabled(MenuItem item, bool enabled) override
    {
        menuEnabled[item] = enabled;
        note(journal, std::string(item == MenuItem::Tip ? "menu tip " : "menu story ")
                          + (enabled ? "enabled" : "disabled"));
    }
    void setPointer(Pointer p) override
    {
        pointer = p;
        pointerHistory.push_back(p);
        note(journal, p == Pointer::Hourglass ? "pointer hourglass" : "pointer normal");
    }

    bool storyVisible() const override { return storyShown; }
    int storyHeight() const override { return storyHeightTwips; }
    void setStoryHeight(int twips) override
    {
        storyHeightTwips = twips;
        storyHeights.push_back(twips);
    }
    void hideStory() override
    {
        storyShown = false;
        note(journal, "story hidden");
    }

    // The state, open for tests to set up and to check.
    int frames[2] = {0, 9};  // at rest, as the program starts
    std::vector<std::pair<int, int>> frameHistory;
    TwipRect characters[2] = {{1500, 2700, 480, 480}, {5700, 2700, 480, 480}};
    bool pumpsShown[2] = {true, false};
    TwipRect pumps[2] = {{3600, 3900, 960, 480}, {3600, 3900, 960, 480}};
    TwipRect puddles[2] = {};
    std::string commentText;
    std::vector<std::string> comments;
    bool wallShown = false;  // hidden until the first game
    bool wallInput = true;
    int focusCount = 0;
    int repaintCount = 0;
    std::map<MenuItem, bool> menuEnabled{{MenuItem::Tip, true}, {MenuItem::Story, true}};
    Pointer pointer = Pointer::Normal;
    std::vector<Pointer> pointerHistory;
    bool storyShown = false;
    int storyHeightTwips = 0;
    std::vector<int> storyHeights;
    Journal* journal = nullptr;
};

} // namespace splot::doubles
