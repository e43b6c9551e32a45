#include "verify/check_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& units) {
    char text[64];
    TextBuilder builder(text);
    AppendUtf8(builder, units.data(), units.size());
    return builder.Ok() ? text : "<too long>";
}

}  // namespace

TEST(CheckText, NamesInUtf8AndTheLinesOfBothFiles) {
    // One, two, three and four bytes; a surrogate pair is one character.
    EXPECT_EQ(Utf8(L"a\u00e9\ud55c"), "a\xc3\xa9\xed\x95\x9c");
    EXPECT_EQ(Utf8(std::wstring{0xD83D, 0xDCBF}), "\xf0\x9f\x92\xbf");  // U+1F4BF
    // A lone surrogate, high or low, at the end or not, is U+FFFD.
    EXPECT_EQ(Utf8(std::wstring{0xD83D, L'x'}), "\xef\xbf\xbdx");
    EXPECT_EQ(Utf8(std::wstring{0xDCBF}), "\xef\xbf\xbd");
    EXPECT_EQ(Utf8(std::wstring{L'x', 0xD83D}), "x\xef\xbf\xbd");

    const uint8_t digest[16] = {0xd4, 0x1d, 0x8c, 0xd9, 0x8f, 0x00, 0xb2, 0x04,
                                0xe9, 0x80, 0x09, 0x98, 0xec, 0xf8, 0x42, 0x7e};
    char line[128];
    ASSERT_TRUE(BuildChecksumLine(digest, L"001\\Caf\u00e9\\a.bin", line, sizeof line));
    EXPECT_STREQ(line, "d41d8cd98f00b204e9800998ecf8427e *001\\Caf\xc3\xa9\\a.bin\r\n");
    EXPECT_FALSE(BuildChecksumLine(digest, L"001\\a.bin", line, 40));
    EXPECT_STREQ(line, "");

    ASSERT_TRUE(BuildErrorLine(FileUnreadable, "001\\表.txt", line, sizeof line));
    EXPECT_STREQ(line, "読取エラー\t001\\表.txt\r\n");
    ASSERT_TRUE(BuildErrorLine(FileNotChecked, "001\\a", line, sizeof line));
    EXPECT_STREQ(line, "中断\t001\\a\r\n");
}

TEST(CheckText, AFileIsJudgedByTheFirstThingThatWentWrong) {
    EXPECT_EQ(JudgeFile({false, false, false, false}), FileProven);
    EXPECT_EQ(JudgeFile({true, true, true, true}), FileMissing);
    EXPECT_EQ(JudgeFile({false, true, true, true}), FileNotChecked);
    EXPECT_EQ(JudgeFile({false, false, true, true}), FileUnreadable) << "a read error, not a mismatch";
    EXPECT_EQ(JudgeFile({false, false, false, true}), FileDiffers);
}
