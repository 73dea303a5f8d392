#include "store/event_store.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace vz {
namespace {

// An older store we are not allowed to read must not be converted as if it were empty: that
// would write 26 blank entries over the user's events and put the older store away as done.
TEST(OlderStore, OneThatFailedToOpenLeavesBothStoresAlone) {
    const test::TempFolder folder;
    const std::string store = "[Entry1]\r\nDesc=Mine\r\nDate=46364\r\nTime=10:00 AM\r\n";
    const std::string older = "[Entry1]\r\nDesc=Older\r\nDate=6/15/1998\r\nTime=03:00 PM\r\n";
    folder.write("zadud2.ini", store);
    folder.write("zadud.ini", older);
    std::filesystem::permissions(folder / "zadud.ini", std::filesystem::perms::none);
    if (::access((folder / "zadud.ini").c_str(), R_OK) == 0)
        GTEST_SKIP() << "permission bits do not apply to this user";

    ConvertOldZadudIniFile(folder.path(), usDefaults(), 2026);
    EXPECT_EQ(folder.read("zadud2.ini"), store);
    EXPECT_TRUE(folder.exists("zadud.ini"));
    EXPECT_FALSE(folder.exists("zadud.ini.bak"));
    EXPECT_EQ(folder.entryCount(), 2u);
}

} // namespace
} // namespace vz
