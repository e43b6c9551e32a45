// Start-up of the real program: the single-instance guard and exit codes.
#include <gtest/gtest.h>

#include "tests/wine/harness.h"

using namespace zv;

TEST(StartUp, ExitsZeroAndShowsNothingWhileTheMutexIsHeld) {
    Installed app = Install("startup-guard");
    WriteBytes(app.ini, "[General]\r\nTo=C:\\zvtest\\nowhere\r\n");
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Zolvane");
    ASSERT_NE(mutex, nullptr);
    for (const char* args : {"", "/c"}) {
        Process p;
        ASSERT_TRUE(p.Start(app.exe, args));
        EXPECT_EQ(p.Wait(), 0u) << args;
        EXPECT_TRUE(WindowsOf(p.Id()).empty());
    }
    CloseHandle(mutex);
    EXPECT_FALSE(Exists("C:\\zvtest\\nowhere"));
}

TEST(StartUp, TheSettingsFileIsFoundBesideTheProgram) {
    Installed app = Install("startup-beside");
    std::string original = "[General]\r\nTo=\r\nNumCount=4\r\n";
    WriteBytes(app.ini, original);
    Process p;
    ASSERT_TRUE(p.Start(app.exe, "/c"));
    HWND sheet = WaitForWindow(p.Id(), "#32770");
    ASSERT_NE(sheet, nullptr) << "\"/c\" with an empty To opens the settings sheet";
    Press(sheet, IDCANCEL);
    EXPECT_EQ(p.Wait(), 1u);
    EXPECT_EQ(ReadBytes(app.ini), original);
}
