// The kept game's keys ("Feld= 8", "Zuege=D5:1234 E4:verstopft") read and
// written, and the check that plays the moves through the engine.
#include "flow/KeptGame.h"

#include "engine/Board.h"

#include <set>
#include <sstream>

namespace splot {

namespace {

constexpr int kMinSize = 6, kMaxSize = 15;
constexpr const char* kBlocked = "verstopft";

std::string number(long long v)
{
    return " " + std::to_string(v); // as the settings file writes numbers
}

std::string sideName(int side)
{
    return side == kRed ? "Rot" : "Blau";
}

std::string cellsText(const std::vector<KeptCell>& cells)
{
    std::string text;
    for (const KeptCell& c : cells)
        text += (text.empty() ? "" : " ") + cellName(c.column, c.row);
    return text;
}

// A whole number with nothing else but blanks around it.
std::optional<long long> wholeNumber(const std::string& text, long long low, long long high)
{
    std::istringstream in(text);
    long long v = 0;
    std::string rest;
    if (!(in >> v) || (in >> rest) || v < low || v > high)
        return std::nullopt;
    return v;
}

std::optional<KeptCell> cellOf(const std::string& name);

std::string tracesText(const std::vector<KeptTrace>& traces)
{
    std::string text;
    for (const KeptTrace& t : traces)
        text += (text.empty() ? "" : " ") + cellName(t.column, t.row) + "@" + std::to_string(t.afterMoves);
    return text;
}

std::optional<KeptCell> cellOf(const std::string& name)
{
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'Z')
        return std::nullopt;
    const auto row = wholeNumber(name.substr(1), 1, 99);
    if (!row || name[1] < '0' || name[1] > '9')
        return std::nullopt;
    return KeptCell{name[0] - 'A' + 1, static_cast<int>(*row)};
}

std::optional<std::vector<KeptCell>> cellsOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<KeptCell> cells;
    for (std::string word; in >> word;) {
        const auto c = cellOf(word);
        if (!c)
            return std::nullopt;
        cells.push_back(*c);
    }
    return cells;
}

std::optional<std::vector<KeptTrace>> tracesOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<KeptTrace> traces;
    for (std::string word; in >> word;) {
        const auto at = word.find('@');
        const auto c = cellOf(word.substr(0, at));
        const auto after = at == std::string::npos ? std::nullopt : wholeNumber(word.substr(at + 1), 0, 999);
        if (!c || !after)
            return std::nullopt;
        traces.push_back({c->column, c->row, static_cast<int>(*after)});
    }
    return traces;
}

std::optional<std::vector<KeptMove>> movesOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<KeptMove> moves;
    for (std::string word; in >> word;) {
        // cell:seed:cursor, or cell:verstopft:cursor
        const auto colon = word.find(':');
        const auto last = word.rfind(':');
        const auto c = cellOf(word.substr(0, colon));
        const auto from = cellOf(word.substr(last + 1));
        if (!c || !from || colon == std::string::npos || last == colon)
            return std::nullopt;
        KeptMove m{c->column, c->row, false, 0, from->column, from->row};
        const std::string after = word.substr(colon + 1, last - colon - 1);
        if (after == kBlocked) {
            m.blocked = true;
        } else {
            const auto seed = wholeNumber(after, 0, 0xffffffffLL);
            if (!seed || after.find_first_not_of("0123456789") != std::string::npos)
                return std::nullopt;
            m.seed = static_cast<std::uint32_t>(*seed);
        }
        moves.push_back(m);
    }
    return moves;
}

std::optional<int> sideOf(const std::string& text)
{
    if (text == "Rot")
        return kRed;
    if (text == "Blau")
        return kBlue;
    return std::nullopt;
}

bool onWall(const KeptCell& c, int n)
{
    return c.column >= 1 && c.column <= n && c.row >= 1 && c.row <= n;
}

} // namespace

std::string cellName(int column, int row)
{
    return std::string(1, static_cast<char>('A' + column - 1)) + std::to_string(row);
}

KeptKeys keysOf(const KeptGame& g)
{
    std::string moves;
    for (const KeptMove& m : g.moves)
        moves += (moves.empty() ? "" : " ") + cellName(m.column, m.row) + ":" +
                 (m.blocked ? std::string(kBlocked) : std::to_string(m.seed)) + ":" +
                 cellName(m.fromColumn, m.fromRow);
    return {
        {"Feld", number(g.wallSize)},
        {"Computer", number(g.computerPlaysRed ? kTrue : kFalse)},
        {"Spielstaerke", number(g.level)},
        {"Rot", g.redName},
        {"Blau", g.blueName},
        {"Duese_verstopft", number(g.blockedNozzle ? kTrue : kFalse)},
        {"Fettflecken", number(g.greaseSpots ? kTrue : kFalse)},
        {"Flecken", cellsText(g.grease)},
        {"Fleckensaat", number(g.greaseSeed)},
        {"Cursorspuren", tracesText(g.cursorTraces)},
        {"Anfang", sideName(g.firstMover)},
        {"Zugzahl", number(static_cast<long long>(g.moves.size()))},
        {"Zuege", moves},
        {"AmZug", sideName(g.toMove())},
        {"Cursor", cellName(g.cursor.column, g.cursor.row)},
        {"Remisangebot", number(g.drawOfferCounter)},
    };
}

