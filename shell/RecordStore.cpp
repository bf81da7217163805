// The record in the settings file: loading, saving one count, the reset.
#include "shell/RecordStore.h"

#include "shell/SettingsStore.h"

#include <algorithm>
#include <vector>

namespace splot {

namespace {

// Every result the record keeps, in the order the keys are written on a reset.
std::vector<GameResult> everyResult()
{
    std::vector<GameResult> all;
    for (int level = 0; level < GameRecord::kLevels; ++level)
        for (int winner : {kBlue, kRed, kEmpty})
            all.push_back({true, level, winner});
    for (int winner : {kRed, kBlue, kEmpty})
        all.push_back({false, 0, winner});
    return all;
}

} // namespace

std::string RecordStore::keyOf(const GameResult& r)
{
    if (!r.againstComputer)
        return r.winner == kRed ? "Rot_gewonnen" : r.winner == kBlue ? "Blau_gewonnen" : "Unentschieden";
    const std::string level = std::to_string(std::clamp(r.level, 0, GameRecord::kLevels - 1));
    return (r.winner == kBlue ? "Gewonnen" : r.winner == kRed ? "Verloren" : "Unentschieden") + level;
}

int RecordStore::countOf(const std::string& text)
{
    // Blanks around it, then digits only.
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    const auto last = text.find_last_not_of(" \t");
    long long value = 0;
    for (auto i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
        if (value > kMaxCount)
            return 0;
    }
    return static_cast<int>(value);
}

GameRecord RecordStore::load()
{
    GameRecord record;
    for (const GameResult& r : everyResult())
        record.countOf(r) = countOf(file_.getString(kSection, keyOf(r), "0", 32));
    return record;
}

bool RecordStore::save(const GameRecord& record, const GameResult& result)
{
    return file_.writeString(kSection, keyOf(result), SettingsStore::numberText(record.countOf(result)));
}

bool RecordStore::reset(GameRecord& record)
{
    record = GameRecord{};
    bool ok = true;
    for (const GameResult& r : everyResult())
        ok = file_.writeString(kSection, keyOf(r), SettingsStore::numberText(0)) && ok;
    return ok;
}

} // namespace splot
