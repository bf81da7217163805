// One running record shared by the doubles, so a test can check the order of
// what happened across the clock, the scene, the wall, the sound and the questions.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace splot::doubles {

class Journal {
public:
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    void clear() { entries.clear(); }

    // The first entry at or after `from` that starts with `prefix`; -1 if none.
    int find(const std::string& prefix, int from = 0) const
    {
        for (int i = from < 0 ? 0 : from; i < static_cast<int>(entries.size()); ++i)
            if (entries[i].compare(0, prefix.size(), prefix) == 0)
                return i;
        return -1;
    }
    // The last entry that starts with `prefix`; -1 if none.
    int findLast(const std::string& prefix) const
    {
        for (int i = static_cast<int>(entries.size()) - 1; i >= 0; --i)
            if (entries[i].compare(0, prefix.size(), prefix) == 0)
                return i;
        return -1;
    }
    int count(const std::string& prefix, int from = 0, int to = -1) const
    {
        int n = 0;
        const int end = to < 0 ? static_cast<int>(entries.size()) : to;
        for (int i = from < 0 ? 0 : from; i < end && i < static_cast<int>(entries.size()); ++i)
            if (entries[i].compare(0, prefix.size(), prefix) == 0)
                ++n;
        return n;
    }
    bool contains(const std::string& prefix) const { return find(prefix) >= 0; }
    int size() const { return static_cast<int>(entries.size()); }

    std::vector<std::string> entries;
};

inline void note(Journal* journal, std::string entry)
{
    if (journal)
        journal->add(std::move(entry));
}

} // namespace splot::doubles
