// What a screen reader is told during a game, and the reading keys on the wall.
#include "flow/Narrator.h"

#include "engine/Board.h"
#include "engine/GameSettings.h"
#include "flow/GameSnapshot.h"
#include "flow/Spoken.h"
#include "platform/Announcer.h"
#include "platform/Scene.h"

namespace splot {

Narrator::Narrator(const Board& board, const GameState& state, const GameSettings& settings,
                   const Scene& scene)
    : board_(board), state_(state), settings_(settings), scene_(scene)
{
}

void Narrator::noteComment()
{
    if (!announcer_)
        return;
    const Phrase text = scene_.comment();
    if (text == spokenComment_)
        return;
    spokenComment_ = text;
    if (!text.empty())
        spoken_.push_back(announcer_->shown(text));
}

void Narrator::say(const std::string& sentence)
{
    if (!announcer_)
        return;
    noteComment();
    spoken_.push_back(sentence);
}

void Narrator::speak(bool abandoned)
{
    if (!announcer_ || abandoned) {
        spoken_.clear();
        return;
    }
    noteComment();
    if (spoken_.empty())
        return;
    std::string text;
    for (const std::string& sentence : spoken_)
        text += (text.empty() ? "" : " ") + sentence;
    spoken_.clear();
    announcer_->announce(text);
}

void Narrator::sayMove(int side, int column, int row)
{
    if (announcer_ && side == kRed && settings_.computerPlaysRed != kFalse) {
        const Spoken words(board_, state_, settings_, *announcer_);
        say(words.say("%1 played %2.", words.sideName(side), Spoken::cellName(column, row)));
    }
}

void Narrator::sayWin(int winner, int line)
{
    if (!announcer_)
        return;
    const Spoken words(board_, state_, settings_, *announcer_);
    auto end = [&](int k) {
        const int p = board_.lineCells(k, line);
        const int row = p / board_.rowStride - 3;
        return Spoken::cellName(p - (row + 3) * board_.rowStride - 3, row);
    };
    say(words.say("%1 won: five in a row from %2 to %3.", words.sideName(winner), end(1), end(5)));
}

void Narrator::sayTakeBack(const Board& before)
{
    if (!announcer_)
        return;
    // The side that moves again is named first: its move was the earlier.
    std::string first, second;
    const int N = board_.wallSize;
    for (int row = 1; row <= N; ++row)
        for (int column = 1; column <= N; ++column) {
            const int cell = board_.index(column, row);
            const int was = before.cells(cell);
            if (board_.cells(cell) != kEmpty || (was != kRed && was != kBlue))
                continue;
            (was == board_.currentPlayer ? first : second) = Spoken::cellName(column, row);
        }
    const Spoken words(board_, state_, settings_, *announcer_);
    if (first.empty())
        std::swap(first, second);
    if (first.empty())
        return;
    // Said before the label's text that came back with the position.
    spoken_.push_back(second.empty() ? words.say("Taken back: %1.", first)
                                     : words.say("Taken back: %1 and %2.", first, second));
}

void Narrator::sayTaken(int column, int row)
{
    if (announcer_)
        say(Spoken(board_, state_, settings_, *announcer_)
                .say("%1 is taken.", Spoken::cellName(column, row)));
}

void Narrator::sayHint(int column, int row)
{
    if (announcer_)
        say(Spoken(board_, state_, settings_, *announcer_).say("Hint: %1.", Spoken::cellName(column, row)));
}

void Narrator::readOut(int keyCode)
{
    if (!announcer_ || !state_.boardExists)
        return;
    const Spoken words(board_, state_, settings_, *announcer_);
    std::string text;
    switch (keyCode) {
    case 'L':
        text = words.lastMoves();
        break;
    case 'T':
        text = words.turn();
        break;
    case 'R':
        text = words.row(state_.cursorY);
        break;
    case 'C':
        text = words.column(state_.cursorX);
        break;
    case 'D':
        text = words.diagonals(state_.cursorX, state_.cursorY);
        break;
    default:
        return;
    }
    announcer_->announce(text);
}

void Narrator::sayNothingThatWay()
{
    if (announcer_)
        say(announcer_->phrase("Nothing painted that way."));
}

} // namespace splot
