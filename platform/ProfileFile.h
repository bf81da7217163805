// A sectioned key=value settings file, one key at a time (an interface).
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace splot {

// A sectioned settings file of key=value lines, read and written one key at a
// time. Section and key names match without regard to case.
class ProfileFile {
  public:
    virtual ~ProfileFile() = default;
    // The key's value as an integer: blanks skipped, one sign, digits up to the
    // first other character; no digits read 0; a missing key or an empty value
    // reads `defaultValue`.
    virtual int getInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    // The key's value (or the default), trimmed, at most size - 1 characters.
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, int size) = 0;
    // Stores the value; false when the file could not be written (the old file stays whole).
    virtual bool writeString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Stores several keys of one section together; false when the file could
    // not be written. A file on disk is replaced once, with all of them.
    using Entries = std::vector<std::pair<std::string, std::string>>;
    virtual bool writeStrings(const std::string& section, const Entries& entries)
    {
        bool ok = true;
        for (const auto& [key, value] : entries)
            ok = writeString(section, key, value) && ok;
        return ok;
    }
};

} // namespace splot
