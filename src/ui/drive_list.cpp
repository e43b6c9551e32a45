#include "ui/drive_list.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/bounded_text.h"
#include "ui/page_values.h"

namespace {

// Appends one drive at position index; returns the shell's small-icon list.
HIMAGELIST AppendDrive(HWND list, int index, char letter) {
    char root[4];
    DriveRootOf(letter, root);
    SHFILEINFOA info = {};
    HIMAGELIST icons = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
        root, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME));
    if (info.szDisplayName[0] == '\0') CopyText(info.szDisplayName, root);

    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = index;
    item.pszText = info.szDisplayName;
    item.cchTextMax = ArraySize(info.szDisplayName);
    item.iImage = info.iIcon;
    item.iSelectedImage = info.iIcon;
    item.iIndent = 0;
    item.lParam = letter;
    SendMessageA(list, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return icons;
}

}  // namespace

int FillDriveList(HWND list, const char* sourceRoot) {
    DWORD drives = GetLogicalDrives();
    HIMAGELIST icons = NULL;
    int selection = 0;
    int count = 0;
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit))) continue;
        char letter = static_cast<char>('A' + bit);
        HIMAGELIST latest = AppendDrive(list, count, letter);
        if (latest) icons = latest;
        if (letter == sourceRoot[0]) selection = count;
        ++count;
    }
    if (icons) SendMessageA(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
    SendMessageA(list, CB_SETCURSEL, selection, 0);
    return 1;
}

bool SelectedDriveRoot(HWND list, char (&root)[4]) {
    LRESULT selection = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return false;
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_LPARAM;
    item.iItem = selection;
    if (!SendMessageA(list, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return false;
    return DriveRootOf(item.lParam, root);
}
