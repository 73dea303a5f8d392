#include "platform/startup_id.h"

#include <charconv>

namespace vz {

std::optional<std::uint32_t> startupIdTime(std::string_view id) {
    constexpr std::string_view Marker = "_TIME";
    const std::size_t at = id.rfind(Marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = id.substr(at + Marker.size());
    std::uint32_t time = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), time);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || time == 0)
        return std::nullopt;
    return time;
}

std::string startupRemoveMessage(std::string_view id) {
    std::string message = "remove: ID=";
    const bool quote = id.empty() || id.find_first_of(" \"\\") != std::string_view::npos;
    if (quote)
        message += '"';
    for (const char c : id) {
        if (c == '"' || c == '\\')
            message += '\\';
        message += c;
    }
    if (quote)
        message += '"';
    return message;
}

std::vector<std::string> startupMessagePieces(std::string_view message) {
    constexpr std::size_t Piece = 20;
    std::string whole(message);
    whole += '\0';
    whole.resize((whole.size() + Piece - 1) / Piece * Piece, '\0');
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < whole.size(); at += Piece)
        pieces.push_back(whole.substr(at, Piece));
    return pieces;
}

} // namespace vz
