// Faults injected into the system calls a save makes, for the tests of one executable: defining
// rename() and fsync() here takes the place of the C library's for everything linked into it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vz::test {

struct FileFaults {
    // The 1-based number of the rename that fails (0: none), counted from reset().
    int failRenameNumber = 0;
    // errno of a failing fsync on a folder (0: none).
    int folderSyncError = 0;
    // What happened, in order: "rename <from file name>" and "sync folder <path>".
    std::vector<std::string> calls;
    int renames = 0;

    void reset() { *this = FileFaults{}; }
};

FileFaults& fileFaults();

} // namespace vz::test
