#include "store/atomic_file.h"

#include "engine/convert_error.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#define VZ_HAVE_POSIX_FILES 1
#endif

namespace fs = std::filesystem;

namespace vz {

StoreWriteError::StoreWriteError(const fs::path& path)
    : std::runtime_error(formatMessage(UnableToWriteMessage, pathText(path))) {}

std::string pathText(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool readWholeFile(const fs::path& path, std::string& bytes) {
    bytes.clear();
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    if (const std::uintmax_t size = fs::file_size(path, ec); ec || size > MaxStoreFileBytes)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // Read in blocks rather than by character: a hand-made store may be large.
    char block[1 << 16];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        bytes.append(block, static_cast<std::size_t>(in.gcount()));
        // The file may grow while it is read.
        if (bytes.size() > MaxStoreFileBytes) {
            bytes.clear();
            return false;
        }
    }
    if (in.bad()) {
        bytes.clear();
        return false;
    }
    return true;
}

namespace {

constexpr std::size_t SuffixDigits = 16;

// The temporary file of a save: ".<name>.<16 hex digits>", hidden and named after its store.
fs::path temporaryNameOf(const fs::path& fileName, std::string_view suffix) {
    fs::path name = ".";
    name += fileName;
    name += ".";
    name += fs::path(std::string(suffix));
    return name;
}

std::string uniqueSuffix() {
    std::random_device device;
    std::mt19937_64 rng((static_cast<std::uint64_t>(device()) << 32) ^ device());
    char text[SuffixDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(rng()));
    return text;
}

bool isSuffix(std::string_view text) {
    if (text.size() != SuffixDigits)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// The rename lives in the folder's own data: until that reaches the disk, a power cut may bring
// the old file back even though the new one was flushed.
bool syncFolder(const fs::path& folder) {
#ifdef VZ_HAVE_POSIX_FILES
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder at all and say so with EINVAL; there is nothing
    // more to do on those.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
#else
    (void)folder;
    return true;
#endif
}

// Writes and flushes the bytes to a file that must not exist yet.
bool writeNewFile(const fs::path& path, std::string_view bytes) {
#ifdef VZ_HAVE_POSIX_FILES
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    for (const char* p = bytes.data(); ok && p < bytes.data() + bytes.size();) {
        const ssize_t n = ::write(fd, p, static_cast<std::size_t>(bytes.data() + bytes.size() - p));
        if (n > 0)
            p += n;
        else if (n < 0 && errno != EINTR)
            ok = false;
    }
    // On the disk before the rename, so a power cut cannot leave the new name on empty data.
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
#else
    if (fs::exists(path))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return out.good();
#endif
}

} // namespace

std::optional<fs::path> linkTarget(const fs::path& path) {
    // As many links as the system itself follows before it gives up on a loop.
    constexpr int MaxLinks = 40;
    fs::path at = path;
    std::error_code ec;
    for (int hops = 0; hops <= MaxLinks; ++hops) {
        if (!fs::is_symlink(at, ec))
            return at;
        const fs::path next = fs::read_symlink(at, ec);
        if (ec)
            return std::nullopt;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::nullopt;
}

void replaceFileAtomically(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    // The rename must replace the file a link leads to, never the link: a link into a folder
    // that is not there (a drive not mounted yet) must fail the save, not become a file here.
    const std::optional<fs::path> resolved = linkTarget(path);
    if (!resolved)
        throw StoreWriteError(path);
    const fs::path& target = *resolved;

    const fs::file_status existing = fs::status(target, ec);
    const bool exists = fs::exists(existing);
    if (exists) {
        // Renaming would happily replace a file the user made read-only, and a folder cannot be
        // replaced at all: both must fail the way an in-place write would.
        if (!fs::is_regular_file(existing))
            throw StoreWriteError(path);
        std::ofstream probe(target, std::ios::binary | std::ios::app);
        if (!probe)
            throw StoreWriteError(path);
    }

    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path temporary = folder / temporaryNameOf(target.filename(), uniqueSuffix());
    if (!writeNewFile(temporary, bytes)) {
        fs::remove(temporary, ec);
        throw StoreWriteError(path);
    }
    if (exists)
        fs::permissions(temporary, existing.permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        throw StoreWriteError(path);
    }
    // The new file is in place, but not yet surely on the disk: reported, so the user saves again
    // rather than trusting a save that a power cut could undo.
    if (!syncFolder(folder))
        throw StoreWriteError(path);
}

bool isSaveLeftover(const fs::path& fileName, const fs::path& storeFileName) {
    const std::string name = pathText(fileName);
    const std::string prefix = pathText(temporaryNameOf(storeFileName, ""));
    return name.size() > prefix.size() && name.starts_with(prefix) &&
           isSuffix(std::string_view(name).substr(prefix.size()));
}

int removeSaveLeftovers(const fs::path& folder, const fs::path& storeFileName,
                        std::chrono::seconds minimumAge) {
    int removed = 0;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code entryError;
        // A link or folder of that name is not something a save made.
        if (!entry.is_regular_file(entryError) || entry.is_symlink(entryError) ||
            !isSaveLeftover(entry.path().filename(), storeFileName))
            continue;
        const auto written = entry.last_write_time(entryError);
        if (entryError || now - written < minimumAge)
            continue;
        if (fs::remove(entry.path(), entryError))
            ++removed;
    }
    return removed;
}

} // namespace vz
