#include "copy/copy_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/unit/cp932.h"

namespace {

// A stand-in for the file lookup: the names present, and every name probed.
struct Folder {
    std::set<std::string> names;
    std::vector<std::string> probed;
};

bool InFolder(const char* name, void* context) {
    Folder* folder = static_cast<Folder*>(context);
    folder->probed.push_back(name);
    return folder->names.count(name) != 0;
}

std::string FreeName(Folder& folder, const char* to, int32_t numCount, bool fromZero = false) {
    char name[ShellListSize];
    memset(name, 'x', sizeof name);
    if (!FindFreeFolderName(to, numCount, fromZero, InFolder, &folder, name, sizeof name))
        return "<none:" + std::string(name) + ">";
    EXPECT_EQ(name[strlen(name) + 1], '\0') << "the name ends with two NULs";
    return name;
}

}  // namespace

TEST(FreeFolderName, FirstFreeNumberFromOneOrZero) {
    Folder empty;
    EXPECT_EQ(FreeName(empty, "C:\\Backup\\", 3), "C:\\Backup\\001");
    EXPECT_EQ(FreeName(empty, "C:\\Backup\\", 3, true), "C:\\Backup\\000");
}

TEST(FreeFolderName, FillsAGapAndAFileTakesANameToo) {
    Folder folder;
    folder.names = {"C:\\B\\001", "C:\\B\\003"};
    EXPECT_EQ(FreeName(folder, "C:\\B\\", 3), "C:\\B\\002");
    folder.names.insert("C:\\B\\002");  // whether file or folder, the lookup finds it
    folder.probed.clear();
    EXPECT_EQ(FreeName(folder, "C:\\B\\", 3), "C:\\B\\004");
    EXPECT_EQ(folder.probed, (std::vector<std::string>{"C:\\B\\001", "C:\\B\\002", "C:\\B\\003",
                                                        "C:\\B\\004"}));
}

TEST(FreeFolderName, NumCountIsAMinimumWidth) {
    Folder folder;
    for (int i = 1; i <= 999; ++i) {
        char n[16];
        snprintf(n, sizeof n, "%03d", i);
        folder.names.insert(std::string("C:\\B\\") + n);
    }
    EXPECT_EQ(FreeName(folder, "C:\\B\\", 3), "C:\\B\\1000");

    Folder empty;
    EXPECT_EQ(FreeName(empty, "C:\\B\\", 0), "C:\\B\\1");
    EXPECT_EQ(FreeName(empty, "C:\\B\\", 0, true), "C:\\B\\0");
    EXPECT_EQ(FreeName(empty, "C:\\B\\", 16), "C:\\B\\0000000000000001");
    Folder ten;
    for (int i = 1; i <= 9; ++i) ten.names.insert("C:\\B\\" + std::to_string(i));
    EXPECT_EQ(FreeName(ten, "C:\\B\\", 0), "C:\\B\\10");
}

TEST(FreeFolderName, ANegativeNumCountPadsNothing) {
    Folder empty;
    EXPECT_EQ(FreeName(empty, "C:\\B\\", -5), "C:\\B\\1");
    EXPECT_EQ(FreeName(empty, "C:\\B\\", INT32_MIN), "C:\\B\\1");
}

TEST(FreeFolderName, ANameThatCannotFitGivesNoNameAndProbesNothing) {
    Folder empty;
    EXPECT_EQ(FreeName(empty, "C:\\B\\", 1000), "<none:>");
    EXPECT_EQ(FreeName(empty, "C:\\B\\", INT32_MAX), "<none:>");
    EXPECT_TRUE(empty.probed.empty());

    // Exactly at the limit: the text and its two NULs fill the buffer.
    std::string to = "C:\\" + std::string(ShellListSize - 2 - 3 - 3 - 1, 'd') + "\\";
    EXPECT_EQ(FreeName(empty, to.c_str(), 3), to + "001");
    EXPECT_EQ(FreeName(empty, to.c_str(), 4), "<none:>");

    // The number grows out of the buffer: no name rather than a cut one.
    Folder full;
    full.names = {to + "001", to + "002"};
    char name[ShellListSize];
    EXPECT_TRUE(FindFreeFolderName(to.c_str(), 3, false, InFolder, &full, name, sizeof name));
    EXPECT_EQ(std::string(name), to + "003");
    for (int i = 3; i <= 999; ++i) {
        char n[16];
        snprintf(n, sizeof n, "%03d", i);
        full.names.insert(to + n);
    }
    EXPECT_FALSE(FindFreeFolderName(to.c_str(), 3, false, InFolder, &full, name, sizeof name));
    EXPECT_STREQ(name, "");
}

TEST(SameDrive, ComparesTheFirstCharacterOnly) {
    EXPECT_TRUE(SameDrive("d:\\data\\", "d:\\"));
    EXPECT_FALSE(SameDrive("c:\\d\\backup\\", "d:\\"));
    EXPECT_TRUE(SameDrive("\\\\server1\\share\\", "\\\\server2\\cd\\"))
        << "two network paths are always refused";
    EXPECT_TRUE(SameDrive("", "")) << "two failed full paths refuse";
    EXPECT_FALSE(SameDrive("", "d:\\")) << "one failed full path passes";
}

TEST(AppendBackslash, AddsOneUnlessTheLastCharacterIsABackslash) {
    char text[260];
    strcpy(text, "C:\\Backup");
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_STREQ(text, "C:\\Backup\\");
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_STREQ(text, "C:\\Backup\\") << "a second pass changes nothing";

    strcpy(text, "");
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_STREQ(text, "\\");
}

TEST(AppendBackslash, ADoubleByteCharacterEndingIn5CGetsItsBackslash) {
    char text[260];
    strcpy(text, "C:\\データ\\表");  // 表 is 95 5C
    ASSERT_EQ(static_cast<unsigned char>(text[strlen(text) - 1]), 0x5Cu);
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_STREQ(text, "C:\\データ\\表\\");
}

TEST(AppendBackslash, ALoneLeadByteAtTheEndRefusesIt) {
    char text[260] = "C:\\a\x95";  // cut inside 表: 95 5C would be that character
    EXPECT_FALSE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_STREQ(text, "C:\\a\x95");
}

TEST(AppendBackslash, NoRoomLeavesTheTextAsItWas) {
    char text[260];
    std::string full(259, 'a');
    strcpy(text, full.c_str());
    EXPECT_FALSE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_EQ(std::string(text), full);
    text[258] = '\\';
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte)) << "already ends with one";
    full[257] = '\0';
    strcpy(text, full.c_str());
    EXPECT_TRUE(AppendBackslash(text, sizeof text, Cp932LeadByte));
    EXPECT_EQ(strlen(text), 258u);
}

TEST(SourceList, RootFollowedByStarDotStarAndTwoNuls) {
    char list[ShellListSize];
    memset(list, 'x', sizeof list);
    EXPECT_TRUE(BuildSourceList("D:\\", list, sizeof list));
    EXPECT_EQ(std::string(list, 8), std::string("D:\\*.*\0\0", 8));

    std::string from(ShellListSize - 5, 'f');
    EXPECT_TRUE(BuildSourceList(from.c_str(), list, sizeof list)) << "fills it exactly";
    EXPECT_EQ(list[ShellListSize - 1], '\0');
    from += "f";
    EXPECT_FALSE(BuildSourceList(from.c_str(), list, sizeof list));
    EXPECT_STREQ(list, "");
}
