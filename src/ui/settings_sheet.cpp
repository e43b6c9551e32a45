#include "ui/settings_sheet.h"

#include <commctrl.h>
#include <prsht.h>
#include <stddef.h>

#include "app/settings.h"
#include "app/startup.h"
#include "res/resource.h"
#include "ui/pages.h"

SettingsRecord gWorkingCopy;
RunSheetFunction gRunSheet = PropertySheetA;

namespace {

// The sheet walks its pages with the stride of their first-version size.
static_assert(sizeof(PROPSHEETPAGEA_V1) ==
                  offsetof(PROPSHEETPAGEA, pcRefParent) + sizeof(UINT*), "page stride");

enum { PageCount = 3 };

struct PageRow {
    int templateId;
    int iconId;
    const char* title;
    DLGPROC procedure;
};

// The tabs from left to right.
const PageRow kPages[PageCount] = {
    {IDD_FOLDER_PAGE, IDI_DEST_FOLDER, "フォルダ", FolderPageProc},
    {IDD_OPTIONS_PAGE, IDI_OTHER_SETTINGS, "各種設定", OptionsPageProc},
    {IDD_SHORTCUT_PAGE, IDI_SHORTCUT, "ショートカット", ShortcutPageProc},
};

void FillPages(PROPSHEETPAGEA_V1 (&pages)[PageCount]) {
    for (int i = 0; i < PageCount; ++i) {
        PROPSHEETPAGEA_V1& page = pages[i];
        page = PROPSHEETPAGEA_V1();
        page.dwSize = PROPSHEETPAGEA_V1_SIZE;
        page.dwFlags = PSP_USEICONID | PSP_USETITLE;
        page.hInstance = gInstance;
        page.pszTemplate = MAKEINTRESOURCEA(kPages[i].templateId);
        page.pszIcon = MAKEINTRESOURCEA(kPages[i].iconId);
        page.pszTitle = kPages[i].title;
        page.pfnDlgProc = kPages[i].procedure;
    }
}

// No context-help button in the caption, and the tabs in a single row.
int CALLBACK SheetInitialised(HWND sheet, UINT message, LPARAM) {
    if (message != PSCB_INITIALIZED) return 0;
    LONG_PTR exStyle = GetWindowLongPtrA(sheet, GWL_EXSTYLE);
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    if (tabs) {
        LONG_PTR style = GetWindowLongPtrA(tabs, GWL_STYLE);
        SetWindowLongPtrA(tabs, GWL_STYLE, style & ~static_cast<LONG_PTR>(TCS_MULTILINE));
    }
    return 0;
}

}  // namespace

// A sheet that could not be created (-1) is a failure like Cancel: nothing
// of the working copy is committed.
int ShowSettingsSheet(HWND owner) {
    PROPSHEETPAGEA_V1 pages[PageCount];
    FillPages(pages);

    PROPSHEETHEADERA header = {};
    header.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = owner;
    header.hInstance = gInstance;
    header.pszCaption = "Zolvane の設定";
    header.nPages = PageCount;
    header.nStartPage = 0;
    header.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages);
    header.pfnCallback = SheetInitialised;

    gWorkingCopy = Settings;
    INT_PTR result = gRunSheet(&header);
    if (result == 0 || result == -1) return 0;
    Settings = gWorkingCopy;
    return 1;
}
