#include "copy/command_text.h"
#include "discloop/disc_loop_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {
// Program and parameters of a command, or "<refused>" when it does not fit.
std::pair<std::string, std::string> Split(const std::string& command) {
    char program[260];
    char parameters[520];
    memset(program, 'x', sizeof program);
    memset(parameters, 'x', sizeof parameters);
    if (!SplitCommand(command.c_str(), program, parameters)) {
        EXPECT_STREQ(program, "");
        EXPECT_STREQ(parameters, "");
        return {"<refused>", ""};
    }
    return {program, parameters};
}
using Parts = std::pair<std::string, std::string>;
}  // namespace

TEST(SplitCommand, QuotedPathWithSpacesAndParameters) {
    EXPECT_EQ(Split("\"C:\\Program Files\\x.exe\" /q"), Parts("C:\\Program Files\\x.exe", "/q"));
    EXPECT_EQ(Split("\"C:\\Program Files\\x.exe\""), Parts("C:\\Program Files\\x.exe", ""));
}

TEST(SplitCommand, BareProgramAndEmptyCommand) {
    EXPECT_EQ(Split("notepad.exe"), Parts("notepad.exe", ""));
    EXPECT_EQ(Split(""), Parts("", ""));
}

TEST(SplitCommand, OnlyTheFirstSpaceSeparates) {
    EXPECT_EQ(Split("a.exe  /q"), Parts("a.exe", " /q"));
    EXPECT_EQ(Split(" a.exe /q"), Parts("", "a.exe /q"));
    EXPECT_EQ(Split("a.exe "), Parts("a.exe", ""));
    EXPECT_EQ(Split("a.exe\t/q"), Parts("a.exe\t/q", "")) << "a tab does not separate";
}

TEST(SplitCommand, QuotesInsideThePartStay) {
    EXPECT_EQ(Split("C:\\\"Program Files\"\\x.exe /q"),
              Parts("C:\\\"Program Files\"\\x.exe", "/q"));
    EXPECT_EQ(Split("x.exe \"a b\" \"c\""), Parts("x.exe", "\"a b\" \"c\""));
    EXPECT_EQ(Split("\"\""), Parts("", ""));
}

TEST(SplitCommand, UnbalancedQuotesKeepThePartWhole) {
    EXPECT_EQ(Split("\""), Parts("\"", ""));
    EXPECT_EQ(Split("\"C:\\a b.exe /q"), Parts("\"C:\\a b.exe /q", ""));
    EXPECT_EQ(Split("C:\\x.exe\" /q"), Parts("C:\\x.exe\" /q", ""));
}

TEST(SplitCommand, JapaneseProgramNames) {
    // 表 (95 5C) and ソ (83 5C): no byte of them separates or quotes.
    EXPECT_EQ(Split("\"C:\\表 ソフト\\a.exe\" /x"), Parts("C:\\表 ソフト\\a.exe", "/x"));
}

TEST(SplitCommand, APartThatDoesNotFitIsRefused) {
    std::string program259(259, 'p');
    std::string params519(519, 'q');
    EXPECT_EQ(Split(program259 + " " + params519), Parts(program259, params519));
    EXPECT_EQ(Split("\"" + program259 + "\""), Parts(program259, ""))
        << "the enclosing quotes are not part of the program text";
    EXPECT_EQ(Split(program259 + "p /q").first, "<refused>");
    EXPECT_EQ(Split("x.exe " + params519 + "q").first, "<refused>");
    EXPECT_EQ(Split("\"" + program259 + "p\"").first, "<refused>");
}

TEST(TrayCommands, OpenTheDriveByItsLetterUnderOneAlias) {
    char command[64];
    ASSERT_TRUE(BuildTrayOpenCommand('E', command, sizeof command));
    EXPECT_STREQ(command, "open E: type cdaudio alias zolvane_cd shareable");
    EXPECT_STREQ(kTrayDoorOpenCommand, "set zolvane_cd door open wait");
    EXPECT_STREQ(kTrayCloseCommand, "close zolvane_cd");
    EXPECT_FALSE(BuildTrayOpenCommand('E', command, 47)) << "one byte short";
    EXPECT_STREQ(command, "");
}
