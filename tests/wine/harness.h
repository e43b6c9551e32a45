// Test harness for the Windows side: starts the real zolvane.exe in a folder
// of its own, finds its windows and drives them with window messages, and
// works with real files. Runs under Wine in the same prefix as the program.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zv {

// Folder of wine_tests.exe, which is where the build leaves zolvane.exe.
std::string BuildFolder();

// A fresh, empty folder C:\zvtest\<name>, made anew for each call.
std::string FreshFolder(const std::string& name);

// Files and folders.
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);  // empty when unreadable
bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
void MakeFolders(const std::string& path);       // every missing level
void RemoveTree(const std::string& path);
// Relative paths of every entry below root, folders with a trailing '\',
// sorted; hidden entries included.
std::vector<std::string> ListTree(const std::string& root);
// Empty when both trees hold the same names, attributes' hidden bit and bytes;
// otherwise a description of the first difference.
std::string CompareTrees(const std::string& expected, const std::string& actual);

// A copy of zolvane.exe in a folder of its own, with its settings file.
struct Installed {
    std::string folder;  // no trailing backslash
    std::string exe;
    std::string ini;
};
Installed Install(const std::string& name);

// A running program.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts exe with the command line tail args. Extra environment entries
    // ("NAME=value") are added to the inherited ones; stderrPath, when not
    // empty, receives the process's standard error (Wine's traces).
    bool Start(const std::string& exe, const std::string& args,
               const std::vector<std::string>& env = {}, const std::string& stderrPath = "");
    // Exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
    DWORD Wait(DWORD timeoutMs = 20000);
    bool Running();
    void Kill();
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_ = {};
};

// Visible top-level window of a process with the given class (null: any)
// and, when title is not null, exactly that title; polls until timeoutMs.
HWND WaitForWindow(DWORD pid, const char* className, const char* title = nullptr,
                   DWORD timeoutMs = 10000);
// Every visible top-level window of the process.
std::vector<HWND> WindowsOf(DWORD pid);
// True when the process shows no visible top-level window for quietMs.
bool ShowsNothing(DWORD pid, DWORD quietMs);

// Texts as code page 932 bytes.
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
std::string ClassOf(HWND window);

// A message box of the process: its text and button ids.
struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // IDOK, IDCANCEL, IDYES, IDNO ... present
    bool HasButton(int id) const;
};
// Waits for a message box (a #32770 window whose static 0xFFFF is a text).
MessageBoxView WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);
// Presses a button of a dialog or message box without waiting for it.
void Press(HWND dialog, int buttonId);

// Reads the whole of a file as text lines (CRLF or LF), for ini checks.
std::vector<std::string> Lines(const std::string& path);

// The text of a string from the program's resources, loaded with the
// program as a data file: code page 932 bytes.
std::string ProgramString(int id);

}  // namespace zv
