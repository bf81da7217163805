// The Gomocup protocol on the engine: START, BEGIN, TURN, BOARD .. DONE,
// TAKEBACK, INFO, RESTART, ABOUT, END. Bad input gets an ERROR line; INFO never gets an answer.
#include "brain/Brain.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

namespace splot {

namespace {

std::string trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// A whole decimal number, nothing else.
bool number(const std::string& text, long& value)
{
    const std::string t = trim(text);
    const char* end = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), end, value);
    return !t.empty() && ec == std::errc() && p == end;
}

// "a,b" or "a,b,c": the numbers between the commas.
bool numbers(const std::string& text, std::vector<long>& values)
{
    values.clear();
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        long v = 0;
        if (!number(part, v))
            return false;
        values.push_back(v);
    }
    return !text.empty() && text.back() != ',';
}

constexpr int kMinBrainWall = 6;
constexpr int kMaxBrainWall = 15;

} // namespace

double moveSeconds(long turnMs, long matchMs, long leftMs, int emptyCells)
{
    // A quarter of the turn, and at least 150 ms, for the pipe, the process and the search's last step.
    double ms = std::min(turnMs * 0.75, turnMs - 150.0);
    if (matchMs != 0 && leftMs >= 0)
        ms = std::min(ms, leftMs * 0.9 / std::clamp(emptyCells / 2, 5, 25));
    return std::max(ms, 5.0) / 1000;
}

BrainSession::BrainSession(int level, std::uint32_t seed) : random_(seed), search_(random_, silent_, silent_)
{
    search_.gameLevel = static_cast<i16>(std::clamp(level, 0, kMasterLevel));
    budget();
}

