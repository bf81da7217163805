// Fuzzes the settings file reader and writer: the input becomes a settings
// file, keys are written, and after every write the written key must read
// back, every other key must read as before and no other line may be lost; a
// refused write must leave the file as it was.
#include "platform/IniFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

const std::string kPath = (::access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::string("/tmp")) +
                          "/splot_fuzz_" + std::to_string(::getpid()) + ".ini";

std::string readFile()
{
    std::ifstream in(kPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What reading gives for a value written as `v`: blanks around dropped, one pair of matching quotes removed.
std::string readForm(std::string_view v)
{
    v.remove_prefix(std::min(v.size(), v.find_first_not_of(" \t")));
    v.remove_suffix(v.size() - std::min(v.size(), v.find_last_not_of(" \t") + 1));
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\''))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Names the fuzzer writes: the program's own, odd ones, and some taken from the input.
const std::vector<std::string> kSections = {"Einstellungen", "WINDOW", "a]b", "Ü"};
const std::vector<std::string> kKeys = {"Feld", "Düse_verstopft", "rot", "Status", "k"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first bytes steer the writes; the rest is the file.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::string_view steer = all.substr(0, 48);
    const auto byte = [&steer] {
        const unsigned b = steer.empty() ? 0u : static_cast<unsigned char>(steer.front());
        steer.remove_prefix(std::min<std::size_t>(steer.size(), 1));
        return b;
    };
    const auto text = [&](std::size_t max) {
        const std::size_t n = byte() % (max + 1);
        const std::string s(steer.substr(0, n));
        steer.remove_prefix(s.size());
        return s;
    };
    std::ofstream(kPath, std::ios::binary) << all.substr(steer.size());
    IniFile ini(kPath);
    for (int round = 0; round < 2; ++round) {
        const std::string& section = kSections[byte() % kSections.size()];
        const std::string key = byte() % 4 == 0 ? text(8) : kKeys[byte() % kKeys.size()];
        const std::string value = text(30);
        const std::string before = readFile();
        const bool written = ini.writeString(section, key, value);
        const std::string after = readFile();
        if (!written) {
            check(after == before); // a refused write leaves the file whole
            continue;
        }
        check(ini.getString(section, key, "\x01missing", 1 << 20) == readForm(value));
        for (const auto& s : kSections) // every other key reads as before
            for (const auto& k : kKeys)
                if (!ini::findValue("[" + s + "]\n" + k + "=", section, key))
                    check(ini::findValue(after, s, k) == ini::findValue(before, s, k));
        if (ini::isValidUtf8(before) || !ini::isValidUtf8(after)) { // same encoding: no other line lost
            const std::size_t head = std::ranges::mismatch(before, after).in1 - before.begin();
            std::size_t tail = 0; // the bytes after head alike at the ends of both
            while (tail < std::min(before.size(), after.size()) - head &&
                   before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
                ++tail;
            check(before.find_first_of("\r\n", head) >= before.size() - tail); // nothing from head to tail
        }
    }
    ::unlink(kPath.c_str());
    return 0;
}
