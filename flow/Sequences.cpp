// The painters' picture sequences and their chatter.
#include "flow/Game.h"

#include "platform/Random.h"
#include "platform/Scene.h"

namespace splot {

void Game::chatter()
{
    if (soundOn())
        runGeschwaetz();
}

void Game::runGeschwaetz()
{
    procedure("Geschwaetz", false, [this] {
        // k = 7r + 4 rounded halves to even, 4 .. 11; above 8 the painter keeps quiet.
        float r = 1;
        step([&] { r = random_.Rnd(); });
        const int k = roundHalfEven(7.0 * static_cast<double>(r) + 4.0);
        if (k > 8)
            return;
        playSound("splot" + std::to_string(k) + ".wav");
        pause(0.4);
    });
}

void Game::runSequenz(int n)
{
    procedure("Sequenz", false, [this, n] { sequenzSteps(n); });
}

void Game::sequenzSteps(int n)
{
    double t = 0;
    switch (n) {
    case 1: // the introduction: the painters step forward and greet
        t = mark();
        waitUntil(t + 0.4);
        showFrame(0, 2);
        events();
        t = mark();
        step([this] { scene_.moveCharacter(0, -130, -60); });
        showFrame(0, 3);
        chatter();
        showFrame(1, 11);
        events();
        waitUntil(t + 0.5);
        chatter();
        showFrame(0, 4);
        step([this] { scene_.moveCharacter(1, 140, -60); });
        showFrame(1, 12);
        events();
        chatter();
        showFrame(1, 13);
        showFrame(0, 8);
        events();
        chatter();
        showFrame(1, 17);
        events();
        chatter();
        break;

    case 2: // Red has won
    case 3: // Blue has won
    {
        const int who = n == 2 ? 0 : 1;
        const int base = who * 9;
        t = mark();
        showFrame(who, base + 6);
        events();
        waitUntil(t + 0.4);
        t = mark();
        showFrame(who, base + 7);
        events();
        waitUntil(t + 0.4);
        showFrame(who, base + 5);
        break;
    }

    case 4: // draw
        showFrame(0, 5);
        showFrame(1, 14);
        break;

    case 5: // Red squirts: the pump turns to Blue's side
    case 6: // Blue squirts
    {
        const int who = n == 5 ? 0 : 1;
        const int base = who * 9;
        pause(0.3);
        t = mark();
        showFrame(who, base + 3);
        step([this, who] {
            scene_.setPumpVisible(who, true);
            scene_.setPumpVisible(1 - who, false);
        });
        events();
        waitUntil(t + 0.3);
        playSound("splot2.wav");
        showFrame(who, base + 8);
        break;
    }

    case 7: // new game
        chatter();
        pause(0.4);
        showFrame(1, 12);
        showFrame(0, 3);
        events();
        chatter();
        pause(0.4);
        showFrame(1, 13);
        chatter();
        pause(0.4);
        chatter();
        break;

    default:
        break;
    }
}

} // namespace splot