KeptKeys emptyKeys()
{
    KeptKeys keys = keysOf(KeptGame{});
    for (auto& entry : keys)
        entry.second.clear();
    return keys;
}

std::optional<KeptGame>
keptGameFrom(const std::function<std::optional<std::string>(const std::string&)>& value)
{
    // Every key must be there; a missing or empty size means nothing is kept.
    std::vector<std::string> text;
    for (const auto& entry : emptyKeys()) {
        const auto v = value(entry.first);
        if (!v)
            return std::nullopt;
        text.push_back(*v);
    }
    if (text[0].empty())
        return std::nullopt;

    KeptGame g;
    const auto size = wholeNumber(text[0], kMinSize, kMaxSize);
    const auto computer = wholeNumber(text[1], -1, 0);
    const auto level = wholeNumber(text[2], 0, 3);
    const auto blocked = wholeNumber(text[5], -1, 0);
    const auto greased = wholeNumber(text[6], -1, 0);
    const auto grease = cellsOf(text[7]);
    const auto seed = wholeNumber(text[8], 0, 0xffffffffLL);
    const auto traces = tracesOf(text[9]);
    const auto first = sideOf(text[10]);
    const auto count = wholeNumber(text[11], 0, kMaxSize * kMaxSize);
    const auto moves = movesOf(text[12]);
    const auto toMove = sideOf(text[13]);
    const auto cursor = cellOf(text[14]);
    const auto offers = wholeNumber(text[15], 0, 1000);
    if (!size || !computer || !level || !blocked || !greased || !grease || !seed || !traces || !first ||
        !count || !moves || !toMove || !cursor || !offers || text[3].empty() || text[4].empty())
        return std::nullopt;
    g.wallSize = static_cast<int>(*size);
    g.computerPlaysRed = *computer != 0;
    g.level = static_cast<int>(*level);
    g.redName = text[3];
    g.blueName = text[4];
    g.blockedNozzle = *blocked != 0;
    g.greaseSpots = *greased != 0;
    g.grease = *grease;
    g.greaseSeed = static_cast<std::uint32_t>(*seed);
    g.cursorTraces = *traces;
    g.firstMover = *first;
    g.moves = *moves;
    g.cursor = *cursor;
    g.drawOfferCounter = static_cast<int>(*offers);
    // A truncated list of moves, or one whose turns do not add up.
    if (static_cast<std::size_t>(*count) != g.moves.size() || *toMove != g.toMove())
        return std::nullopt;
    if (!playsThrough(g))
        return std::nullopt;
    return g;
}

bool playsThrough(const KeptGame& g)
{
    const int n = g.wallSize;
    if (n < kMinSize || n > kMaxSize || !onWall(g.cursor, n) || (!g.greaseSpots && !g.grease.empty()))
        return false;
    if (!g.blockedNozzle)
        for (const KeptMove& m : g.moves)
            if (m.blocked)
                return false;
    Board board;
    board.newGame(n);
    std::set<int> greased;
    for (const KeptCell& c : g.grease) {
        if (!onWall(c, n) || !greased.insert(board.index(c.column, c.row)).second)
            return false;
        board.placeGreaseSpot(c.column, c.row);
    }
    for (const KeptTrace& t : g.cursorTraces)
        if (!greased.count(onWall({t.column, t.row}, n) ? board.index(t.column, t.row) : -1) ||
            t.afterMoves > static_cast<int>(g.moves.size()))
            return false;

    int mover = g.firstMover;
    int landed = 0;
    for (const KeptMove& m : g.moves) {
        const KeptCell cell{m.column, m.row};
        if (!onWall(cell, n) || !onWall({m.fromColumn, m.fromRow}, n))
            return false;
        const int i = board.index(m.column, m.row);
        if (board.cells(i) != kEmpty)
            return false; // painted twice, or paint on grease
        if (!m.blocked) {
            // Five in a row: the game would have been decided by this move.
            if (board.fiveLine(i, mover) != 0)
                return false;
            board.land(i, mover);
            if (++landed == board.playableCells)
                return false; // a full wall: a draw
        }
        mover = 1 - mover;
    }
    return true;
}

} // namespace splot
