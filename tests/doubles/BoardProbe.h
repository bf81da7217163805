// Sets up a board's tables directly, for tests and benchmarks that probe the
// search with potentials no game would reach, or time one table update alone.
#pragma once

#include "engine/Board.h"

namespace splot {

struct BoardProbe {
    static i16& cells(Board& b, int c) { return b.cellAt(c); }
    static i16& cellScore(Board& b, int p, int c) { return b.cellScoreAt(p, c); }
    static i16& lineValue(Board& b, int l) { return b.lineValue_[l]; }
};

} // namespace splot
