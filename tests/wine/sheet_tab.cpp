// Selects a tab of the running program's settings sheet, for screenshots:
//   sheet_tab.exe INDEX [BUTTON]
// and, with BUTTON, presses that button of the page (without waiting for it).
// Exits 0 when the sheet was found within ten seconds, 1 otherwise.
#include <windows.h>
#include <prsht.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    int index = argc > 1 ? atoi(argv[1]) : 0;
    for (int tries = 0; tries < 100; ++tries) {
        HWND sheet = FindWindowA("#32770", "Zolvane の設定");
        if (sheet) {
            SendMessageA(sheet, PSM_SETCURSEL, index, 0);
            if (argc > 2) {
                HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                HWND button = GetDlgItem(page, atoi(argv[2]));
                if (!button) return 1;
                PostMessageA(button, BM_CLICK, 0, 0);
            }
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
