// What must stop a start before the event store is read: a store that cannot be the user's list
// as it is, where showing an empty or partial list would invite a save over the real one.
//
//     if (auto problem = vz::storeOpeningProblem(folder / "zadud2.ini"))
//         report(*problem);   // and end without reading or writing the store
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vz {

inline constexpr std::string_view StoreNotFoundMessage =
    "The event list %s cannot be found. Connect the drive or folder it is on, or remove the link, "
    "and start the program again.";
inline constexpr std::string_view StoreTooLargeMessage =
    "The event list %s is larger than 1 MiB, far more than any event list holds, and is left as "
    "it is. Move it away or shorten it, and start the program again.";

// Nothing when the store can be opened: it exists and is no larger than an event list can be, or
// there is none yet (a first start). Otherwise the message for the user:
// - a symbolic link whose target is missing (say, on a drive not mounted yet), named by the
//   target's path;
// - a file larger than MaxStoreFileBytes.
std::optional<std::string> storeOpeningProblem(const std::filesystem::path& store);

} // namespace vz
