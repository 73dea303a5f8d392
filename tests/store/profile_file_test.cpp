#include "store/atomic_file.h"
#include "store/profile_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vz {
namespace {

struct ReadCase {
    const char* name;
    std::string_view file;
    const char* section;
    const char* key;
    const char* expected;
};

TEST(ProfileFile, ReadsLikeThePrivateProfileFunctions) {
    using namespace std::string_view_literals;
    const ReadCase cases[] = {
        {"case of names", "[ENTRY1]\r\ndesc=Birthday\r\n", "Entry1", "DESC", "Birthday"},
        {"blanks around", "[S]\r\n \t k \t= \t v w \t\r\n", "S", "k", "v w"},
        {"double quotes", "[S]\r\nk=\"  v  \"\r\n", "S", "k", "  v  "},
        {"single quotes", "[S]\r\nk='v'\r\n", "S", "k", "v"},
        {"unmatched quote", "[S]\r\nk=\"v\r\n", "S", "k", "\"v"},
        {"mixed quotes", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'"},
        {"lone quote", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        {"first section wins", "[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", "S", "j", "default"},
        {"first key wins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        {"comment line", "[S]\r\n  ;k=1\r\n", "S", ";k", "default"},
        {"no end-of-line comment", "[S]\r\nk=;x\r\n", "S", "k", ";x"},
        {"line without equals", "[S]\r\nk\r\n", "S", "k", "default"},
        {"key before any section", "k=1\r\n[S]\r\n", "S", "k", "default"},
        {"empty value", "[S]\r\nk=\r\n", "S", "k", ""},
        {"equals in value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        {"missing section", "[S]\r\nk=1\r\n", "T", "k", "default"},
        {"missing key", "[S]\r\nk=1\r\n", "S", "j", "default"},
        {"blanks in heading", "  [ S ]\r\nk=1\r\n", "S", "k", "1"},
        {"LF line ends", "[S]\nj=0\nk=1\n", "S", "k", "1"},
        {"CR line ends", "[S]\rj=0\rk=1", "S", "k", "1"},
        {"byte-order mark", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "1"},
        {"UTF-8 kept", "[S]\r\nk=Caf\xC3\xA9\r\n", "S", "k", "Caf\xC3\xA9"},
        {"Windows-1252", "[S]\r\nk=Caf\xE9 \x80\x96\r\n", "S", "k",
         "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x93"},
        {"NUL byte", "[S]\r\nk=a\0b\r\n"sv, "S", "k", nullptr},
    };
    for (const auto& c : cases) {
        const ProfileFile ini = ProfileFile::fromBytes(c.file);
        const std::string expected = c.expected ? c.expected : std::string("a\0b", 3);
        EXPECT_EQ(ini.readString(c.section, c.key, "default"), expected) << c.name;
    }
}

TEST(ProfileFile, TellsAMissingKeyFromAValueThatLooksLikeTheDefault) {
    const ProfileFile ini =
        ProfileFile::fromBytes("[S]\r\nk=error\r\nempty=\r\nquoted=\"error\"\r\n;c=1\r\n");
    EXPECT_EQ(ini.readValue("S", "k"), "error");
    EXPECT_EQ(ini.readValue("s", "QUOTED"), "error");
    EXPECT_EQ(ini.readValue("S", "empty"), "");
    EXPECT_EQ(ini.readValue("S", "j"), std::nullopt);
    EXPECT_EQ(ini.readValue("S", ";c"), std::nullopt);
    EXPECT_EQ(ini.readValue("T", "k"), std::nullopt);
}

TEST(ProfileFile, ValuesAreCutAt1023Characters) {
    const std::string ascii(2000, 'x');
    std::string accented;
    for (int i = 0; i < 1100; ++i)
        accented += "\xC3\xA9";
    const ProfileFile ini =
        ProfileFile::fromBytes("[S]\r\na=" + ascii + "\r\nb=" + accented + "\r\n");
    EXPECT_EQ(ini.readString("S", "a", ""), std::string(1023, 'x'));
    EXPECT_EQ(ini.readString("S", "b", "").size(), 2 * 1023u);
}

TEST(ProfileFile, ReadsIntegers) {
    struct Case {
        const char* value;
        int expected;
    } cases[] = {
        {"36526", 36526},    {"0x8EAE", 36526},
        {"0X8eae", 36526},   {"$8EAE", 36526},
        {"-5", -5},          {"+5", 5},
        {" 42 ", 42},        {"", -1},
        {"abc", -1},         {"12abc", -1},
        {"0x", -1},          {"-0x10", -1},
        {"99999999999", -1}, {"2147483647", 2147483647},
        {"0xFFFFFFFF", -1},  {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        const ProfileFile ini = ProfileFile::fromBytes(std::string("[S]\r\nk=") + c.value);
        EXPECT_EQ(ini.readInteger("S", "k", -1), c.expected) << c.value;
    }
    EXPECT_EQ(ProfileFile().readInteger("S", "k", 7), 7);
}

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(ProfileFile, WritesInPlaceAndAppends) {
    const WriteCase cases[] = {
        {"existing key keeps spelling and other lines", "; note\r\n[entry1]\nDESC = old\nTime=x\n",
         "Entry1", "Desc", "new", "; note\r\n[entry1]\nDESC=new\nTime=x\n"},
        {"new key before the blank lines of its section", "[A]\r\nk=1\r\n\r\n[B]\r\nm=2\r\n", "a",
         "n", "3", "[A]\r\nk=1\r\nn=3\r\n\r\n[B]\r\nm=2\r\n"},
        {"new key finishes an unfinished last line", "[A]\nk=1", "A", "n", "2",
         "[A]\nk=1\r\nn=2\r\n"},
        {"new section after an unfinished last line", "[A]\r\nk=1", "B", "m", "2",
         "[A]\r\nk=1\r\n[B]\r\nm=2\r\n"},
        {"new section in an empty file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"first of two equal sections", "[A]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k", "3",
         "[A]\r\nk=3\r\n[A]\r\nk=2\r\n"},
        {"Windows-1252 file is written as UTF-8", "[A]\r\nk=Caf\xE9\r\n", "A", "j", "1",
         "[A]\r\nk=Caf\xC3\xA9\r\nj=1\r\n"},
        {"byte-order mark dropped", "\xEF\xBB\xBF[A]\r\n", "A", "k", "1", "[A]\r\nk=1\r\n"},
    };
    for (const auto& c : cases) {
        ProfileFile ini = ProfileFile::fromBytes(c.before);
        ini.writeString(c.section, c.key, c.value);
        EXPECT_EQ(ini.toBytes(), c.after) << c.name;
    }
}

TEST(ProfileFile, EveryWrittenValueReadsBackAsWritten) {
    const std::vector<std::string> values = {
        "",   " lead", "trail\t", "\"quoted\"", "'single'",   "\"a\" and \"b\"",
        "\"", "a=b",   ";x",      "[x]",        "Caf\xC3\xA9"};
    ProfileFile ini;
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.writeString("S", "k" + std::to_string(i), values[i]);
    const ProfileFile reread = ProfileFile::fromBytes(ini.toBytes());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(ini.readString("S", "k" + std::to_string(i), "missing"), values[i]);
        EXPECT_EQ(reread.readString("S", "k" + std::to_string(i), "missing"), values[i]);
    }
}

TEST(ProfileFile, RefusesNamesThatWouldNotReadBack) {
    const std::pair<const char*, const char*> names[] = {
        {"S", ";comment"},    {"S", "[key"}, {"S", "a=b"}, {"S", " k"},
        {"S", "line\nbreak"}, {"T]x", "k"},  {" T", "k"},  {"T\r", "k"},
    };
    for (const auto& [section, key] : names) {
        ProfileFile ini = ProfileFile::fromBytes("[S]\r\nk=1\r\n");
        EXPECT_THROW(ini.writeString(section, key, "v"), std::invalid_argument) << key;
        EXPECT_EQ(ini.toBytes(), "[S]\r\nk=1\r\n");
    }
}

TEST(ProfileFile, AStrayByteCannotChangeTheFilesEncoding) {
    ProfileFile ini = ProfileFile::fromBytes("[S]\r\nk=\xC3\x9C"
                                             "ber\r\n");
    ini.writeString("S", "j", "Caf\xE9");
    const ProfileFile reread = ProfileFile::fromBytes(ini.toBytes());
    EXPECT_EQ(reread.readString("S", "k", ""), "\xC3\x9C"
                                               "ber");
    EXPECT_EQ(reread.readString("S", "j", ""), "Caf\xC3\xA9");
}

TEST(ProfileFile, CommitCreatesAndReplacesTheFile) {
    const test::TempFolder folder;
    const auto path = folder / "store.ini";
    EXPECT_EQ(ProfileFile::open(path).readString("S", "k", "none"), "none");

    ProfileFile ini = ProfileFile::open(path);
    ini.writeString("S", "k", "1");
    ini.commit(path);
    EXPECT_EQ(folder.read("store.ini"), "[S]\r\nk=1\r\n");

    ProfileFile again = ProfileFile::open(path);
    again.writeString("S", "k", "2");
    again.commit(path);
    EXPECT_EQ(folder.read("store.ini"), "[S]\r\nk=2\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(ProfileFile, CommitFollowsASymbolicLink) {
    const test::TempFolder folder;
    folder.write("real.ini", "[S]\r\nk=1\r\n");
    std::filesystem::create_symlink(folder / "real.ini", folder / "link.ini");
    ProfileFile ini = ProfileFile::open(folder / "link.ini");
    ini.writeString("S", "k", "2");
    ini.commit(folder / "link.ini");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ini"));
    EXPECT_EQ(folder.read("real.ini"), "[S]\r\nk=2\r\n");
}

// Whether permission bits stop this process (they do not for the superuser).
bool permissionsApply(const test::TempFolder& folder) {
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    const bool applies = ::access(folder.path().c_str(), W_OK) != 0;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);
    return applies;
}

void expectUnableToWrite(const ProfileFile& ini, const std::filesystem::path& path) {
    try {
        ini.commit(path);
        ADD_FAILURE() << "commit succeeded";
    } catch (const StoreWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + pathText(path));
    }
}

TEST(ProfileFile, FailedCommitLeavesTheOldFile) {
    const test::TempFolder folder;
    if (!permissionsApply(folder))
        GTEST_SKIP() << "permission bits do not apply to this user";
    const std::string old = "[S]\r\nk=1\r\n";
    folder.write("store.ini", old);
    ProfileFile ini = ProfileFile::open(folder / "store.ini");
    ini.writeString("S", "k", "2");

    std::filesystem::permissions(folder / "store.ini", std::filesystem::perms::owner_read);
    expectUnableToWrite(ini, folder / "store.ini");
    std::filesystem::permissions(folder / "store.ini", std::filesystem::perms::owner_all);

    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    expectUnableToWrite(ini, folder / "store.ini");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_all);

    EXPECT_EQ(folder.read("store.ini"), old);
    EXPECT_EQ(folder.entryCount(), 1u);

    // A file we could not read is never replaced by one made without its content.
    std::filesystem::permissions(folder / "store.ini", std::filesystem::perms::owner_write);
    ProfileFile unread = ProfileFile::open(folder / "store.ini");
    EXPECT_TRUE(unread.unreadable());
    unread.writeString("S", "j", "3");
    expectUnableToWrite(unread, folder / "store.ini");
    std::filesystem::permissions(folder / "store.ini", std::filesystem::perms::owner_all);
    EXPECT_EQ(folder.read("store.ini"), old);
}

TEST(ProfileFile, CommitOverAFolderOrIntoAMissingFolderFails) {
    const test::TempFolder folder;
    std::filesystem::create_directory(folder / "store.ini");
    ProfileFile ini;
    ini.writeString("S", "k", "1");
    expectUnableToWrite(ini, folder / "store.ini");
    expectUnableToWrite(ini, folder / "missing" / "store.ini");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "store.ini"));
    EXPECT_EQ(folder.entryCount(), 1u);
}

} // namespace
} // namespace vz
