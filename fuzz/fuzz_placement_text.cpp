// The stored window placement on arbitrary text and delimiters: reading never fails, the text
// only shrinks to at most 255 characters, and any placement read writes back to the same text.
#include "store/placement_text.h"
#include "store/text_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte picks the delimiter's length (0 to 3), the next bytes are the delimiter.
    const std::size_t delimiterLength = input.empty() ? 1 : static_cast<std::uint8_t>(input[0]) % 4;
    if (!input.empty())
        input.remove_prefix(1);
    const std::string delimiter(input.substr(0, delimiterLength));
    input.remove_prefix(std::min(delimiterLength, input.size()));

    std::string text(input);
    for (int field = 0; field < 12; ++field) {
        const std::string before = text;
        vz::NextPlacementNumber(text, -1, delimiter);
        check(text == before ||
              vz::utf8Prefix(text, vz::MaxPlacementTextLength).size() == text.size());
        check(text.size() <= before.size());
    }

    const vz::WindowPlacementRecord placement = vz::placementFromText(input, delimiter);
    vz::placementApplies(placement);
    if (!delimiter.empty() && delimiter.find_first_of("0123456789$+-") == std::string::npos) {
        const std::string written = vz::placementToText(placement, delimiter);
        check(vz::placementFromText(written, delimiter) == placement);
        check(vz::placementToText(vz::placementFromText(written, delimiter), delimiter) == written);
    }
    return 0;
}
