// The brain's side of the Gomocup protocol: one line in, the answer lines out.
// Plain C++ on the engine alone; main() only moves lines between it and the pipes.
#pragma once

#include "engine/Board.h"
#include "engine/Search.h"
#include "platform/Questions.h"
#include "platform/StdRandom.h"

#include <string>
#include <vector>

namespace splot {

// The seconds the master may think about one move: the turn limit less a margin, and no more
// than its share of the match's time left over the moves still expected. Milliseconds, -1 for
// unknown; a turn of 0 means as fast as it can; a match of 0 has no limit.
double moveSeconds(long turnMs, long matchMs, long leftMs, int emptyCells);

class BrainSession {
  public:
    // level: 0 very easy .. 3 expert, 4 master; seed: the generator's seed.
    explicit BrainSession(int level = kMasterLevel, std::uint32_t seed = 1);

    // Handles one line from the manager and appends the answer lines to out.
    // Returns false once the session ends (END).
    bool handle(const std::string& line, std::vector<std::string>& out);

    // The master searches so many nodes a move instead of by the clock (tests).
    void searchByNodes(long nodes);
    const MasterLimits& searchLimits() const { return search_.master.limits; }

  private:
    class Silent final : public Questions, public DrawOfferSink {
      public:
        bool askYesNo(const Phrase&, const Phrase&) override { return false; }
        ErrorChoice reportError(const Phrase&, const Phrase&) override { return ErrorChoice::Abort; }
        void drawAccepted() override {}
    };

    void start(long size, std::vector<std::string>& out);
    bool reset(long size);
    // Puts a splot of side (kRed own, kBlue the opponent's) on the cell; false
    // with an ERROR line when it cannot be painted.
    bool place(int x, int y, int side, std::vector<std::string>& out);
    void answerMove(std::vector<std::string>& out);
    void boardLine(const std::string& line, std::vector<std::string>& out);
    void info(const std::string& key, const std::string& value);
    void budget();

    StdRandom random_;
    Silent silent_;
    Search search_;
    Board board_;
    bool started_ = false;
    bool inBoard_ = false;
    std::vector<std::vector<long>> boardLines_; // x, y, who of a BOARD until its DONE
    std::string boardError_;                    // the first bad line's ERROR, empty if none
    i16 moves_ = 0;
    int fiveCell_ = 0; // the cell that completed five, 0 while the game goes on
    std::vector<int> history_;
    std::vector<int> afterFive_; // splots put on the board after five in a row
    // Milliseconds, -1 unknown; until the manager tells, a second a move as in the window.
    long timeoutTurn_ = 1000, timeoutMatch_ = -1, timeLeft_ = -1;
    bool timed_ = true;
};

} // namespace splot
