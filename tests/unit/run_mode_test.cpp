#include "app/run_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/cp932.h"

namespace {
// Runs the switch scan over writable copies of the arguments.
bool Scan(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    return HasCopySwitch(static_cast<int>(argv.size()), argv.data(), AsciiLower);
}
}  // namespace

TEST(CopySwitch, SlashCInEitherCaseAtAnyPosition) {
    EXPECT_TRUE(Scan({"C:\\z\\zolvane.exe", "/c"}));
    EXPECT_TRUE(Scan({"C:\\z\\zolvane.exe", "/C"}));
    EXPECT_TRUE(Scan({"zolvane.exe", "x", "/C", "y"}));
    EXPECT_TRUE(Scan({"/c"})) << "argument 0 is looked at too";
}

TEST(CopySwitch, LookalikesDoNotCount) {
    for (const char* arg : {"-c", "/copy", "c", "/c:", "/", "", "//c", " /c", "/c "})
        EXPECT_FALSE(Scan({"zolvane.exe", arg})) << '"' << arg << '"';
    EXPECT_FALSE(Scan({"zolvane.exe"}));
    EXPECT_FALSE(Scan({}));
}

TEST(CopySwitch, EveryArgumentIsLowerCasedInPlace) {
    std::string a0 = "ZOLVANE.EXE", a1 = "/C", a2 = "X";
    char* argv[] = {&a0[0], &a1[0], &a2[0]};
    EXPECT_TRUE(HasCopySwitch(3, argv, AsciiLower));
    EXPECT_EQ(a0, "zolvane.exe");
    EXPECT_EQ(a2, "x");
}

TEST(RunModeChoice, CopyRunNeedsTheSwitchAndADestination) {
    EXPECT_EQ(ChooseRunMode(true, "C:\\Backup"), RunMode::CopyRun);
    EXPECT_EQ(ChooseRunMode(true, ""), RunMode::SettingsSheet);
    EXPECT_EQ(ChooseRunMode(false, "C:\\Backup"), RunMode::SettingsSheet);
    EXPECT_EQ(ChooseRunMode(false, ""), RunMode::SettingsSheet);
}
