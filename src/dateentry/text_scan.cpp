#include "dateentry/text_scan.h"

namespace vz {

namespace {

bool continues(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (word.empty() || at > text.size() || text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (upperAscii(text[at + i]) != upperAscii(word[i]))
            return false;
    return true;
}

char32_t firstCodePoint(std::string_view s) {
    if (s.empty())
        return 0;
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80)
        return b0;
    const int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : 1;
    char32_t c = b0 & (0x3F >> extra);
    for (int i = 1; i <= extra && i < static_cast<int>(s.size()); ++i)
        c = (c << 6) | (static_cast<unsigned char>(s[static_cast<std::size_t>(i)]) & 0x3F);
    return c;
}

int codePointCount(std::string_view text) {
    int n = 0;
    for (const char c : text)
        if (!continues(c))
            ++n;
    return n;
}

std::size_t byteOffsetOfCodePoint(std::string_view text, int index) {
    int n = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!continues(text[at])) {
            if (n == index)
                return at;
            ++n;
        }
    }
    return text.size();
}

} // namespace vz
