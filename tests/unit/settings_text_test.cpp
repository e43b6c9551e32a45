#include "app/settings_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(SettingsPath, FolderBackslashAndFileName) {
    char out[260];
    ASSERT_TRUE(BuildSettingsPath("C:\\Tools", out, sizeof out));
    EXPECT_STREQ(out, "C:\\Tools\\zolvane.ini");
}

TEST(SettingsPath, AFolderTooLongIsRefusedNotCut) {
    char out[260];
    std::string fits(260 - 1 - 12, 'a');  // folder + "\zolvane.ini" = 259 bytes
    EXPECT_TRUE(BuildSettingsPath(fits.c_str(), out, sizeof out));
    EXPECT_EQ(strlen(out), 259u);
    std::string tooLong = fits + "b";
    EXPECT_FALSE(BuildSettingsPath(tooLong.c_str(), out, sizeof out));
    EXPECT_STREQ(out, "");
}

TEST(QuoteCommand, OneExtraPairOfQuotes) {
    char out[800];
    ASSERT_TRUE(QuoteCommand("\"C:\\Program Files\\x.exe\"", out, sizeof out));
    EXPECT_STREQ(out, "\"\"C:\\Program Files\\x.exe\"\"");
    ASSERT_TRUE(QuoteCommand("", out, sizeof out));
    EXPECT_STREQ(out, "\"\"");
}

TEST(QuoteCommand, TheLongestCommandFitsItsTemporaryBuffer) {
    std::string command(779, 'x');
    std::string out(QuotedCommandSize(command.size()), '?');
    ASSERT_TRUE(QuoteCommand(command.c_str(), &out[0], out.size()));
    EXPECT_EQ(std::string(out.c_str()), "\"" + command + "\"");
    char small[4];
    EXPECT_FALSE(QuoteCommand("ab", small, sizeof small));
    EXPECT_STREQ(small, "");
}
