// The About box: program icon, the product name in an extra-bold font, the
// version and the legal notice, over the settings sheet.
#include "res/resource.h"
#include "app/centre_window.h"
#include "ui/pages.h"

// The product name's font; made when the box opens, deleted when it closes.
static HFONT gCaptionFont;

// The dialog's own font made extra bold, for the product name.
static void SetCaptionFont(HWND box) {
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    LOGFONTA font;
    ZeroMemory(&font, sizeof font);
    GetObjectA(dialogFont, sizeof font, &font);
    font.lfWeight = FW_EXTRABOLD;
    gCaptionFont = CreateFontIndirectA(&font);
    SendDlgItemMessageA(box, IDC_PRODUCT_NAME, WM_SETFONT,
                        reinterpret_cast<WPARAM>(gCaptionFont), TRUE);
}

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CentreWindow(GetParent(box), box);
        SetCaptionFont(box);
        return TRUE;
    case WM_DESTROY:
        if (gCaptionFont) DeleteObject(gCaptionFont);
        gCaptionFont = NULL;
        return TRUE;
    case WM_CLOSE:
        EndDialog(box, 1);
        return TRUE;
    case WM_COMMAND:
        // Only OK ends the box; Escape (IDCANCEL) leaves it open.
        if (LOWORD(wParam) != IDOK) return FALSE;
        EndDialog(box, 1);
        return TRUE;
    default:
        return FALSE;
    }
}
