// Filling a phrase's parts into its text.
#include "platform/Phrase.h"

#include <cctype>

namespace splot {

std::string fillParts(const std::string& pattern, const std::vector<std::string>& parts)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            std::isdigit(static_cast<unsigned char>(pattern[i + 1]))) {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '0');
            if (n >= 1 && n <= parts.size()) {
                out += parts[n - 1];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string Phrase::english() const
{
    std::vector<std::string> filled;
    for (const Part& p : parts)
        filled.push_back(p.text);
    return fillParts(text, filled);
}

} // namespace splot
