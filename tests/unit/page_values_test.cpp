#include <gtest/gtest.h>

#include <string>

#include "ui/page_values.h"

TEST(NumCount, OneToSixteenStayAndEverythingElseBecomesThree) {
    for (int32_t kept = 1; kept <= 16; ++kept) EXPECT_EQ(NormalisedNumCount(kept), kept);
    for (int32_t odd : {0, 17, -1, -16, INT32_MIN, INT32_MAX}) EXPECT_EQ(NormalisedNumCount(odd), 3) << odd;
}

TEST(NumCount, TheDigitsBoxTextIsReadLikeADecimalNumber) {
    struct Case { const char* text; int32_t count; } cases[] = {
        {"7", 7}, {"16", 16}, {"  12", 12}, {"+5", 5}, {"9abc", 9}, {"016", 16},
        {"20", 3}, {"", 3}, {"abc", 3}, {"0", 3}, {"-4", 3}, {"- 4", 3},
        {"99999999999999999999999", 3}, {"4294967297", 3}, {"\t\n8", 8},
    };
    for (const Case& c : cases) EXPECT_EQ(NumCountFromText(c.text), c.count) << '"' << c.text << '"';
}

TEST(DriveRoot, OnlyCapitalLettersMakeARoot) {
    char root[4] = "old";
    EXPECT_TRUE(DriveRootOf('D', root));
    EXPECT_STREQ(root, "D:\\");
    for (intptr_t bad : {intptr_t{'a'}, intptr_t{'@'}, intptr_t{'['}, intptr_t{0}, intptr_t{-1}, intptr_t{65 + 256}}) {
        char untouched[4] = "old";
        EXPECT_FALSE(DriveRootOf(bad, untouched)) << bad;
        EXPECT_STREQ(untouched, "old");
    }
}

TEST(ProgramCommand, APathWithASpaceIsQuotedAndOtherPathsStayBare) {
    char command[262];
    ASSERT_TRUE(ProgramCommandText("C:\\tools\\run.exe", command, sizeof command));
    EXPECT_STREQ(command, "C:\\tools\\run.exe");
    ASSERT_TRUE(ProgramCommandText("C:\\Program Files\\run.exe", command, sizeof command));
    EXPECT_STREQ(command, "\"C:\\Program Files\\run.exe\"");
}

TEST(ProgramCommand, TheLongestQuotedPathFitsAndALongerOneIsRefused) {
    std::string longest = "C:\\a b\\" + std::string(259 - 7, 'x');
    ASSERT_EQ(longest.size(), 259u);
    char command[262];
    ASSERT_TRUE(ProgramCommandText(longest.c_str(), command, sizeof command));
    EXPECT_EQ(std::string(command), '"' + longest + '"');
    char small[261];
    EXPECT_FALSE(ProgramCommandText(longest.c_str(), small, sizeof small));
    EXPECT_STREQ(small, "") << "never a cut path";
}
