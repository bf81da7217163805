// The unfinished game kept in the settings file between runs, in a section of
// its own, "Partie". A section that does not read back as a game that plays
// through the engine is told apart from none, and left as it is.
#pragma once

#include "flow/KeptGame.h"
#include "platform/ProfileFile.h"

namespace splot {

class KeptGameStore {
  public:
    static constexpr const char* kSection = "Partie";

    explicit KeptGameStore(ProfileFile& file) : file_(file) {}

    // No game, the game, or a damaged section; reading never writes.
    KeptSection load();
    // Writes the game, all keys in one replacement of the file.
    bool save(const KeptGame& game);
    // Empties the section's keys (other keys in it stay); a file without a
    // kept game is not written.
    bool clear();

  private:
    ProfileFile& file_;
};

} // namespace splot
