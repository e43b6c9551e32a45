// The end-of-copy action of the real program: the command started through
// the shell, shutdown and standby, each behind its question. Shutdown under
// Wine ends only this prefix's session, which another program's window sees.
#include <gtest/gtest.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

const char kConfirmShutdown[] = "ファイルのコピーが終了しました。Windowsを終了します。";
const char kConfirmStandby[] = "ファイルのコピーが終了しました。コンピュータをスタンバイします。";
const char kConfirmRun[] = "ファイルのコピーが終了しました。外部プログラムを実行します。";

struct EndOfCopyTest : ::testing::Test {
    Installed app;
    RunSettings settings;

    void Prepare(const char* name) {
        app = Install(name);
        settings.to = app.folder + "\\dest";
        ClearDisc();
        WriteBytes("D:\\a.txt", "a");
    }
    void Write() { WriteRunSettings(app.ini, settings); }
};

}  // namespace

TEST_F(EndOfCopyTest, RunCommandStartsTheSplitCommandInTheCurrentFolder) {
    Prepare("eoc-run");
    std::string tools = app.folder + "\\my tools";
    std::string recorder = InstallRecorder(tools);
    settings.command = "\"" + recorder + "\" /q \"a b\" c";
    settings.exitMode = 2;
    settings.exitFlags = 4;  // ConfirmRun
    Write();

    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmRun, {IDYES, IDNO}));
    EXPECT_TRUE(Exists(settings.to + "\\001\\a.txt")) << "the question comes after the copy";
    run.Answer(box, IDYES);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000024"});

    std::vector<std::string> recorded = Recorded(tools, 10000);
    ASSERT_FALSE(recorded.empty()) << "the program was not started";
    EXPECT_EQ(recorded[0], "cwd:" + app.folder) << "no working folder: the program's own applies";
    EXPECT_EQ(std::vector<std::string>(recorded.begin() + 2, recorded.end()),
              (std::vector<std::string>{"arg:/q", "arg:a b", "arg:c"}));
    std::vector<std::string> calls = run.Calls("shell32.ShellExecuteA");
    ASSERT_EQ(calls.size(), 1u);
    std::string escaped;
    for (char c : recorder) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    EXPECT_NE(calls[0].find("(00000000,"), std::string::npos) << calls[0];
    EXPECT_NE(calls[0].find("\"open\""), std::string::npos) << calls[0];
    EXPECT_NE(calls[0].find(" \"" + escaped + "\","), std::string::npos)
        << "the program text without its quotes: " << calls[0];
    EXPECT_NE(calls[0].find("\"/q \\\"a b\\\" c\""), std::string::npos)
        << "the parameters unchanged: " << calls[0];
    EXPECT_NE(calls[0].find(",00000005)"), std::string::npos) << "SW_SHOW: " << calls[0];
}

TEST_F(EndOfCopyTest, NoAtTheRunQuestionStartsNothing) {
    Prepare("eoc-run-no");
    std::string tools = app.folder + "\\tools";
    settings.command = InstallRecorder(tools);
    settings.exitMode = 2;
    settings.exitFlags = 4;  // ConfirmRun
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmRun, {IDYES, IDNO}));
    run.Answer(box, IDNO);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty());
    EXPECT_TRUE(Recorded(tools, 2000).empty());
}

TEST_F(EndOfCopyTest, ACommandThatDoesNotFitIsNotStartedAnEmptyOneIsRequested) {
    Prepare("eoc-run-long");
    settings.exitMode = 2;
    for (const std::string& command :
         {"\"C:\\" + std::string(300, 'p') + ".exe\"", "x.exe " + std::string(600, 'q')}) {
        settings.command = command;
        Write();
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
        EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty()) << command.size();
    }
    settings.command = "";
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(run.Calls("shell32.ShellExecuteA").size(), 1u);
}

TEST_F(EndOfCopyTest, OtherExitModesDoNothing) {
    Prepare("eoc-none");
    std::string tools = app.folder + "\\tools";
    settings.command = InstallRecorder(tools);
    settings.exitFlags = 7;
    for (int mode : {0, 3, -1}) {
        settings.exitMode = mode;
        Write();
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u) << mode;
        EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty()) << mode;
        EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty()) << mode;
        EXPECT_TRUE(run.Calls("user32.ExitWindowsEx").empty()) << mode;
        EXPECT_TRUE(run.Calls("kernel32.SetSystemPowerState").empty()) << mode;
    }
    EXPECT_TRUE(Recorded(tools, 1000).empty());
}

TEST_F(EndOfCopyTest, StandbyAsksEntry2AndRequestsAForcedSuspend) {
    Prepare("eoc-standby");
    settings.exitMode = 1;
    settings.exitFlags = 1 | 2;  // ConfirmExit, Standby
    Write();
    {
        TracedRun run(app);
        MessageBoxView box = run.NextBox();
        ASSERT_TRUE(IsBox(box, kConfirmStandby, {IDYES, IDNO}));
        run.Answer(box, IDYES);
        EXPECT_EQ(run.Finish(), 1u);
        EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000024"});
        std::vector<std::string> calls = run.Calls("kernel32.SetSystemPowerState");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_NE(calls[0].find("(00000001,00000001)"), std::string::npos) << calls[0];
        EXPECT_TRUE(run.Calls("user32.ExitWindowsEx").empty());
    }
    // Without ConfirmExit it comes right after the last pass, unasked.
    settings.exitFlags = 2;
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty());
    std::vector<std::string> calls = run.Calls("kernel32.SetSystemPowerState");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find("(00000001,00000001)"), std::string::npos) << calls[0];
}

TEST_F(EndOfCopyTest, NoAtTheShutdownQuestionRequestsNothing) {
    Prepare("eoc-shutdown-no");
    settings.exitMode = 1;
    settings.exitFlags = 1;  // ConfirmExit
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmShutdown, {IDYES, IDNO}));
    run.Answer(box, IDNO);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("user32.ExitWindowsEx").empty());
    EXPECT_TRUE(run.Calls("kernel32.SetSystemPowerState").empty());
}

// Last of this file: it ends the prefix's session, closing other windows.
TEST_F(EndOfCopyTest, ShutdownEndsTheSessionThatAnotherProgramsWindowSees) {
    Prepare("eoc-shutdown");
    std::string log = app.folder + "\\session.log";
    std::string watch = app.folder + "\\end_session_watch.exe";
    ASSERT_TRUE(CopyFileA((BuildFolder() + "\\end_session_watch.exe").c_str(), watch.c_str(), FALSE));
    Process watcher;
    ASSERT_TRUE(watcher.Start(watch, "\"" + log + "\""));
    for (int i = 0; i < 200 && Lines(log).empty(); ++i) Sleep(50);
    ASSERT_EQ(Lines(log), std::vector<std::string>{"ready"});

    settings.exitMode = 1;
    settings.exitFlags = 1;  // ConfirmExit
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmShutdown, {IDYES, IDNO}));
    EXPECT_EQ(Lines(log).size(), 1u) << "nothing before the answer";
    run.Answer(box, IDYES);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000024"});
    std::vector<std::string> calls = run.Calls("user32.ExitWindowsEx");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].find("(00000001,00000000)"), std::string::npos) << "EWX_SHUTDOWN: " << calls[0];
    EXPECT_TRUE(run.Calls("kernel32.SetSystemPowerState").empty());
    for (int i = 0; i < 200 && Lines(log).size() < 2; ++i) Sleep(50);
    std::vector<std::string> seen = Lines(log);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[1], "WM_QUERYENDSESSION");
}
