// The record of decided games in the settings file, in a section of its own,
// "Statistik": one key a count, written like the file's other numbers
// ("Gewonnen1= 3"). A missing section or key reads 0, and so does a value that
// is not a sensible count (negative, not a number, too large).
#pragma once

#include "engine/GameRecord.h"
#include "platform/ProfileFile.h"

#include <string>

namespace splot {

class RecordStore {
  public:
    static constexpr const char* kSection = "Statistik";
    // The largest count taken from the file.
    static constexpr int kMaxCount = 999999999;

    explicit RecordStore(ProfileFile& file) : file_(file) {}

    GameRecord load();
    // Writes the one count that a result goes to.
    bool save(const GameRecord& record, const GameResult& result);
    // Every count back to 0, in memory and in the file.
    bool reset(GameRecord& record);

    // The key of a result's count: "Gewonnen0".."Gewonnen4", "Verloren0"..,
    // "Unentschieden0".. by level against the computer; "Rot_gewonnen",
    // "Blau_gewonnen" and "Unentschieden" between two humans.
    static std::string keyOf(const GameResult& result);
    // A count as it reads from the file's text.
    static int countOf(const std::string& text);

  private:
    ProfileFile& file_;
};

} // namespace splot
