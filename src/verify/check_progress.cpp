#include "verify/check_progress.h"

#include <commctrl.h>

#include "app/centre_window.h"
#include "res/resource.h"

namespace {

HWND gWindow;
bool gCancelled;
uint64_t gDone;

INT_PTR CALLBACK CheckProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    // The close box and Esc come as IDCANCEL too.
    if (message != WM_COMMAND || LOWORD(wParam) != IDCANCEL) return FALSE;
    gCancelled = true;
    EnableWindow(GetDlgItem(window, IDCANCEL), FALSE);
    return TRUE;
}

}  // namespace

void OpenCheckProgress(HINSTANCE instance, uint64_t totalBytes) {
    gCancelled = false;
    gDone = 0;
    gWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_CHECK_PROGRESS), NULL,
                                 CheckProgressProc, 0);
    if (!gWindow) return;
    // The bar counts KiB, so that a disc of any size fits its 32-bit range.
    SendDlgItemMessageA(gWindow, IDC_CHECK_BAR, PBM_SETRANGE32, 0,
                        static_cast<LPARAM>(totalBytes >> 10));
    CentreWindow(NULL, gWindow);
    ShowWindow(gWindow, SW_SHOWNOACTIVATE);
}

void ShowCheckedFile(const char* path) {
    if (gWindow) SetDlgItemTextA(gWindow, IDC_CHECK_FILE, path);
}

void AdvanceCheckProgress(uint64_t bytes) {
    gDone += bytes;
    if (gWindow)
        SendDlgItemMessageA(gWindow, IDC_CHECK_BAR, PBM_SETPOS, static_cast<WPARAM>(gDone >> 10), 0);
}

bool CancelPressed() {
    MSG message;
    while (gWindow && PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(gWindow, &message)) DispatchMessageA(&message);
    return gCancelled;
}

void CloseCheckProgress() {
    if (gWindow) DestroyWindow(gWindow);
    gWindow = NULL;
}
