#include "file_faults.h"

#include <cerrno>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vz::test {

FileFaults& fileFaults() {
    static FileFaults faults;
    return faults;
}

namespace {

template <typename F> F real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

std::string folderOf(int fd) {
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

} // namespace
} // namespace vz::test

extern "C" int rename(const char* from, const char* to) {
    using namespace vz::test;
    FileFaults& faults = fileFaults();
    faults.calls.push_back("rename " + std::filesystem::path(from).filename().string());
    if (++faults.renames == faults.failRenameNumber) {
        errno = EIO;
        return -1;
    }
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

extern "C" int fsync(int fd) {
    using namespace vz::test;
    FileFaults& faults = fileFaults();
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        faults.calls.push_back("sync folder " + folderOf(fd));
        if (faults.folderSyncError != 0) {
            errno = faults.folderSyncError;
            return -1;
        }
    }
    return real<int (*)(int)>("fsync")(fd);
}
