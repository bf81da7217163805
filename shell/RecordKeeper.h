// The keeper of the record: the counts of decided games, loaded at start-up,
// counted as games are decided or taken back, shown in the record dialog.
#pragma once

#include "engine/GameRecord.h"
#include "shell/RecordStore.h"

#include <functional>

class QWidget;

namespace splot {

class RecordDialog;

class RecordKeeper {
  public:
    explicit RecordKeeper(ProfileFile& file) : store_(file) {}

    // The counts as the settings file holds them.
    void load() { record_ = store_.load(); }
    // A decided game (change 1) or a decided game taken back (change -1),
    // written to the file at once.
    void count(const GameResult& result, int change);
    // The record dialog, modal; made at its first showing, then reused.
    // askReset asks before its Reset sets every count to 0.
    void showDialog(QWidget* parent, std::function<bool()> askReset);

    const GameRecord& record() const { return record_; }
    RecordDialog* dialog() const { return dialog_; }

  private:
    RecordStore store_;
    GameRecord record_;
    RecordDialog* dialog_ = nullptr; // owned by its parent window
};

} // namespace splot
