// The settings file's text: its encoding (UTF-8 or Latin-1), its lines, names
// matched without case, and the value read or set in place of one key.
#include "platform/IniFile.h"

#include <climits>
#include <string>

namespace splot {

namespace ini {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Length of the well-formed UTF-8 sequence at s[i], or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80)
        return 1;
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0)
            lo = 0xA0; // no overlong forms
        if (c == 0xED)
            hi = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0)
            lo = 0x90;
        if (c == 0xF4)
            hi = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    if (b(i + 1) < lo || b(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF)
            return 0;
    return len;
}

// The code point at s[i] (advancing i). A byte that starts no well-formed
// sequence decodes to a value outside Unicode, so it matches only itself.
char32_t decodeNext(std::string_view s, std::size_t& i, bool utf8)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (!utf8 || c < 0x80) {
        ++i;
        return c;
    }
    const std::size_t len = utf8SequenceLength(s, i);
    if (len == 0) {
        ++i;
        return 0x110000 + c;
    }
    char32_t cp = c & (0xFF >> (len + 1));
    for (std::size_t k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += len;
    return cp;
}

// Case folding for name matching: ASCII and the Latin-1 letters.
char32_t fold(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    return c;
}

// A name from the file (in its encoding) against a name asked for (UTF-8).
bool sameName(std::string_view fileName, bool fileUtf8, std::string_view wanted)
{
    std::size_t i = 0, j = 0;
    while (i < fileName.size() && j < wanted.size()) {
        if (fold(decodeNext(fileName, i, fileUtf8)) != fold(decodeNext(wanted, j, true)))
            return false;
    }
    return i == fileName.size() && j == wanted.size();
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string latin1ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char c : s)
        appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

// Valid UTF-8 in, Latin-1 out; no result when a character is beyond U+00FF.
std::optional<std::string> utf8ToLatin1(std::string_view s)
{
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const char32_t cp = decodeNext(s, i, true);
        if (cp > 0xFF)
            return std::nullopt;
        out += static_cast<char>(cp);
    }
    return out;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// One line of the file, as offsets into its bytes.
struct Line {
    enum Kind { Other, Section, Key };
    Kind kind = Other;
    std::size_t begin = 0;      // first byte of the line
    std::size_t end = 0;        // first line-break byte (or the end of the file)
    std::size_t next = 0;       // first byte after one line break (\r\n, \r or \n)
    std::string_view name;      // the section's or key's name
    std::size_t valueStart = 0; // for a key: first byte after '='
    std::string_view value;     // for a key: the value, blanks dropped
};

// The line that starts at pos (after a UTF-8 byte-order mark at the very
// start): blank lines, comments and anything else that is neither a section nor
// a key are marked Other.
Line lineAt(std::string_view bytes, std::size_t pos, bool utf8)
{
    if (pos == 0 && utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        pos = 3;
    Line line;
    line.begin = pos;
    std::size_t end = pos;
    while (end < bytes.size() && !isBreak(bytes[end]))
        ++end;
    line.end = end;
    line.next = end;
    if (end < bytes.size()) {
        line.next = end + 1;
        if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            line.next = end + 2;
    }
    const std::string_view text = trimmed(bytes.substr(pos, end - pos));
    const auto textStart = static_cast<std::size_t>(text.data() - bytes.data());
    if (text.empty() || text.front() == ';') {
        // blank or comment
    } else if (text.front() == '[' && text.find(']', 1) != std::string_view::npos) {
        line.kind = Line::Section;
        line.name = trimmed(text.substr(1, text.rfind(']') - 1));
    } else if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
        line.kind = Line::Key;
        line.name = trimmed(text.substr(0, eq));
        line.valueStart = textStart + eq + 1;
        line.value = trimmed(text.substr(eq + 1));
    }
    return line;
}

struct Found {
    bool section = false;
    bool key = false;
    Line keyLine;  // the key's line
    Line lastLine; // the section's last key line, or its header when it has no keys
};

// One pass over the file, line by line, without keeping the lines.
Found find(std::string_view bytes, bool utf8, std::string_view section, std::string_view key)
{
    Found f;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Line line = lineAt(bytes, pos, utf8);
        pos = line.next;
        if (!f.section) {
            if (line.kind == Line::Section && sameName(line.name, utf8, section)) {
                f.section = true;
                f.lastLine = line;
            }
            continue;
        }
        if (line.kind == Line::Section)
            break; // only the first section of that name counts
        if (line.kind == Line::Key) {
            f.lastLine = line;
            if (sameName(line.name, utf8, key)) {
                f.key = true;
                f.keyLine = line;
                break;
            }
        }
    }
    return f;
}

