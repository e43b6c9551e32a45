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

// The trace's "Call x.f(arguments)" without its thread and return address,
// in lower case.
std::string Reduced(const std::string& call) {
    size_t start = call.find("Call ");
    std::string reduced = call.substr(start == std::string::npos ? 0 : start + 5);
    return Lower(reduced.substr(0, reduced.rfind(" ret=")));
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

const std::string kAdjust = "advapi32.adjusttokenprivileges(";
const std::string kClose = "kernel32.closehandle(";

// The first argument of a reduced call.
std::string FirstArgument(const std::string& reduced) {
    size_t open = reduced.find('(') + 1;
    return reduced.substr(open, reduced.find_first_of(",)", open) - open);
}

// The privilege calls, the closing of their token and the shutdown or
// standby request, in the order the program made them. Of the many handles
// closed, only the token that was adjusted counts.
std::vector<std::string> ShutdownRoad(const TracedRun& run) {
    std::vector<std::string> road;
    std::string token;
    for (const std::string& call :
         run.Calls({"advapi32.OpenProcessToken", "advapi32.LookupPrivilegeValueA",
                    "advapi32.AdjustTokenPrivileges", "kernel32.CloseHandle",
                    "user32.ExitWindowsEx", "kernel32.SetSystemPowerState"})) {
        std::string reduced = Reduced(call);
        if (StartsWith(reduced, kAdjust)) token = FirstArgument(reduced);
        if (StartsWith(reduced, kClose) && (token.empty() || reduced != kClose + token + ")"))
            continue;
        road.push_back(reduced);
    }
    return road;
}

// Whether road enables the shutdown privilege (the current process's token
// opened for adjusting and querying, the privilege looked up on this system,
// enabled without disabling the others, that token closed), then makes
// request.
::testing::AssertionResult EnablesThePrivilegeThenRequests(const std::vector<std::string>& road,
                                                           const std::string& request) {
    std::string all;
    for (const std::string& call : road) all += "\n  " + call;
    if (road.size() != 5) return ::testing::AssertionFailure() << "the calls were:" << all;
    std::string token = FirstArgument(road[2]);
    bool ok = StartsWith(road[0], "advapi32.openprocesstoken(ffffffff,00000028,") &&
              StartsWith(road[1], "advapi32.lookupprivilegevaluea(00000000,") &&
              road[1].find(" \"seshutdownprivilege\",") != std::string::npos &&
              StartsWith(road[2], kAdjust + token + ",00000000,") &&
              road[2].find(",00000000,00000000,00000000)") != std::string::npos &&
              road[3] == kClose + token + ")" && road[4] == request;
    if (!ok) return ::testing::AssertionFailure() << "the calls were:" << all;
    return ::testing::AssertionSuccess();
}

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
    EXPECT_TRUE(ShutdownRoad(run).empty()) << "no privilege is touched to start a program";
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
        EXPECT_TRUE(EnablesThePrivilegeThenRequests(
            ShutdownRoad(run), "kernel32.setsystempowerstate(00000001,00000001)"));
    }
    // Without ConfirmExit it comes right after the last pass, unasked.
    settings.exitFlags = 2;
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty());
    EXPECT_TRUE(EnablesThePrivilegeThenRequests(
        ShutdownRoad(run), "kernel32.setsystempowerstate(00000001,00000001)"));
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
    EXPECT_TRUE(ShutdownRoad(run).empty()) << "neither the privilege nor the request";
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
    EXPECT_TRUE(EnablesThePrivilegeThenRequests(ShutdownRoad(run),
                                                "user32.exitwindowsex(00000001,00000000)"))
        << "EWX_SHUTDOWN, reserved 0";
    for (int i = 0; i < 200 && Lines(log).size() < 2; ++i) Sleep(50);
    std::vector<std::string> seen = Lines(log);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[1], "WM_QUERYENDSESSION");
}