bool BrainSession::handle(const std::string& raw, std::vector<std::string>& out)
{
    const std::string line = trim(raw);
    if (line.empty())
        return true;
    if (inBoard_) {
        boardLine(line, out);
        return true;
    }
    const auto space = line.find_first_of(" \t");
    std::string command = line.substr(0, space);
    const std::string rest = space == std::string::npos ? std::string() : trim(line.substr(space));
    std::transform(command.begin(), command.end(), command.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::vector<long> v;

    if (command == "END")
        return false;
    if (command == "ABOUT") {
        out.push_back("name=\"Splotchery\", version=\"" SPLOT_VERSION
                      "\", author=\"The Splotchery developers\", country=\"Germany\"");
    } else if (command == "START" || command == "RECTSTART") {
        started_ = false; // a start it cannot play leaves no game
        const bool rect = command == "RECTSTART";
        if (!numbers(rest, v) || v.size() != (rect ? 2u : 1u))
            out.push_back(rect ? "ERROR RECTSTART needs width,height" : "ERROR START needs the board size");
        else if (v.front() != v.back())
            out.push_back("ERROR only square boards");
        else
            start(v.front(), out);
    } else if (command == "INFO") {
        const auto gap = rest.find_first_of(" \t");
        info(rest.substr(0, gap), gap == std::string::npos ? std::string() : trim(rest.substr(gap)));
    } else if (command == "RESTART") {
        if (!started_)
            out.push_back("ERROR no game started");
        else
            start(board_.wallSize, out);
    } else if (command == "BOARD") {
        // The position is read up to DONE and only then taken, or refused whole.
        inBoard_ = true;
        boardLines_.clear();
        boardError_.clear();
    } else if (!started_ && (command == "BEGIN" || command == "TURN" || command == "TAKEBACK")) {
        out.push_back("ERROR no game started");
    } else if (command == "BEGIN") {
        if (moves_ != 0)
            out.push_back("ERROR the board is not empty");
        else
            answerMove(out);
    } else if (command == "TURN") {
        if (!numbers(rest, v) || v.size() != 2)
            out.push_back("ERROR TURN needs x,y");
        else if (fiveCell_ != 0)
            out.push_back("ERROR the game is over");
        else if (place(static_cast<int>(v[0]), static_cast<int>(v[1]), kBlue, out))
            answerMove(out);
    } else if (command == "TAKEBACK") {
        if (!numbers(rest, v) || v.size() != 2 || v[0] < 0 || v[1] < 0 || v[0] >= board_.wallSize ||
            v[1] >= board_.wallSize) {
            out.push_back("ERROR TAKEBACK needs x,y on the board");
        } else {
            const int cell = board_.index(static_cast<int>(v[0]) + 1, static_cast<int>(v[1]) + 1);
            const auto it = std::find(history_.begin(), history_.end(), cell);
            if (it == history_.end()) {
                out.push_back("ERROR nothing to take back there");
            } else if (cell == fiveCell_ || std::count(afterFive_.begin(), afterFive_.end(), cell)) {
                // Splots from five in a row on were never entered into the evaluation.
                board_.release(cell);
                std::erase(afterFive_, cell);
                if (cell == fiveCell_) {
                    fiveCell_ = 0;
                    for (const int c : afterFive_)
                        board_.release(c); // played after the end: gone with it
                    std::erase_if(history_, [&](int h) {
                        return std::count(afterFive_.begin(), afterFive_.end(), h) > 0;
                    });
                    afterFive_.clear();
                }
                std::erase(history_, cell);
                out.push_back("OK");
            } else {
                board_.takeBack(cell, moves_);
                history_.erase(it);
                out.push_back("OK");
            }
        }
    } else {
        out.push_back("UNKNOWN " + command);
    }
    return true;
}

void BrainSession::start(long size, std::vector<std::string>& out)
{
    if (reset(size))
        out.push_back("OK");
    else
        out.push_back("ERROR unsupported size " + std::to_string(size) + ", only 6 to 15");
}

bool BrainSession::reset(long size)
{
    if (size < kMinBrainWall || size > kMaxBrainWall)
        return false;
    board_.newGame(static_cast<int>(size));
    moves_ = 0;
    fiveCell_ = 0;
    history_.clear();
    afterFive_.clear();
    search_.drawOfferCounter = 0;
    started_ = true;
    return true;
}

bool BrainSession::place(int x, int y, int side, std::vector<std::string>& out)
{
    const int n = board_.wallSize;
    if (x < 0 || y < 0 || x >= n || y >= n) {
        out.push_back("ERROR " + std::to_string(x) + "," + std::to_string(y) + " is off the board");
        return false;
    }
    const int cell = board_.index(x + 1, y + 1);
    if (board_.cells(cell) != kEmpty) {
        out.push_back("ERROR " + std::to_string(x) + "," + std::to_string(y) + " is taken");
        return false;
    }
    history_.push_back(cell);
    if (fiveCell_ != 0) {
        // A board after five in a row: the splot is kept, nothing is evaluated.
        board_.reserve(cell, side);
        afterFive_.push_back(cell);
        return true;
    }
    if (board_.fiveLine(cell, side)) {
        // Five in a row ends the game; the evaluation stays as it was.
        board_.reserve(cell, side);
        fiveCell_ = cell;
        return true;
    }
    board_.play(cell, side, moves_);
    return true;
}

void BrainSession::answerMove(std::vector<std::string>& out)
{
    if (fiveCell_ != 0) {
        out.push_back("ERROR the game is over");
        return;
    }
    if (moves_ >= board_.playableCells) {
        out.push_back("ERROR the board is full");
        return;
    }
    budget();
    board_.currentPlayer = kRed;
    search_.hintMode = false;
    i16 column = 0, row = 0;
    if (!search_.Feld_Suche(board_, moves_, column, row)) {
        out.push_back("ERROR no move");
        return;
    }
    std::vector<std::string> ignored;
    place(column - 1, row - 1, kRed, ignored);
    out.push_back(std::to_string(column - 1) + "," + std::to_string(row - 1));
}

void BrainSession::boardLine(const std::string& line, std::vector<std::string>& out)
{
    std::string upper = line;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "DONE") {
        inBoard_ = false;
        if (!started_) {
            out.push_back("ERROR no game started");
        } else if (!boardError_.empty()) {
            out.push_back(boardError_);
        } else {
            reset(board_.wallSize);
            for (const std::vector<long>& v : boardLines_) {
                const int x = static_cast<int>(v[0]), y = static_cast<int>(v[1]);
                if (v[2] == 3) // a cell of a line already won in a continuous game: nobody's, never played
                    board_.placeGreaseSpot(x + 1, y + 1);
                else
                    place(x, y, v[2] == 1 ? kRed : kBlue, out);
            }
            answerMove(out);
        }
        return;
    }
    std::vector<long> v;
    const long n = board_.wallSize;
    const auto same = [&](const std::vector<long>& w) { return w[0] == v[0] && w[1] == v[1]; };
    if (boardError_.empty() &&
        (!numbers(line, v) || v.size() != 3 || v[0] < 0 || v[1] < 0 || v[0] >= n || v[1] >= n || v[2] < 1 ||
         v[2] > 3 || std::any_of(boardLines_.begin(), boardLines_.end(), same)))
        boardError_ = "ERROR bad board line " + line; // not x,y,who (1, 2 or 3) on a cell not given yet
    if (boardError_.empty())
        boardLines_.push_back(v);
}

void BrainSession::info(const std::string& key, const std::string& value)
{
    // Only the clock matters; other keys (the rule too: five or more always win here) and
    // malformed values are passed over in silence, as managers expect no answer.
    long v = 0;
    if (!number(value, v) || v < 0)
        return;
    if (key == "timeout_turn")
        timeoutTurn_ = v;
    else if (key == "timeout_match")
        timeoutMatch_ = v;
    else if (key == "time_left")
        timeLeft_ = v;
}

void BrainSession::searchByNodes(long nodes)
{
    timed_ = false;
    search_.master.limits.seconds = 0;
    search_.master.limits.nodes = nodes;
}

void BrainSession::budget()
{
    if (!timed_)
        return;
    // The clock alone ends the master's search; without a time left, the whole match is left.
    search_.master.limits = MasterLimits::forTime(moveSeconds(timeoutTurn_, timeoutMatch_,
                                                              timeLeft_ >= 0 ? timeLeft_ : timeoutMatch_,
                                                              board_.playableCells - moves_));
}

} // namespace splot
