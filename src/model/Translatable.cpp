#include "Translatable.h"

std::string FillCountPattern(std::string_view pattern, std::span<const int> counts)
{
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const size_t n = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : counts.size();
        if (c == '%' && n < counts.size()) {
            text += std::to_string(counts[n]);
            ++i;
            continue;
        }
        text += c;
    }
    return text;
}
