#include "platform/startup_id.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(StartupId, TimeAfterTheLastTimeMarker) {
    const struct {
        const char* id;
        std::optional<std::uint32_t> time;
    } cases[] = {
        {"launcher/vorurer/1234-0-host_TIME86421", 86421u},
        {"a_TIME1_TIME4294967295", 4294967295u}, // the last marker counts; the largest time
        {"a_TIME4294967296", std::nullopt},      // past 32 bits
        {"a_TIME0", std::nullopt},               // "no time"
        {"a_TIME", std::nullopt},
        {"a_TIME12x", std::nullopt},
        {"a_TIME-5", std::nullopt},
        {"8f2c6d1a-wayland-token", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startupIdTime(c.id), c.time) << c.id;
}

TEST(StartupId, RemoveMessageQuotesWhatNeedsIt) {
    const struct {
        const char* id;
        const char* message;
    } cases[] = {
        {"plain_TIME5", "remove: ID=plain_TIME5"},
        {"with space", R"(remove: ID="with space")"},
        {R"(q"b\e)", R"(remove: ID="q\"b\\e")"},
        {"", R"(remove: ID="")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startupRemoveMessage(c.id), c.message) << c.id;
}

TEST(StartupId, PiecesOfTwentyBytesEndWithANul) {
    for (const std::size_t length : {0u, 19u, 20u, 45u}) {
        const std::string message(length, 'x');
        const std::vector<std::string> pieces = startupMessagePieces(message);
        std::string joined;
        for (const std::string& piece : pieces) {
            EXPECT_EQ(piece.size(), 20u);
            joined += piece;
        }
        EXPECT_EQ(pieces.size(), length / 20 + 1) << length;
        EXPECT_EQ(joined.substr(0, length), message);
        EXPECT_EQ(joined.find_first_not_of('\0', length), std::string::npos) << length;
    }
}

} // namespace
} // namespace vz