std::string_view unquoted(std::string_view v)
{
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
        return v.substr(1, v.size() - 2);
    return v;
}

bool hasBreak(std::string_view s)
{
    return s.find_first_of("\r\n") != std::string_view::npos;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// The file's bytes with the key set. section and key (UTF-8) find the lines;
// newSection, newKey and newValue are the same texts in the file's encoding.
std::string edited(std::string bytes, bool utf8, std::string_view section, std::string_view key,
                   std::string_view newSection, std::string_view newKey, std::string_view newValue)
{
    const Found f = find(bytes, utf8, section, key);

    // Line breaks of new lines follow the file's first one: CR LF, CR alone or LF.
    std::string eol = "\n";
    if (const std::size_t br = bytes.find_first_of("\r\n"); br != std::string::npos) {
        if (bytes[br] == '\n')
            eol = "\n";
        else
            eol = br + 1 < bytes.size() && bytes[br + 1] == '\n' ? "\r\n" : "\r";
    }

    if (f.key) {
        const Line& line = f.keyLine;
        bytes.replace(line.valueStart, line.end - line.valueStart, newValue);
        return bytes;
    }
    const std::string keyLine = std::string(newKey) + "=" + std::string(newValue);
    if (f.section) {
        const Line& last = f.lastLine;
        if (last.next > last.end)
            bytes.insert(last.next, keyLine + eol);
        else // the last line of the file, without a line break: it keeps having none
            bytes.insert(last.next, eol + keyLine);
        return bytes;
    }
    const std::string block = "[" + std::string(newSection) + "]" + eol + keyLine;
    if (bytes.empty())
        bytes = block + eol;
    else if (isBreak(bytes.back()))
        bytes += block + eol;
    else
        bytes += eol + block;
    return bytes;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t len = utf8SequenceLength(bytes, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::optional<std::string> findValue(std::string_view fileBytes, std::string_view section,
                                     std::string_view key)
{
    const bool utf8 = isValidUtf8(fileBytes);
    const Found f = find(fileBytes, utf8, section, key);
    if (!f.key)
        return std::nullopt;
    const std::string_view value = unquoted(f.keyLine.value);
    return utf8 ? std::string(value) : latin1ToUtf8(value);
}

std::optional<std::string> withValue(std::string_view fileBytes, std::string_view section,
                                     std::string_view key, std::string_view value)
{
    // Only what reads back as written can be stored.
    if (section.empty() || trimmed(section) != section || hasBreak(section) || !isValidUtf8(section))
        return std::nullopt;
    if (key.empty() || trimmed(key) != key || hasBreak(key) || key.find('=') != std::string_view::npos ||
        key.front() == ';' || key.front() == '[' || !isValidUtf8(key))
        return std::nullopt;
    if (hasBreak(value) || !isValidUtf8(value))
        return std::nullopt;

    if (isValidUtf8(fileBytes))
        return edited(std::string(fileBytes), true, section, key, section, key, value);
    // A Latin-1 file takes new text in Latin-1, as long as that can say it and the
    // file stays recognisably Latin-1; otherwise the whole file goes over to UTF-8.
    const auto s = utf8ToLatin1(section), k = utf8ToLatin1(key), v = utf8ToLatin1(value);
    if (s && k && v) {
        std::string result = edited(std::string(fileBytes), false, section, key, *s, *k, *v);
        if (!isValidUtf8(result) || isAscii(result))
            return result;
    }
    return edited(latin1ToUtf8(fileBytes), true, section, key, section, key, value);
}

int parseInt(std::string_view value, int defaultValue)
{
    std::size_t i = 0;
    while (i < value.size() && isBlank(value[i]))
        ++i;
    if (i == value.size())
        return defaultValue;
    bool negative = false;
    if (value[i] == '-' || value[i] == '+') {
        negative = value[i] == '-';
        ++i;
    }
    long long n = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1)
            n = static_cast<long long>(INT_MAX) + 1; // saturate, the rest cannot matter
    }
    if (negative)
        n = -n;
    if (n > INT_MAX)
        n = INT_MAX;
    return static_cast<int>(n);
}

std::string firstChars(std::string_view utf8, int maxChars)
{
    std::size_t i = 0;
    for (int count = 0; count < maxChars && i < utf8.size(); ++count) {
        const std::size_t len = utf8SequenceLength(utf8, i);
        i += len == 0 ? 1 : len;
    }
    return std::string(utf8.substr(0, i));
}

} // namespace ini

} // namespace splot
