// A text the game shows or says, as the flow and the engine write it: the
// English of the catalogue with %1, %2 ... standing for its parts. A part is
// shown as it is (a player's name, a cell, a number) or, when it is one of the
// program's own texts (an exclamation, "Computer"), in the program's language
// too. The label and the message boxes translate the English and fill in the
// parts; nothing reads a finished sentence back.
#pragma once

#include <string>
#include <vector>

namespace splot {

struct Phrase {
    struct Part {
        std::string text;
        bool ours = false; // one of the program's texts: translated as well
        bool operator==(const Part&) const = default;
    };

    Phrase() = default;
    // A whole text without parts ("Computer's turn").
    Phrase(const char* english) : text(english) {}
    Phrase(std::string english, std::vector<Part> parts) : text(std::move(english)), parts(std::move(parts))
    {
    }

    static Part name(std::string text) { return {std::move(text), false}; }
    static Part ours(std::string text) { return {std::move(text), true}; }

    // The sentence in English, every part filled in.
    std::string english() const;
    bool empty() const { return text.empty(); }
    bool operator==(const Phrase&) const = default;

    std::string text;
    std::vector<Part> parts;
};

// `pattern` with each %n replaced by parts[n - 1], in one pass, so that a part
// holding "%2" (a player may be called so) stays as it is. A %n without a
// part stays as it is.
std::string fillParts(const std::string& pattern, const std::vector<std::string>& parts);

} // namespace splot
