// The settings file: a text file of [sections] and key=value lines, read and
// written one key at a time, the way the classic private-profile functions do.
#pragma once

#include "platform/ProfileFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace splot {

// The text layer, without any file access: what a key reads as in a file's
// bytes, and the bytes of the file with one key set. All strings passed in and
// returned are UTF-8; the file's bytes are UTF-8 when they are valid UTF-8 and
// Latin-1 otherwise.
namespace ini {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// The key's value, converted to UTF-8: the text after the first '=' with the
// blanks around it dropped and one pair of matching quotes (" or ') removed.
// Only the first section of that name is searched, and in it the first key of
// that name. No value when the section or the key is missing.
std::optional<std::string> findValue(std::string_view fileBytes, std::string_view section,
                                     std::string_view key);

// The file's bytes with section/key set to value. An existing key gets its text
// after '=' replaced; a new key goes after the last line of its section; a new
// section goes at the end of the file. New lines end with the file's first
// line break (CR LF, CR or LF; LF in a file without one). Every other byte
// stays as it was. New text is written in the file's own encoding: UTF-8, or
// Latin-1 for a Latin-1
// file; a Latin-1 file that must take a character Latin-1 lacks is converted to
// UTF-8 as a whole first. No result for names or values that cannot be stored
// so that they read back (line breaks, '=' in a key, surrounding blanks in a
// name, an empty name, invalid UTF-8).
std::optional<std::string> withValue(std::string_view fileBytes, std::string_view section,
                                     std::string_view key, std::string_view value);

// Integer reading: blanks, one sign, decimal digits up to the first other
// character; no digits read 0; an empty value reads defaultValue. Saturates at
// the limits of int.
int parseInt(std::string_view value, int defaultValue);

// The first maxChars characters of a UTF-8 text, never cutting a character in two.
std::string firstChars(std::string_view utf8, int maxChars);

} // namespace ini

// ProfileFile over one file on disk. Every call reads the file afresh; every
// write replaces the whole file atomically (a temporary file in the same folder,
// then rename), so a failed write leaves the old file whole and no temporary
// file behind.
//
// A file larger than kMaxFileBytes, a directory or other non-regular file, or a
// file that cannot be opened reads as empty (every key gives its default), and
// writing to it is refused (false) rather than replacing what is there: a
// settings file of that size is not ours, and rewriting it from the little we
// would read would destroy it.
//
// A file that may not be written (read-only, as a user makes it to freeze the
// settings) is never replaced either: the write is refused and the file keeps
// every byte.
class IniFile final : public ProfileFile {
  public:
    static constexpr std::size_t kMaxFileBytes = 4u << 20; // 4 MiB

    explicit IniFile(std::string path);

    int getInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string getString(const std::string& section, const std::string& key, const std::string& defaultValue,
                          int size) override;
    bool writeString(const std::string& section, const std::string& key, const std::string& value) override;
    bool writeStrings(const std::string& section, const Entries& entries) override;

    const std::string& path() const { return path_; }

  private:
    enum class ReadResult { Ok, Missing, Unusable };
    ReadResult readAll(std::string& bytes) const;

    std::string path_;
};

} // namespace splot
