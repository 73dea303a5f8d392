// Replacing a file whole: the new bytes go to a temporary file in the same folder, are flushed to
// the disk and then renamed over the old file, so a reader (or the next start after a crash) sees
// either the complete old file or the complete new one, never a mixture.
//
//     vz::replaceFileAtomically(folder / "zadud2.ini", bytes);   // throws vz::StoreWriteError
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vz {

inline constexpr std::string_view UnableToWriteMessage = "Unable to write to %s";

// The error of a save that did not happen; its text is the message the user sees.
class StoreWriteError : public std::runtime_error {
public:
    explicit StoreWriteError(const std::filesystem::path& path);
};

// A path as UTF-8 text, for messages.
std::string pathText(const std::filesystem::path& path);

// No event list comes near this size; a file larger than this is not read at all, so opening
// it costs nothing and nothing saved can replace what was never seen.
inline constexpr std::uintmax_t MaxStoreFileBytes = std::uintmax_t{1} << 20;

// Reads a whole file. Returns false (and leaves `bytes` empty) when it cannot be read or is
// larger than MaxStoreFileBytes.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Where a path leads when its symbolic links are followed, also when the last one points to a
// file that does not exist yet: its target, through any chain of links. The path itself when it
// is no link; nothing for a chain of links that never ends.
std::optional<std::filesystem::path> linkTarget(const std::filesystem::path& path);

// Throws StoreWriteError when the file cannot be replaced: the folder is not writable, the file is
// read-only, the path names a folder, or the disk is full. The old file is then untouched. A
// symbolic link is followed, so the file it points to is replaced and the link stays, also when
// that file does not exist yet; when its folder is missing, the save fails.
// The folder is flushed after the rename too. When only that flush fails, the new file is in
// place but not surely on the disk, and the save still throws, so the user is not told it is safe.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Whether a file name is that of a temporary file replaceFileAtomically makes for the store
// named `storeFileName` (".zadud2.ini.0123456789abcdef" for "zadud2.ini"), nothing looser.
bool isSaveLeftover(const std::filesystem::path& fileName,
                    const std::filesystem::path& storeFileName);

// Removes the temporary files that saves of `storeFileName` interrupted by a crash left in
// `folder`. Files written less than `minimumAge` ago are spared: they may belong to a save that
// another start of the program is making right now. Returns how many were removed.
int removeSaveLeftovers(const std::filesystem::path& folder,
                        const std::filesystem::path& storeFileName,
                        std::chrono::seconds minimumAge);

} // namespace vz
