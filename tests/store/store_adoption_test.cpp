#include "store/store_adoption.h"

#include "engine/datetext.h"
#include "store/atomic_file.h"
#include "store/event_store.h"

#include "file_faults.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace vz {
namespace {

using Files = std::map<std::string, std::string>;

// Every file of a folder with its bytes, to show that a folder was not touched.
Files filesOf(const fs::path& folder) {
    Files files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string bytes;
        readWholeFile(entry.path(), bytes);
        files[entry.path().filename().string()] = bytes;
    }
    return files;
}

constexpr std::string_view Store = "[Entry1]\r\nDesc=Beside the program\r\nDate=46364\r\n"
                                   "Time=10:00 AM\r\n[Split]\r\nPos=150\r\n";
constexpr std::string_view OldStore = "[Entry1]\r\nDesc=Older\r\nDate=6/15/1998\r\n"
                                      "Time=03:00 PM\r\n";

class StoreAdoption : public ::testing::Test {
protected:
    void SetUp() override { test::fileFaults().reset(); }
    void TearDown() override { test::fileFaults().reset(); }
    test::TempFolder program;
    test::TempFolder home;
    fs::path data() const { return home / "vorurer"; }
};

TEST_F(StoreAdoption, TheStoresBesideTheProgramAreCopiedOnceAndOnlyRead) {
    program.write("zadud2.ini", Store);
    program.write("zadud.ini", OldStore);
    program.write("zadud.ini.bak", "an older backup");
    const Files before = filesOf(program.path());

    EXPECT_EQ(adoptStores(program.path(), data()), Adoption::Adopted);
    EXPECT_EQ(filesOf(data()),
              (Files{{"zadud2.ini", std::string(Store)}, {"zadud.ini", std::string(OldStore)}}));
    // From now on the data folder's store is the one: its changes are not overwritten again.
    writeGrid(data(), EventGrid{}, 120, usDefaults(), 2026);
    const Files changed = filesOf(data());
    EXPECT_EQ(adoptStores(program.path(), data()), Adoption::NotNeeded);
    EXPECT_EQ(filesOf(data()), changed);
    EXPECT_EQ(filesOf(program.path()), before);
}

TEST_F(StoreAdoption, TheOlderStoreIsConvertedInTheDataFolder) {
    program.write("zadud.ini", OldStore);
    ASSERT_EQ(adoptStores(program.path(), data()), Adoption::Adopted);
    RegionalSettings rs = usDefaults();
    fix2000(rs);
    ConvertOldZadudIniFile(data(), rs, 2026);
    EventGrid grid;
    int splitter = 200;
    readGrid(data(), grid, splitter, rs);
    EXPECT_EQ(grid.cells.cell(DescriptionCol, 1), "Older");
    EXPECT_EQ(filesOf(program.path()), (Files{{"zadud.ini", std::string(OldStore)}}));
}

TEST_F(StoreAdoption, NothingIsCopiedOverAStoreOfTheDataFolderOrFromAnEmptyFolder) {
    program.write("zadud2.ini", Store);
    for (const char* name : {"zadud2.ini", "zadud.ini"}) {
        SCOPED_TRACE(name);
        fs::create_directories(data());
        std::ofstream(data() / name) << "mine";
        EXPECT_EQ(adoptStores(program.path(), data()), Adoption::NotNeeded);
        EXPECT_EQ(filesOf(data()), (Files{{name, "mine"}}));
        fs::remove_all(data());
    }
    const test::TempFolder empty;
    EXPECT_EQ(adoptStores(empty.path(), data()), Adoption::NotNeeded);
    EXPECT_FALSE(fs::exists(data())); // made at the first save instead
}

TEST_F(StoreAdoption, AFailedCopyLeavesNoPartOfTheStoresBehind) {
    program.write("zadud2.ini", Store);
    program.write("zadud.ini", OldStore);
    // The second copy fails after the first one landed.
    test::fileFaults().failRenameNumber = 2;
    EXPECT_EQ(adoptStores(program.path(), data()), Adoption::Failed);
    EXPECT_TRUE(filesOf(data()).empty());

    test::fileFaults().reset();
    fs::remove_all(data());
    std::ofstream(home / "file") << "in the way of the folder";
    EXPECT_EQ(adoptStores(program.path(), home / "file" / "vorurer"), Adoption::Failed);
}

TEST_F(StoreAdoption, AStoreThatCannotBeReadIsNotReplacedByNothing) {
    fs::create_directory(program / "zadud2.ini");
    EXPECT_EQ(adoptStores(program.path(), data()), Adoption::Failed);
    EXPECT_FALSE(fs::exists(data()));
}

} // namespace
} // namespace vz
