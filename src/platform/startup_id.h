// The X11 startup notification a launcher hands a program it starts (DESKTOP_STARTUP_ID), as far
// as a running copy needs it to come to the front in the new start's place: the time of the
// user's click, which a window manager weighs against the user's latest input elsewhere, and the
// message that tells the launcher the start has finished.
//
//     vz::startupIdTime("launcher/vorurer/1234-0-host_TIME86421");   // 86421
//     vz::startupRemoveMessage("launcher/vorurer/1234-0-host_TIME86421");
//                                     // "remove: ID=launcher/vorurer/1234-0-host_TIME86421"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vz {

// The X server time a startup id carries after its last "_TIME", when that is a whole number
// that fits 32 bits and is not 0 (0 means "no time" to a window manager).
std::optional<std::uint32_t> startupIdTime(std::string_view id);

// The message ending a startup sequence; a value with a space, a quote or a backslash is quoted
// and escaped as the startup notification protocol asks.
std::string startupRemoveMessage(std::string_view id);

// A message cut into the 20-byte pieces of the X client messages that carry it, the last one
// holding the terminating NUL and padded with NULs.
std::vector<std::string> startupMessagePieces(std::string_view message);

} // namespace vz
