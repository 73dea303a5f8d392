// A store kept through a symbolic link, and stores too large to be an event list: what the start
// reports and where a save goes.
#include "engine/convert_error.h"
#include "store/atomic_file.h"
#include "store/profile_file.h"
#include "store/store_check.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace vz {
namespace {

// Each case lays out a folder holding "zadud2.ini" (a link or a file) and says where a save of
// it must land, or that it must fail, and what the start reports.
struct LinkCase {
    const char* what;
    void (*lay)(const test::TempFolder&);
    const char* savedTo;    // relative to the folder; nullptr: the save fails
    const char* reportedAs; // the path the start-up message names; nullptr: no message
};

const LinkCase LinkCases[] = {
    {"link to a file",
     [](const test::TempFolder& f) {
         f.write("real.ini", "[S]\r\nk=1\r\n");
         fs::create_symlink(f / "real.ini", f / "zadud2.ini");
     },
     "real.ini", nullptr},
    {"relative chain of links",
     [](const test::TempFolder& f) {
         fs::create_directory(f / "sync");
         f.write("sync/real.ini", "[S]\r\nk=1\r\n");
         fs::create_symlink("sync/middle.ini", f / "zadud2.ini");
         fs::create_symlink("real.ini", f / "sync/middle.ini");
     },
     "sync/real.ini", nullptr},
    {"link to a file not made yet",
     [](const test::TempFolder& f) {
         fs::create_directory(f / "sync");
         fs::create_symlink(f / "sync/real.ini", f / "zadud2.ini");
     },
     "sync/real.ini", "sync/real.ini"},
    {"link into a folder that is not there (a drive not mounted)",
     [](const test::TempFolder& f) { fs::create_symlink(f / "mnt/real.ini", f / "zadud2.ini"); },
     nullptr, "mnt/real.ini"},
    {"links in a loop",
     [](const test::TempFolder& f) {
         fs::create_symlink(f / "other.ini", f / "zadud2.ini");
         fs::create_symlink(f / "zadud2.ini", f / "other.ini");
     },
     nullptr, "zadud2.ini"},
};

TEST(LinkedStore, SavesGoThroughTheLinkAndAMissingTargetIsReported) {
    for (const LinkCase& c : LinkCases) {
        SCOPED_TRACE(c.what);
        const test::TempFolder folder;
        c.lay(folder);
        const fs::path store = folder / "zadud2.ini";

        const std::optional<std::string> problem = storeOpeningProblem(store);
        if (c.reportedAs)
            EXPECT_EQ(problem,
                      formatMessage(StoreNotFoundMessage, pathText(folder / c.reportedAs)));
        else
            EXPECT_EQ(problem, std::nullopt);

        ProfileFile ini = ProfileFile::open(store);
        ini.writeString("S", "k", "2");
        if (c.savedTo) {
            ini.commit(store);
            EXPECT_EQ(folder.read(c.savedTo), "[S]\r\nk=2\r\n");
        } else {
            try {
                ini.commit(store);
                ADD_FAILURE() << "the save succeeded";
            } catch (const StoreWriteError& e) {
                EXPECT_EQ(std::string(e.what()), "Unable to write to " + pathText(store));
            }
        }
        // Whatever happened, the link is still a link.
        EXPECT_TRUE(fs::is_symlink(store));
    }
}

TEST(LargeStore, IsRefusedAtStartNeverReadAndNeverOverwritten) {
    struct Case {
        std::uintmax_t size;
        bool refused;
    };
    for (const Case c : {Case{MaxStoreFileBytes, false}, Case{MaxStoreFileBytes + 1, true},
                         Case{std::uintmax_t{1} << 30, true}}) {
        SCOPED_TRACE(c.size);
        const test::TempFolder folder;
        const fs::path store = folder / "zadud2.ini";
        folder.write("zadud2.ini", "[Entry1]\r\nDesc=Kept\r\n");
        fs::resize_file(store, c.size); // sparse: costs no disk
        EXPECT_EQ(storeOpeningProblem(store).has_value(), c.refused);

        ProfileFile ini = ProfileFile::open(store);
        EXPECT_EQ(ini.unreadable(), c.refused);
        EXPECT_EQ(ini.sectionExists("Entry1"), !c.refused);
        if (c.refused) {
            EXPECT_THROW(ini.commit(store), StoreWriteError);
            EXPECT_EQ(fs::file_size(store), c.size);
        }
    }
}

} // namespace
} // namespace vz
