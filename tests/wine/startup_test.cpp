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

TEST(StartUp, TenStartsAtOnceLeaveExactlyOneRunningInstance) {
    Installed app = Install("startup-ten");
    Process starts[10];
    for (Process& p : starts) ASSERT_TRUE(p.Start(app.exe, ""));
    Process* running = nullptr;
    int exitedZero = 0;
    for (Process& p : starts) {
        DWORD code = p.Wait(running ? 10000 : 3000);
        if (code == 0) {
            ++exitedZero;
        } else {
            EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE)) << "only the guard's exit is expected";
            EXPECT_EQ(running, nullptr) << "a second instance is running";
            running = &p;
        }
    }
    EXPECT_EQ(exitedZero, 9);
    ASSERT_NE(running, nullptr);
    HWND sheet = WaitForWindow(running->Id(), "#32770");
    ASSERT_NE(sheet, nullptr);
    Press(sheet, IDCANCEL);
    EXPECT_EQ(running->Wait(), 1u);
}

TEST(StartUp, AFolderTooLongForTheSettingsPathUsesDefaultsAndWritesNoFile) {
    // The program is named z.exe so that its own path fits 260 bytes while
    // "<folder>\zolvane.ini" does not.
    std::string folder = FreshFolder("startup-long");
    while (folder.size() < 249 - 41) folder += "\\" + std::string(40, 'l');
    folder += "\\" + std::string(249 - folder.size() - 1, 'm');
    ASSERT_EQ(folder.size(), 249u);
    MakeFolders(folder);
    ASSERT_TRUE(IsFolder(folder));
    std::string exe = folder + "\\z.exe";
    ASSERT_TRUE(CopyFileA((BuildFolder() + "\\zolvane.exe").c_str(), exe.c_str(), FALSE));

    Process p;
    ASSERT_TRUE(p.Start(exe, "/c"));
    HWND sheet = WaitForWindow(p.Id(), "#32770");
    ASSERT_NE(sheet, nullptr) << "no settings: To is empty, so the sheet opens";
    Press(sheet, IDOK);
    EXPECT_EQ(p.Wait(), 1u);
    EXPECT_EQ(ListTree(folder), std::vector<std::string>{"z.exe"});
    EXPECT_FALSE(Exists(folder.substr(0, 250 - 12) + "zolvane.ini")) << "no cut path was used";
}
