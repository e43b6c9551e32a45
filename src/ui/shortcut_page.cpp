// The Shortcut page: makes the shortcut that starts the copy run, on the
// desktop or in a folder the user picks, and opens the About box.
#include "app/bounded_text.h"
#include "app/startup.h"
#include "res/resource.h"
#include "shell/path_services.h"
#include "shell/shortcut_writer.h"
#include "ui/pages.h"
#include "ui/shortcut_path_text.h"

namespace {

// Writes "<folder>\<shortcut name>.lnk" starting this program with "/C".
// A path that would not fit its buffer is not written at all.
void MakeShortcutIn(const char* folder) {
    char format[MAX_PATH] = "";
    if (LoadStringA(gInstance, IDS_SHORTCUT_PATH, format, ArraySize(format)) <= 0) return;
    char shortcutPath[MAX_PATH];
    if (!FormatShortcutPath(format, folder, shortcutPath)) return;
    char exePath[MAX_PATH + 10] = "";
    if (!ProgramPath(exePath)) return;
    WriteShortcut(shortcutPath, exePath, NULL, "/C");
}

// Without the desktop's path there is nowhere to put the shortcut.
void DesktopShortcut(HWND page) {
    char folder[MAX_PATH] = "";
    if (!SpecialFolderPath(page, CSIDL_DESKTOP, folder)) return;
    MakeShortcutIn(folder);
}

void FolderShortcut(HWND page) {
    char folder[MAX_PATH] = "";
    if (!BrowseForFolder(page, folder, NULL)) return;
    MakeShortcutIn(folder);
}

}  // namespace

INT_PTR CALLBACK ShortcutPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDC_SHORTCUT_DESKTOP:
        DesktopShortcut(page);
        return TRUE;
    case IDC_SHORTCUT_FOLDER:
        FolderShortcut(page);
        return TRUE;
    case IDC_ABOUT:
        DialogBoxParamA(gInstance, MAKEINTRESOURCEA(IDD_ABOUT), page, AboutBoxProc, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
