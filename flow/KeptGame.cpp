// The kept game's keys ("Feld= 8", "Zuege=D5:1234 E4:verstopft") written and
// read through one table of keys and their ranges, and the check that plays
// the moves through the engine.
#include "flow/KeptGame.h"

#include "engine/Board.h"

#include <limits>
#include <set>
#include <sstream>

namespace splot {

namespace {

constexpr int kMinSize = 6, kMaxSize = 15;
// More moves than a game makes: every cell once, and the squirts a blocked nozzle loses.
constexpr long long kMostMoves = 1 << 16;
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

std::string tracesText(const std::vector<KeptTrace>& traces)
{
    std::string text;
    for (const KeptTrace& t : traces)
        text += (text.empty() ? "" : " ") + cellName(t.column, t.row) + "@" + std::to_string(t.afterMoves);
    return text;
}

std::string movesText(const std::vector<KeptMove>& moves)
{
    std::string text;
    for (const KeptMove& m : moves)
        text += (text.empty() ? "" : " ") + cellName(m.column, m.row) + ":" +
                (m.blocked ? std::string(kBlocked) : std::to_string(m.seed)) + ":" +
                cellName(m.fromColumn, m.fromRow);
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
        const auto after =
            at == std::string::npos ? std::nullopt : wholeNumber(word.substr(at + 1), 0, kMostMoves);
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

// A section as far as it is read: the game, and the keys that check it.
struct Reading {
    KeptGame game;
    long long count = 0; // the number of moves written
    int toMove = 0;      // the side written to move
};

// One key of the section: its name, its text for a game, and its text read
// into the reading (false when the text is not one this key writes).
struct Key {
    const char* name;
    std::function<std::string(const KeptGame&)> write;
    std::function<bool(const std::string&, Reading&)> read;
};

// `value` stored in `to` when there is one.
template <class T, class V> bool store(const std::optional<V>& value, T& to)
{
    if (value)
        to = static_cast<T>(*value);
    return value.has_value();
}

// A number of the game between low and high.
template <class T> Key numberKey(const char* name, T KeptGame::*member, long long low, long long high)
{
    return {name, [member](const KeptGame& g) { return number(static_cast<long long>(g.*member)); },
            [member, low, high](const std::string& text, Reading& r) {
                return store(wholeNumber(text, low, high), r.game.*member);
            }};
}

// A yes or no of the game, written as the settings file writes them (-1, 0).
Key flagKey(const char* name, bool KeptGame::*member)
{
    return {name, [member](const KeptGame& g) { return number(g.*member ? kTrue : kFalse); },
            [member](const std::string& text, Reading& r) {
                return store(wholeNumber(text, kTrue, kFalse), r.game.*member);
            }};
}

// A painter's name: never empty.
Key nameKey(const char* name, std::string KeptGame::*member)
{
    return {name, [member](const KeptGame& g) { return g.*member; },
            [member](const std::string& text, Reading& r) {
                r.game.*member = text;
                return !text.empty();
            }};
}

// Every key of the section, in the order they are written.
const std::vector<Key>& sectionKeys()
{
    static const std::vector<Key> keys = {
        numberKey("Feld", &KeptGame::wallSize, kMinSize, kMaxSize),
        flagKey("Computer", &KeptGame::computerPlaysRed),
        numberKey("Spielstaerke", &KeptGame::level, 0, kMasterLevel),
        nameKey("Rot", &KeptGame::redName),
        nameKey("Blau", &KeptGame::blueName),
        flagKey("Duese_verstopft", &KeptGame::blockedNozzle),
        flagKey("Fettflecken", &KeptGame::greaseSpots),
        {"Flecken", [](const KeptGame& g) { return cellsText(g.grease); },
         [](const std::string& text, Reading& r) { return store(cellsOf(text), r.game.grease); }},
        numberKey("Fleckensaat", &KeptGame::greaseSeed, 0, 0xffffffffLL),
        {"Cursorspuren", [](const KeptGame& g) { return tracesText(g.cursorTraces); },
         [](const std::string& text, Reading& r) { return store(tracesOf(text), r.game.cursorTraces); }},
        {"Anfang", [](const KeptGame& g) { return sideName(g.firstMover); },
         [](const std::string& text, Reading& r) { return store(sideOf(text), r.game.firstMover); }},
        {"Zugzahl", [](const KeptGame& g) { return number(static_cast<long long>(g.moves.size())); },
         [](const std::string& text, Reading& r) {
             return store(wholeNumber(text, 0, kMostMoves), r.count);
         }},
        {"Zuege", [](const KeptGame& g) { return movesText(g.moves); },
         [](const std::string& text, Reading& r) { return store(movesOf(text), r.game.moves); }},
        {"AmZug", [](const KeptGame& g) { return sideName(g.toMove()); },
         [](const std::string& text, Reading& r) { return store(sideOf(text), r.toMove); }},
        {"Cursor", [](const KeptGame& g) { return cellName(g.cursor.column, g.cursor.row); },
         [](const std::string& text, Reading& r) { return store(cellOf(text), r.game.cursor); }},
        // From -5 after a draw refused up to the offer; the engine keeps it in 16 bits.
        numberKey("Remisangebot", &KeptGame::drawOfferCounter, std::numeric_limits<i16>::min(),
                  std::numeric_limits<i16>::max()),
    };
    return keys;
}

} // namespace

std::string cellName(int column, int row)
{
    return std::string(1, static_cast<char>('A' + column - 1)) + std::to_string(row);
}

KeptKeys keysOf(const KeptGame& game)
{
    KeptKeys keys;
    for (const Key& k : sectionKeys())
        keys.emplace_back(k.name, k.write(game));
    return keys;
}

KeptKeys emptyKeys()
{
    KeptKeys keys;
    for (const Key& k : sectionKeys())
        keys.emplace_back(k.name, std::string());
    return keys;
}

KeptSection keptGameFrom(const std::function<std::optional<std::string>(const std::string&)>& value)
{
    // A missing or empty size: nothing is kept. Keys this program does not
    // know (a later version's) are not asked for.
    const auto size = value(sectionKeys().front().name);
    if (!size || size->empty())
        return {};
    const KeptSection damaged{std::nullopt, true};
    Reading r;
    for (const Key& k : sectionKeys()) {
        const auto text = value(k.name);
        if (!text || !k.read(*text, r))
            return damaged;
    }
    // A truncated list of moves, or one whose turns do not add up.
    if (static_cast<std::size_t>(r.count) != r.game.moves.size() || r.toMove != r.game.toMove() ||
        !playsThrough(r.game))
        return damaged;
    return {r.game, false};
}

Phrase keptGameNote(const KeptSection& section)
{
    if (section.damaged)
        return "The game kept last time could not be read.";
    return section.game ? "A game is waiting: Game › Continue last game (Ctrl+R)" : "";
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
