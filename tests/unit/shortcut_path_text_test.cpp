#include "ui/shortcut_path_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The string table's format: the folder, one backslash, the file name
// "コピーの開始 Zolvane.lnk" (code page 932 through -fexec-charset).
const char kFormat[] = "%s\\コピーの開始 Zolvane.lnk";
const char kName[] = "コピーの開始 Zolvane.lnk";
}  // namespace

TEST(FormatShortcutPath, PutsTheFolderBeforeTheName) {
    char path[260];
    ASSERT_TRUE(FormatShortcutPath(kFormat, "C:\\users\\root\\Desktop", path));
    EXPECT_EQ(std::string(path), std::string("C:\\users\\root\\Desktop\\") + kName);
    // A drive root keeps its own backslash: two in a row, passed on as they are.
    ASSERT_TRUE(FormatShortcutPath(kFormat, "C:\\", path));
    EXPECT_EQ(std::string(path), std::string("C:\\\\") + kName);
    // A folder whose name holds a double-byte character with the second byte
    // 0x5C (表 is 95 5C) and a percent sign is copied byte for byte.
    ASSERT_TRUE(FormatShortcutPath(kFormat, "C:\\表%s", path));
    EXPECT_EQ(std::string(path), std::string("C:\\表%s\\") + kName);
}

TEST(FormatShortcutPath, APathThatDoesNotFitIsRefusedWhole) {
    const size_t nameLength = sizeof kName - 1;
    // Folder + backslash + name + terminator must fit into 260 bytes.
    std::string fits(259 - 1 - nameLength, 'a');
    char path[260];
    ASSERT_TRUE(FormatShortcutPath(kFormat, fits.c_str(), path));
    EXPECT_EQ(std::string(path).size(), 259u);

    std::string tooLong = fits + "b";
    memset(path, 'x', sizeof path);
    EXPECT_FALSE(FormatShortcutPath(kFormat, tooLong.c_str(), path));
    EXPECT_STREQ(path, "");
    std::string huge(600, 'c');
    EXPECT_FALSE(FormatShortcutPath(kFormat, huge.c_str(), path));
    EXPECT_STREQ(path, "");
}

TEST(FormatShortcutPath, OnlyOneFolderConversionIsAccepted) {
    char path[64];
    ASSERT_TRUE(FormatShortcutPath("%s\\100%%.lnk", "D:", path));
    EXPECT_STREQ(path, "D:\\100%.lnk");
    for (const char* format : {"%d\\x.lnk", "%s\\%s.lnk", "%s\\x.lnk%", "x.lnk", ""}) {
        memset(path, 'x', sizeof path);
        EXPECT_FALSE(FormatShortcutPath(format, "D:", path)) << format;
        EXPECT_STREQ(path, "") << format;
    }
}
