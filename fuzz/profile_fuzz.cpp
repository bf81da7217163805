// Fuzzes the settings file reader and writer: the input becomes a settings
// file, keys are read and written, and after every write the written key must
// read back, every other key must read as before, and every byte outside the
// edited line must stay as it was.
#include "platform/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

using namespace splot;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

const std::string& filePath()
{
    static const std::string path = [] {
        const char* shm = "/dev/shm";
        const std::string folder = ::access(shm, W_OK) == 0 ? shm : "/tmp";
        return folder + "/splot_fuzz_" + std::to_string(::getpid()) + ".ini";
    }();
    return path;
}

void writeFile(std::string_view bytes)
{
    std::ofstream out(filePath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile()
{
    std::ifstream in(filePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What reading gives for a value written as `value`: blanks around dropped, one
// pair of matching quotes removed.
std::string readForm(std::string_view v)
{
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Names and values the fuzzer writes: the program's own, and some taken from the input.
const std::vector<std::string> kSections = {"Einstellungen", "WINDOW", "a]b", "Ü"};
const std::vector<std::string> kKeys = {"Feld", "Düse_verstopft", "rot", "Status", "k"};

struct Input {
    std::string_view data;
    std::size_t pos = 0;
    unsigned byte() { return pos < data.size() ? static_cast<unsigned char>(data[pos++]) : 0u; }
    std::string text(std::size_t max)
    {
        const std::size_t n = std::min<std::size_t>(byte() % (max + 1), data.size() - std::min(pos, data.size()));
        std::string s(data.substr(pos, n));
        pos += n;
        return s;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first bytes steer the writes; the rest is the file.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t steer = std::min<std::size_t>(size, 48);
    Input in{all.substr(0, steer)};
    const std::string_view file = all.substr(steer);

    check(ini::firstChars(file, 24).size() <= file.size());

    writeFile(file);
    IniFile ini(filePath());
    for (int round = 0; round < 2; ++round) {
        const std::string& section = kSections[in.byte() % kSections.size()];
        std::string key = kKeys[in.byte() % kKeys.size()];
        if (in.byte() % 4 == 0)
            key = in.text(8);
        const std::string value = in.text(30);

        const std::string before = readFile();
        // What every program key reads as before the write.
        std::vector<std::optional<std::string>> others;
        for (const auto& s : kSections)
            for (const auto& k : kKeys)
                others.push_back(ini::findValue(before, s, k));

        const auto expected = ini::withValue(before, section, key, value);
        const bool written = ini.writeString(section, key, value);
        const std::string after = readFile();
        check(written == expected.has_value());
        if (!written) {
            check(after == before); // a refused write leaves the file whole
            continue;
        }
        check(after == *expected);

        // The written key reads back; a value with digits first reads as a number.
        check(ini.getString(section, key, "\x01missing", 1 << 20) == readForm(value));
        check(ini.getString(section, key, "", 25) == ini::firstChars(readForm(value), 24));
        const std::string number = readForm(value);
        if (!number.empty() && number[0] >= '0' && number[0] <= '9') {
            int n = 0;
            for (std::size_t d = 0; d < number.size() && d < 9 && number[d] >= '0' && number[d] <= '9'; ++d)
                n = n * 10 + (number[d] - '0');
            if (number.size() < 9)
                check(ini.getInt(section, key, -1) == n);
        }

        // Every other key reads as before.
        std::size_t i = 0;
        for (const auto& s : kSections)
            for (const auto& k : kKeys) {
                const bool same = ini::findValue("[" + s + "]\n" + k + "=", section, key).has_value();
                if (!same)
                    check(ini::findValue(after, s, k) == others[i]);
                ++i;
            }

        // Bytes: when the encoding stayed, only one stretch of the file changed.
        if (ini::isValidUtf8(before) || !ini::isValidUtf8(after)) {
            std::size_t head = 0;
            while (head < before.size() && head < after.size() && before[head] == after[head])
                ++head;
            std::size_t tail = 0;
            while (tail < before.size() - head && tail < after.size() - head &&
                   before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
                ++tail;
            const std::string_view removed = std::string_view(before).substr(head, before.size() - head - tail);
            check(removed.find_first_of("\r\n") == std::string_view::npos); // no other line lost
        }
    }
    ::unlink(filePath().c_str());
    return 0;
}
