#include "shell/path_text.h"

#include <gtest/gtest.h>

#include "tests/unit/cp932.h"

namespace {
std::string Dir(const char* path, const char* initial = "untouched") {
    char dest[260];
    strcpy(dest, initial);
    DirectoryOfPath(path, dest, sizeof dest, Cp932LeadByte);
    return dest;
}
}  // namespace

TEST(DirectoryOfPath, TakesEverythingBeforeTheLastBackslash) {
    EXPECT_EQ(Dir("C:\\Tools\\app.exe"), "C:\\Tools");
    EXPECT_EQ(Dir("C:\\app.exe"), "C:");
    EXPECT_EQ(Dir("C:\\Tools\\"), "C:\\Tools");
    EXPECT_EQ(Dir("\\app.exe"), "");
}

TEST(DirectoryOfPath, LeavesTheDestinationAloneWithoutABackslash) {
    char dest[8] = "keep";
    EXPECT_FALSE(DirectoryOfPath("app.exe", dest, sizeof dest, Cp932LeadByte));
    EXPECT_STREQ(dest, "keep");
    EXPECT_FALSE(DirectoryOfPath("", dest, sizeof dest, Cp932LeadByte));
    EXPECT_STREQ(dest, "keep");
}

TEST(DirectoryOfPath, StepsOverTheSecondByteOfDoubleByteCharacters) {
    // C:\ツール\表.exe; 表 is 95 5C, its second byte a backslash.
    EXPECT_EQ(Dir("C:\\ツール\\表.exe"), "C:\\ツール");
    // A folder whose name ends in 表: the real separator is the one after it.
    EXPECT_EQ(Dir("C:\\表\\a.exe"), "C:\\表");
    // 表 alone after the drive: the only real backslash is the one after C:.
    EXPECT_EQ(Dir("C:\\表"), "C:");
    EXPECT_EQ(Dir("表", "keep"), "keep");
}

TEST(DirectoryOfPath, ALeadByteAtTheVeryEndDoesNotReadPastTheTerminator) {
    EXPECT_EQ(Dir("C:\\a\\\x95"), "C:\\a");
}

TEST(DirectoryOfPath, RefusesAFolderLongerThanTheDestination) {
    char dest[5] = "old";
    EXPECT_FALSE(DirectoryOfPath("C:\\abc\\x", dest, sizeof dest, Cp932LeadByte));
    EXPECT_STREQ(dest, "old");
    EXPECT_TRUE(DirectoryOfPath("C:\\a\\x", dest, sizeof dest, Cp932LeadByte));
    EXPECT_STREQ(dest, "C:\\a") << "four bytes and the terminator fill it exactly";
}

TEST(EndsWithBackslash, LooksAtTheLastCharacterNotTheLastByte) {
    EXPECT_TRUE(EndsWithBackslash("C:\\", Cp932LeadByte));
    EXPECT_TRUE(EndsWithBackslash("C:\\データ\\表\\", Cp932LeadByte));
    EXPECT_FALSE(EndsWithBackslash("C:\\データ\\表", Cp932LeadByte));
    EXPECT_FALSE(EndsWithBackslash("C:\\Backup", Cp932LeadByte));
    EXPECT_FALSE(EndsWithBackslash("", Cp932LeadByte));
    EXPECT_TRUE(EndsWithBackslash("\\", Cp932LeadByte));
}
