// Reading and writing the kept game's section of the settings file.
#include "shell/KeptGameStore.h"

namespace splot {

namespace {
// A key's text can be long (every move of a 15 x 15 wall); a default no key
// can hold tells a missing key from an empty one.
constexpr int kLongest = 1 << 16;
const std::string kMissing = "\n";
} // namespace

KeptSection KeptGameStore::load()
{
    return keptGameFrom([this](const std::string& key) -> std::optional<std::string> {
        std::string v = file_.getString(kSection, key, kMissing, kLongest);
        if (v == kMissing)
            return std::nullopt;
        return v;
    });
}

bool KeptGameStore::save(const KeptGame& game)
{
    return file_.writeStrings(kSection, keysOf(game));
}

bool KeptGameStore::clear()
{
    if (file_.getString(kSection, "Feld", "", 8).empty())
        return true;
    return file_.writeStrings(kSection, emptyKeys());
}

} // namespace splot
