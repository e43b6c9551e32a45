#include "verify/check_progress.h"

#include <commctrl.h>

#include "app/bounded_text.h"
#include "app/centre_window.h"
#include "res/resource.h"

namespace {

// The window is brought up to date at most this often: each repaint costs
// more than reading a chunk.
enum { RefreshMs = 100 };

HWND gWindow;
bool gCancelled;
uint64_t gDone;
char gFile[1100];  // the file being read, shown at the next refresh
bool gFileChanged;
DWORD gRefreshed;

INT_PTR CALLBACK CheckProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    // The close box and Esc come as IDCANCEL too.
    if (message != WM_COMMAND || LOWORD(wParam) != IDCANCEL) return FALSE;
    gCancelled = true;
    EnableWindow(GetDlgItem(window, IDCANCEL), FALSE);
    return TRUE;
}

void Refresh() {
    DWORD now = GetTickCount();
    if (now - gRefreshed < RefreshMs) return;
    gRefreshed = now;
    if (gFileChanged) SetDlgItemTextA(gWindow, IDC_CHECK_FILE, gFile);
    gFileChanged = false;
    SendDlgItemMessageA(gWindow, IDC_CHECK_BAR, PBM_SETPOS, static_cast<WPARAM>(gDone >> 10), 0);
}

}  // namespace

void OpenCheckProgress(HINSTANCE instance, uint64_t totalBytes) {
    gCancelled = gFileChanged = false;
    gDone = 0;
    gRefreshed = GetTickCount() - RefreshMs;
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
    gFileChanged = CopyText(gFile, path);
}

void AdvanceCheckProgress(uint64_t bytes) { gDone += bytes; }

bool CancelPressed() {
    if (!gWindow) return false;
    Refresh();
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(gWindow, &message)) DispatchMessageA(&message);
    return gCancelled;
}

void CloseCheckProgress() {
    if (gWindow) DestroyWindow(gWindow);
    gWindow = NULL;
}
