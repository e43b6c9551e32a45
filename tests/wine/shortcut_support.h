// Helpers for the Shortcut page's tests: the sheet opened at its third page,
// the folder browser driven through its tree, shortcut files read back, and
// a probe loaded into the program to read a control's font there.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/harness.h"

namespace zv {

// The settings sheet of a program started without "/c", switched to the
// Shortcut page as a user would by its tab.
struct ShortcutSheet {
    HWND sheet = nullptr;
    HWND page = nullptr;
};
ShortcutSheet OpenShortcutPage(Process& process, const Installed& app);

// The desktop folder of the prefix's user, without a trailing backslash.
std::string DesktopFolder();

// "コピーの開始 Zolvane.lnk" as code page 932 bytes.
std::string ShortcutName();

// A shortcut file loaded back through IShellLinkA, and the fields of its
// header (the show command as stored: Wine reports 1 through GetShowCmd).
struct ShortcutView {
    bool loaded = false;
    std::string target, arguments, workingDirectory, iconPath;
    int iconIndex = -1;
    DWORD headerFlags = 0;       // LinkFlags
    DWORD headerShowCommand = 0;
};
ShortcutView ReadShortcut(const std::string& path);
enum : DWORD { HasWorkingDir = 0x10, HasArguments = 0x20, HasIconLocation = 0x40 };

// Every .lnk file below root (relative paths, sorted).
std::vector<std::string> ShortcutsBelow(const std::string& root);

// A visible top-level window of the process, other than except, that holds
// a child of the given class; polls until timeoutMs.
HWND WaitForDialogWith(DWORD pid, HWND except, const char* childClass, DWORD timeoutMs = 10000);

// The folder browser ("SysTreeView32" inside) and a route of item texts from
// the root of its tree: each step is the exact text of an item, or, starting
// with '*', a part of it. Expands as it goes and selects the last item.
HWND WaitForFolderBrowser(DWORD pid, HWND sheet);
bool SelectInBrowser(HWND browser, const std::vector<std::string>& route, std::string* error);

// Runs a function of tests/wine/font_probe.dll inside the process on its
// own thread and returns the thread's exit code (~0u when it could not run).
DWORD RunProbe(const Process& process, const char* function, void* argument);

}  // namespace zv
