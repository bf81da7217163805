// SiegText: one of the ten exclamations of a side, drawn at random.
#include "engine/VictoryText.h"

#include "engine/Board.h"
#include "platform/Random.h"

namespace splot {

std::string SiegText(int outcome, Random& random)
{
    // Rnd * 9 in single precision, rounded halves to even: 0 and 9 come up
    // half as often as the others.
    const float scaled = random.Rnd() * 9.0f;
    int entry = roundHalfEven(scaled);
    if (entry < 0)
        entry = 0;
    if (entry > 9)
        entry = 9;
    // Anything but 0 counts as a win of the computer.
    return kVictoryTexts[outcome == 0 ? 0 : 1][entry];
}

} // namespace splot
