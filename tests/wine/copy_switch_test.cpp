// The start-up choice seen from outside: which command lines start the copy
// run, and a second start while a copy run is going on.
#include <gtest/gtest.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

// Ends a start that did not copy: it either exits by itself or shows the
// settings sheet, which is cancelled.
DWORD EndWithoutCopy(TracedRun& run) {
    DWORD code = run.Finish(3000);
    if (code != STILL_ACTIVE) return code;
    if (DWORD pid = run.Pid())
        if (HWND sheet = WaitForWindow(pid, "#32770", nullptr, 5000)) Press(sheet, IDCANCEL);
    return run.Finish();
}

}  // namespace

TEST(CopySwitch, SlashCInAnyCaseAtAnyPositionStartsTheCopyRun) {
    Installed app = Install("switch-yes");
    ClearDisc();
    WriteBytes("D:\\a.txt", "a");
    RunSettings settings;
    settings.to = app.folder + "\\dest";
    WriteRunSettings(app.ini, settings);
    const char* lines[] = {"/c", "/C", "first /C last", "x y /c"};
    int number = 0;
    for (const char* args : lines) {
        TracedRun run(app, args);
        EXPECT_EQ(run.Finish(), 1u) << args;
        char name[8];
        snprintf(name, sizeof name, "%03d", ++number);
        EXPECT_TRUE(Exists(settings.to + "\\" + name + "\\a.txt")) << args;
    }
}

TEST(CopySwitch, LookalikesCopyNothing) {
    Installed app = Install("switch-no");
    ClearDisc();
    WriteBytes("D:\\a.txt", "a");
    RunSettings settings;
    settings.to = app.folder + "\\dest";
    WriteRunSettings(app.ini, settings);
    for (const char* args : {"-c", "/copy", "c", "/c:", ""}) {
        TracedRun run(app, args);
        EXPECT_EQ(EndWithoutCopy(run), 1u) << args;
        EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty()) << args;
    }
    EXPECT_FALSE(Exists(settings.to));
}

TEST(CopySwitch, ASecondStartDuringACopyRunExitsZeroAtOnce) {
    Installed app = Install("switch-second");
    ClearDisc();
    WriteBytes("D:\\a.txt", "a");
    RunSettings settings;
    settings.to = app.folder + "\\dest";
    settings.flags = 1;  // ConfirmCopy: the first run waits at its question
    WriteRunSettings(app.ini, settings);
    TracedRun first(app);
    MessageBoxView box = first.NextBox();
    ASSERT_TRUE(box.window);
    for (const char* args : {"/c", ""}) {
        Process second;
        ASSERT_TRUE(second.Start(app.exe, args));
        EXPECT_EQ(second.Wait(5000), 0u) << args;
        EXPECT_TRUE(WindowsOf(second.Id()).empty());
    }
    first.Answer(box, IDYES);
    EXPECT_EQ(first.Finish(), 1u);
    EXPECT_EQ(ListTree(settings.to), (std::vector<std::string>{"001\\", "001\\a.txt"}))
        << "only the first start copied";
}
