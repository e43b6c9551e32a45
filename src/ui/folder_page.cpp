// The Folder page: destination folder, digits of the folder number, the
// numbering start, the source drive and copy or move.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "app/bounded_text.h"
#include "res/resource.h"
#include "shell/path_services.h"
#include "ui/drive_list.h"
#include "ui/page_controls.h"
#include "ui/page_values.h"
#include "ui/pages.h"

namespace {

void FillFolderPage(HWND page) {
    SettingsRecord& s = gWorkingCopy;
    if (s.To[0] == '\0') SpecialFolderPath(page, CSIDL_PERSONAL, s.To);
    SetDlgItemTextA(page, IDC_DEST_EDIT, s.To);
    CheckBoxForBit(page, IDC_MOVE_FILES, s.Flags, MoveFiles);
    CheckBoxForBit(page, IDC_FROM_ZERO, s.Flags, NumberFromZero);
    s.NumCount = NormalisedNumCount(s.NumCount);
    SendDlgItemMessageA(page, IDC_DIGITS_SPIN, UDM_SETRANGE, 0, MAKELPARAM(16, 1));
    SendDlgItemMessageA(page, IDC_DIGITS_SPIN, UDM_SETPOS, 0, MAKELPARAM(s.NumCount, 0));
    FillDriveList(GetDlgItem(page, IDC_DRIVE_LIST), s.From);
}

// With no drive selected, From keeps the value it had.
void StoreFolderPage(HWND page) {
    SettingsRecord& s = gWorkingCopy;
    GetDlgItemTextA(page, IDC_DEST_EDIT, s.To, ArraySize(s.To));
    char root[4];
    if (SelectedDriveRoot(GetDlgItem(page, IDC_DRIVE_LIST), root)) CopyText(s.From, root);
    char digits[32] = "";
    GetDlgItemTextA(page, IDC_DIGITS_EDIT, digits, ArraySize(digits));
    s.NumCount = NumCountFromText(digits);
    s.Flags = BitFromBox(page, IDC_MOVE_FILES, s.Flags, MoveFiles);
    s.Flags = BitFromBox(page, IDC_FROM_ZERO, s.Flags, NumberFromZero);
}

void BrowseDestination(HWND page) {
    char typed[MAX_PATH] = "";
    char chosen[MAX_PATH] = "";
    GetDlgItemTextA(page, IDC_DEST_EDIT, typed, ArraySize(typed));
    if (BrowseForFolder(page, chosen, typed)) SetDlgItemTextA(page, IDC_DEST_EDIT, chosen);
}

}  // namespace

INT_PTR CALLBACK FolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FillFolderPage(page);
        return TRUE;
    case WM_DESTROY:
        StoreFolderPage(page);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDC_DEST_BROWSE) return FALSE;
        BrowseDestination(page);
        return TRUE;
    }
    return FALSE;
}
