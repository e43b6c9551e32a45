// The settings file read and written through the platform's private-profile
// functions, on real files under Wine.
#include <gtest/gtest.h>

#include "app/settings_file.h"
#include "tests/wine/harness.h"

using namespace zv;

namespace {

struct SettingsFileTest : ::testing::Test {
    std::string folder = FreshFolder("settings");
    std::string ini = folder + "\\zolvane.ini";

    SettingsRecord Read() {
        SettingsRecord r;
        memset(&r, 0x55, sizeof r);  // every field must be written by the read
        ReadSettingsFrom(ini.c_str(), &r);
        return r;
    }
};

SettingsRecord Sample() {
    SettingsRecord r = {};
    strcpy(r.To, "C:\\データ\\表");
    strcpy(r.From, "D:\\");
    strcpy(r.Command, "\"C:\\Program Files\\x.exe\" /q \"a b\"");
    r.NumCount = 3;
    r.Flags = 15;
    r.ExitMode = 2;
    r.ExitFlags = 5;
    return r;
}

}  // namespace

TEST_F(SettingsFileTest, AMissingFileGivesEmptyTextsAndZeros) {
    SettingsRecord r = Read();
    EXPECT_STREQ(r.To, "");
    EXPECT_STREQ(r.From, "");
    EXPECT_STREQ(r.Command, "");
    EXPECT_EQ(r.NumCount, 0);
    EXPECT_EQ(r.Flags, 0);
    EXPECT_EQ(r.ExitMode, 0);
    EXPECT_EQ(r.ExitFlags, 0);
    EXPECT_FALSE(Exists(ini)) << "reading creates no file";
}

TEST_F(SettingsFileTest, WritesSevenKeysInTheirOrderAndFormInSectionGeneral) {
    WriteSettingsTo(ini.c_str(), Sample());
    std::vector<std::string> expected = {
        "[General]",
        "To=C:\\データ\\表",
        "From=D:\\",
        "Command=\"\"C:\\Program Files\\x.exe\" /q \"a b\"\"",
        "Flags=15",
        "ExitMode=2",
        "ExitFlags=5",
        "NumCount=3",
    };
    EXPECT_EQ(Lines(ini), expected);
}

TEST_F(SettingsFileTest, ReadsBackWhatWasWrittenCommandQuotesIncluded) {
    for (const char* command : {"\"C:\\Program Files\\x.exe\"", "\"C:\\Program Files\\x.exe\" /q",
                                "notepad.exe", "", "\"\"", "a \"b\" c"}) {
        SettingsRecord written = Sample();
        strcpy(written.Command, command);
        WriteSettingsTo(ini.c_str(), written);
        SettingsRecord r = Read();
        EXPECT_STREQ(r.Command, command);
        EXPECT_STREQ(r.To, written.To);
        EXPECT_STREQ(r.From, written.From);
        EXPECT_EQ(r.Flags, 15);
        EXPECT_EQ(r.ExitMode, 2);
        EXPECT_EQ(r.ExitFlags, 5);
        EXPECT_EQ(r.NumCount, 3);
    }
}

TEST_F(SettingsFileTest, KeepsTheFilesOtherLinesAndSections) {
    WriteBytes(ini, "; mine\r\n[Other]\r\nKey=1\r\n[General]\r\nTo=old\r\nExtra=kept\r\n");
    WriteSettingsTo(ini.c_str(), Sample());
    std::vector<std::string> lines = Lines(ini);
    for (const char* line : {"; mine", "[Other]", "Key=1", "Extra=kept", "To=C:\\データ\\表", "NumCount=3"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "To=old"), lines.end());
}

TEST_F(SettingsFileTest, HandEditedValuesReachTheRecordUnchecked) {
    WriteBytes(ini, "[general]\r\nto=\"C:\\Quoted Folder\"\r\nNumCount=20\r\nExitMode=7\r\n"
                    "Flags=255\r\nExitFlags=-1\r\n");
    SettingsRecord r = Read();
    EXPECT_STREQ(r.To, "C:\\Quoted Folder") << "one pair of quotes is stripped";
    EXPECT_EQ(r.NumCount, 20);
    EXPECT_EQ(r.ExitMode, 7);
    EXPECT_EQ(r.Flags, 255);
    EXPECT_EQ(r.ExitFlags, -1);

    WriteBytes(ini, "[General]\r\nNumCount=0\r\n");
    EXPECT_EQ(Read().NumCount, 0);
    WriteBytes(ini, "[General]\r\nNumCount=-5\r\n");
    EXPECT_EQ(Read().NumCount, -5);
    WriteBytes(ini, "[General]\r\nNumCount=abc\r\n");
    EXPECT_EQ(Read().NumCount, 0);
}

TEST_F(SettingsFileTest, OverLongValuesAreCutToTheirFields) {
    std::string longText(2000, 'x');
    WriteBytes(ini, "[General]\r\nTo=" + longText + "\r\nFrom=" + longText + "\r\nCommand=" +
                        longText + "\r\nNumCount=99999999999999\r\n");
    SettingsRecord r = Read();
    EXPECT_EQ(strlen(r.To), 259u);
    EXPECT_EQ(strlen(r.From), 259u);
    EXPECT_EQ(strlen(r.Command), 779u);
    (void)r.NumCount;  // whatever the platform makes of it; it must not crash
}

TEST_F(SettingsFileTest, NoSectionOrBinaryGarbageGivesDefaults) {
    WriteBytes(ini, "To=C:\\x\r\nNumCount=4\r\n");
    SettingsRecord r = Read();
    EXPECT_STREQ(r.To, "");
    EXPECT_EQ(r.NumCount, 0);

    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    WriteBytes(ini, garbage);
    r = Read();
    EXPECT_LT(strlen(r.To), 260u);
    EXPECT_LT(strlen(r.Command), 780u);
}

TEST_F(SettingsFileTest, AReadOnlyFileIsReadAndLeftAsItWas) {
    std::string original = "[General]\r\nTo=C:\\Backup\r\nNumCount=4\r\n";
    WriteBytes(ini, original);
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_STREQ(Read().To, "C:\\Backup");
    // Refused for a user; an administrator may write it. Either way nothing
    // is reported and the file stays readable as a whole.
    WriteSettingsTo(ini.c_str(), Sample());
    std::string to = Read().To;
    EXPECT_TRUE(to == "C:\\Backup" || to == Sample().To) << to;
    SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
}

namespace {
void* NoBuffer(size_t) { return nullptr; }
void NoFree(void*) {}
}  // namespace

TEST_F(SettingsFileTest, WithoutABufferForTheQuotedCommandTheKeyKeepsItsValue) {
    WriteBytes(ini, "[General]\r\nCommand=\"\"keep me\"\"\r\n");
    QuoteBufferHeap saved = gQuoteBufferHeap;
    gQuoteBufferHeap = {NoBuffer, NoFree};
    WriteSettingsTo(ini.c_str(), Sample());
    gQuoteBufferHeap = saved;
    SettingsRecord r = Read();
    EXPECT_STREQ(r.Command, "\"keep me\"");
    EXPECT_STREQ(r.To, "C:\\データ\\表") << "the other keys are written";
    EXPECT_EQ(r.NumCount, 3);
}
