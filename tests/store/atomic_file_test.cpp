#include "store/atomic_file.h"

#include "file_faults.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace vz {
namespace {

using test::fileFaults;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        fileFaults().reset();
        // Without keeping the old bits a replaced file would come out 0644 under this mask.
        m_savedMask = ::umask(022);
    }
    void TearDown() override {
        ::umask(m_savedMask);
        fileFaults().reset();
    }
    test::TempFolder folder;

private:
    mode_t m_savedMask = 0;
};

TEST_F(AtomicFile, ReplacedFileKeepsItsPermissions) {
    for (const auto perms : {fs::perms(0600), fs::perms(0640), fs::perms(0666)}) {
        SCOPED_TRACE(static_cast<int>(perms));
        folder.write("zadud2.ini", "old");
        fs::permissions(folder / "zadud2.ini", perms);
        replaceFileAtomically(folder / "zadud2.ini", "new");
        EXPECT_EQ(folder.read("zadud2.ini"), "new");
        EXPECT_EQ(fs::status(folder / "zadud2.ini").permissions(), perms);
    }
}

TEST_F(AtomicFile, FailedRenameKeepsTheOldFileAndLeavesNoTemporaryFile) {
    folder.write("zadud2.ini", "old");
    fileFaults().failRenameNumber = 1;
    EXPECT_THROW(replaceFileAtomically(folder / "zadud2.ini", "new"), StoreWriteError);
    EXPECT_EQ(folder.read("zadud2.ini"), "old");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST_F(AtomicFile, FolderIsSyncedAfterTheRename) {
    replaceFileAtomically(folder / "zadud2.ini", "new");
    const std::vector<std::string>& calls = fileFaults().calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[0].starts_with("rename ")) << calls[0];
    EXPECT_EQ(calls[1], "sync folder " + fs::canonical(folder.path()).string());
}

TEST_F(AtomicFile, FolderThatCannotBeSyncedFailsTheSaveUnlessItCannotBeSyncedAtAll) {
    fileFaults().folderSyncError = EIO;
    EXPECT_THROW(replaceFileAtomically(folder / "zadud2.ini", "new"), StoreWriteError);
    // File systems that do not sync folders say EINVAL; the save is as safe as they allow.
    fileFaults().folderSyncError = EINVAL;
    EXPECT_NO_THROW(replaceFileAtomically(folder / "zadud2.ini", "newer"));
    EXPECT_EQ(folder.read("zadud2.ini"), "newer");
}

TEST(SaveLeftover, OnlyTheExactNameOfASaveCounts) {
    struct Case {
        const char* name;
        bool leftover;
    };
    for (const Case& c : {
             Case{".zadud2.ini.0123456789abcdef", true},
             Case{".zadud2.ini.0123456789ABCDEF", false}, // we write lower case
             Case{".zadud2.ini.0123456789abcde", false},
             Case{".zadud2.ini.0123456789abcdef0", false},
             Case{".zadud2.ini.0123456789abcdeg", false},
             Case{".zadud2.ini.", false},
             Case{"zadud2.ini.0123456789abcdef", false},
             Case{".zadud.ini.0123456789abcdef", false},
             Case{".zadud2.ini.bak", false},
             Case{"zadud2.ini", false},
         }) {
        EXPECT_EQ(isSaveLeftover(c.name, "zadud2.ini"), c.leftover) << c.name;
    }
}

TEST_F(AtomicFile, TheTemporaryFileOfASaveIsALeftoverByName) {
    replaceFileAtomically(folder / "zadud2.ini", "new");
    ASSERT_FALSE(fileFaults().calls.empty());
    const std::string temporary = fileFaults().calls[0].substr(std::string("rename ").size());
    EXPECT_TRUE(isSaveLeftover(temporary, "zadud2.ini")) << temporary;
}

TEST_F(AtomicFile, LeftoversOfInterruptedSavesAreRemovedAndNothingElse) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    folder.write("zadud2.ini", "the store");
    for (const char* name : {".zadud2.ini.0123456789abcdef", ".zadud2.ini.fedcba9876543210",
                             ".zadud2.ini.0123456789abcdeX", ".zadud2.ini.bak", "zadud.ini"}) {
        folder.write(name, "x");
        fs::last_write_time(folder / name, old);
    }
    folder.write(".zadud2.ini.1111111111111111", "a save being made right now");
    fs::create_directory(folder / ".zadud2.ini.2222222222222222");
    fs::last_write_time(folder / ".zadud2.ini.2222222222222222", old);

    EXPECT_EQ(removeSaveLeftovers(folder.path(), "zadud2.ini", std::chrono::seconds(60)), 2);
    EXPECT_FALSE(folder.exists(".zadud2.ini.0123456789abcdef"));
    EXPECT_FALSE(folder.exists(".zadud2.ini.fedcba9876543210"));
    for (const char* name :
         {"zadud2.ini", ".zadud2.ini.0123456789abcdeX", ".zadud2.ini.bak", "zadud.ini",
          ".zadud2.ini.1111111111111111", ".zadud2.ini.2222222222222222"})
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_EQ(folder.read("zadud2.ini"), "the store");
    EXPECT_EQ(removeSaveLeftovers(folder / "gone", "zadud2.ini", std::chrono::seconds(0)), 0);
}

} // namespace
} // namespace vz
