// The hands-free disc loop: Eject=1 opens a CD drive's tray after its pass,
// AutoNext=1 waits for the next disc in a dialog of its own and starts its
// copy by itself.
#include <gtest/gtest.h>

#include <stdio.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

struct DiscLoopTest : CopyRunFixture {
    void TearDown() override {
        EmptyDrive(kCdDrive);
        ResetDrive(kDiscDrive);
        ClearDisc();
    }
};

}  // namespace

TEST_F(DiscLoopTest, EjectOpensTheTrayOfACdDriveAfterAReadyPassOnly) {
    WriteBytes(std::string(kCdDrive.folder) + "\\track.txt", "on the CD");
    ASSERT_TRUE(LoadVolume(kCdDrive, "AUDIO", "0000cd01"));
    struct Case {
        const char* name;
        const char* from;
        const char* hidden;
        bool ejects;
    };
    const Case cases[] = {
        {"eject-off", "E:\\", "", false},
        {"eject-cd", "E:\\", "Eject=1\r\n", true},
        {"eject-fixed", "D:\\", "Eject=1\r\n", false},
        {"eject-not-ready", "E:\\track.txt\\", "Eject=1\r\n", false},
    };
    for (const Case& c : cases) {
        Prepare(c.name);
        WriteBytes("D:\\a.txt", "a");
        settings.from = c.from;
        settings.hidden = c.hidden;
        Write();
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u) << c.name;
        std::vector<std::string> calls = run.Calls("winmm.mciSendStringA");
        if (!c.ejects) {
            EXPECT_TRUE(calls.empty()) << c.name;
            continue;
        }
        ASSERT_FALSE(calls.empty()) << c.name;
        EXPECT_NE(calls[0].find("\"open E: type cdaudio alias zolvane_cd shareable\""),
                  std::string::npos)
            << calls[0];
        for (size_t i = 1; i < calls.size(); ++i)
            EXPECT_TRUE(calls[i].find("\"set zolvane_cd door open wait\"") != std::string::npos ||
                        calls[i].find("\"close zolvane_cd\"") != std::string::npos)
                << calls[i];
        EXPECT_EQ(ReadBytes(dest + "\\001\\track.txt"), "on the CD") << "copied first";
    }
}

TEST_F(DiscLoopTest, AutoNextStartsANewDiscByItselfButNeverTheSameOneAgain) {
    Prepare("auto-next");
    ActionRunsRecorder();
    settings.flags = 2;  // RepeatCopy
    settings.hidden = "AutoNext=1\r\n";
    Write();
    WriteBytes("D:\\one.txt", "first");
    ASSERT_TRUE(LoadVolume(kDiscDrive, "ONE", "00000001"));
    TracedRun run(app);
    HWND wait = WaitForNextDiscDialog(run);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(SendMessageA(wait, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    RECT box, work;
    GetWindowRect(wait, &box);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(abs((box.left + box.right) - (work.left + work.right)), 1) << "centred";
    EXPECT_LE(abs((box.top + box.bottom) - (work.top + work.bottom)), 1);
    EXPECT_EQ(ReadBytes(dest + "\\001\\one.txt"), "first");

    // The same disc taken out for 2.5 s and put back starts nothing.
    ASSERT_TRUE(EmptyDrive(kDiscDrive));
    Sleep(2500);
    ASSERT_TRUE(LoadVolume(kDiscDrive, "ONE", "00000001"));
    EXPECT_FALSE(Closes(wait, 3000));
    EXPECT_FALSE(Exists(dest + "\\002"));

    // A new disc starts the next pass without a click.
    ClearDisc();
    WriteBytes("D:\\two.txt", "second");
    ASSERT_TRUE(LoadVolume(kDiscDrive, "TWO", "00000002"));
    DWORD inserted = GetTickCount();
    EXPECT_TRUE(Closes(wait, 5000));
    printf("[ measured ] a new disc noticed after %lu ms\n", GetTickCount() - inserted);
    wait = WaitForNextDiscDialog(run);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(ReadBytes(dest + "\\002\\two.txt"), "second");

    // 今すぐコピー copies the disc in the drive at once, the same one too.
    Press(wait, IDOK);
    ASSERT_TRUE(Closes(wait, 5000));
    wait = WaitForNextDiscDialog(run);
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(ReadBytes(dest + "\\003\\two.txt"), "second");

    // キャンセル ends the loop, and the end-of-copy action follows.
    Press(wait, IDCANCEL);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(ActionRan());
    EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty()) << "the repeat question is not asked";
    EXPECT_EQ(run.Calls("shell32.SHFileOperationA").size(), 3u);
}
