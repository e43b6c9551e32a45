// Helpers for the copy-run tests: the disc on drive D:, the settings of a
// run, the run itself with a relay trace of the requests it makes, and the
// helper programs that record what the end-of-copy action does.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wine/harness.h"

namespace zv {

// Drive D:, the disc. ClearDisc empties it; the fill functions write into it.
const char kDisc[] = "D:";
void ClearDisc();
// Drives as Wine's mount manager defines them while it runs, the way its
// configuration tool does: a folder becomes a drive of a type, read anew.
// Its label and serial come from the files .windows-label and
// .windows-serial (hex digits) in the folder; the manager reads them only
// when it defines the drive, as a real drive reads a new disc.
struct TestDrive {
    char letter;
    UINT type;           // DRIVE_FIXED, DRIVE_CDROM
    const char* folder;  // its folder, as UnixPath names it ("D:" is $ZV_DISC)
};
extern const TestDrive kDiscDrive;  // D:, fixed, the folder $ZV_DISC
extern const TestDrive kCdDrive;    // E:, a CD drive over C:\zvtest\cd
// Puts a disc with that label and serial in: true once the system reports it.
bool LoadVolume(const TestDrive& drive, const std::string& label, const std::string& serial);
// Takes the disc out: the drive then reports no volume.
bool EmptyDrive(const TestDrive& drive);
// The drive as a session starts with it: no label, Wine's own serial.
bool ResetDrive(const TestDrive& drive);
// The sample tree below root: nested folders, a hidden file, an empty
// folder, Japanese names (some with a second byte 0x5C) and a 3 MB file.
void FillSampleTree(const std::string& root);

// The settings of a run, written directly into zolvane.ini.
struct RunSettings {
    std::string to;
    std::string from = "D:\\";
    std::string command;
    int numCount = 3;
    int flags = 0;
    int exitMode = 0;
    int exitFlags = 0;
    std::string hidden;  // further lines of [General], each ending in CRLF
};
void WriteRunSettings(const std::string& ini, const RunSettings& settings);

// ASCII lower case, for comparing trace lines and paths.
std::string Lower(std::string s);

// The Unix path of a Windows path on drive C:, D: or Z: (the Unix root).
std::string UnixPath(const std::string& windowsPath);
// Runs script with /bin/sh on the Unix side (no double quotes in it) and
// waits up to timeoutMs for it to end; true when it ended with status 0.
bool RunUnixShell(const std::string& script, DWORD timeoutMs = 20000);

// A disc with faults: simulated_disc.py (beside this program) mounted over
// D:'s folder. It shows that folder and passes every change through, so the
// disc is filled as usual; only its reads have faults. The faults are lines
// of a file read anew at every open, so they can change between discs:
//   scratch REL OFFSET   reads of REL that reach byte OFFSET fail (EIO)
//   flip REL [OFFSET]    every open of REL for reading after its first one
//                        since the faults changed has that byte's lowest
//                        bit flipped (default byte 0)
//   rate N               reads come at N bytes a second (52x CD: 7800000)
// REL is relative to the disc's root, with forward slashes.
class SimulatedDisc {
public:
    SimulatedDisc() = default;
    ~SimulatedDisc() { Unmount(); }  // a mount left behind hangs later tests
    SimulatedDisc(const SimulatedDisc&) = delete;
    SimulatedDisc& operator=(const SimulatedDisc&) = delete;

    // Empty once mounted; otherwise why it cannot be, for GTEST_SKIP.
    std::string Mount(const std::string& faults = "");
    // The faults for every open from now on.
    void SetFaults(const std::string& faults);
    void Unmount();

private:
    bool mounted_ = false;
};

// zolvane.exe started with the given arguments and a relay trace of the
// requests a copy run makes (file operation, program start, shutdown and
// standby with their privilege, message boxes). Wine writes its traces to
// the Unix standard error, which a Windows parent cannot redirect, so the
// program is started through /bin/sh; the trace and the exit code land in
// files beside the program.
class TracedRun {
public:
    explicit TracedRun(const Installed& app, const std::string& args = "/c");
    ~TracedRun();  // ends the program if it still runs
    TracedRun(const TracedRun&) = delete;
    TracedRun& operator=(const TracedRun&) = delete;

    // The program's process id once it is found; 0 when it is not running.
    DWORD Pid();
    // The next message box of the program; no window when none comes
    // within timeoutMs or the program ended.
    MessageBoxView NextBox(DWORD timeoutMs = 15000);
    // Presses a button and waits until that box has closed.
    void Answer(const MessageBoxView& box, int button);
    // The next box, once it shows text with exactly buttons (see IsBox),
    // answered with button.
    ::testing::AssertionResult Answer(const std::string& text, std::vector<int> buttons, int button);
    // The exit code once the program has ended, or STILL_ACTIVE.
    DWORD Finish(DWORD timeoutMs = 60000);
    // Relay lines "Call <dll>.<function>(...)" of the run, in order; the
    // dll name is compared case-insensitively.
    std::vector<std::string> Calls(const std::string& function) const;
    // The same for several functions at once, in the order they were made.
    std::vector<std::string> Calls(const std::vector<std::string>& functions) const;
    // Owner window and style of every MessageBoxA call, in order, as
    // "<owner> <style>" in hexadecimal ("00000000 00000024").
    std::vector<std::string> Boxes() const;

private:
    bool Ended() const;
    std::string exe_;
    std::string trace_;
    std::string exitFile_;
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// AutoNext's dialog of the run, the "Zolvane" dialog with 今すぐコピー, once
// it is up; null when it does not come.
HWND WaitForNextDiscDialog(TracedRun& run);
// True once window has closed, within timeoutMs.
bool Closes(HWND window, DWORD timeoutMs);

// Whether box shows text (code page 932 bytes) with the caption "Zolvane"
// and exactly the buttons given, and has no owner window.
::testing::AssertionResult IsBox(const MessageBoxView& box, const std::string& text,
                                 std::vector<int> buttons);

// record_args.exe copied into folder; it writes recorded.txt there.
std::string InstallRecorder(const std::string& folder);
// The lines of folder\recorded.txt once it appears within timeoutMs; empty
// when it does not.
std::vector<std::string> Recorded(const std::string& folder, DWORD timeoutMs);

// A copy run's test: the program in a folder of its own, its destination,
// its settings, and an empty disc.
struct CopyRunFixture : ::testing::Test {
    Installed app;
    std::string dest;
    std::string recorderFolder;
    RunSettings settings;

    void Prepare(const char* name) {
        app = Install(name);
        dest = app.folder + "\\dest";
        settings.to = dest;
        ClearDisc();
    }
    // The end-of-copy action runs the recorder, so a test can see whether
    // the action happened.
    void ActionRunsRecorder() {
        recorderFolder = app.folder + "\\action";
        settings.command = InstallRecorder(recorderFolder);
        settings.exitMode = 2;
    }
    bool ActionRan() { return !Recorded(recorderFolder, 5000).empty(); }
    void Write() { WriteRunSettings(app.ini, settings); }
};

}  // namespace zv
