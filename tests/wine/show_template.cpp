// Shows one dialog template of zolvane.exe with a stand-in dialog procedure,
// for screenshots of the templates on their own:
//
//   show_template.exe <template id> [program path]
//
// The program is loaded as a data file (by default build\zolvane.exe beside
// this program's build folder), so its icons and texts are the real ones. A
// page template (a child dialog) is shown inside a plain frame window with
// the page's size; a pop-up template is shown as it is. The window stays
// until it is closed or the process is killed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND g_frame = nullptr;

INT_PTR CALLBACK StandIn(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK && !(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD)) {
            DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        if (!(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD)) PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeFrame(HINSTANCE instance, int id) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frameClass.lpszClassName = "ZvTemplateFrame";
    RegisterClassA(&frameClass);
    char title[64];
    snprintf(title, sizeof title, "template %d", id);
    return CreateWindowExA(0, frameClass.lpszClassName, title,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 16, 16, 400,
                           400, nullptr, nullptr, instance, nullptr);
}

// Fits the frame around the page placed at its client origin.
void FitFrame(HWND frame, HWND page) {
    RECT r;
    GetWindowRect(page, &r);
    RECT outer = {0, 0, r.right - r.left, r.bottom - r.top};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(frame, GWL_EXSTYLE)));
    SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(page, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// Says on standard output which face the system gave the template's font,
// and the dialog base units that it yields.
void ReportFont(HWND dialog) {
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    printf("font %s, height %ld, average width %ld; 4 x 8 dialog units = %ld x %ld pixels\n", face,
           metrics.tmHeight, metrics.tmAveCharWidth, units.right, units.bottom);
    fflush(stdout);
}

std::string DefaultProgram() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = strrchr(path, '\\');
    if (slash) *slash = '\0';
    return std::string(path) + "\\..\\build\\zolvane.exe";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) {
        fprintf(stderr, "usage: show_template <template id> [program path]\n");
        return 2;
    }
    int id = atoi(__argv[1]);
    std::string path = __argc > 2 ? __argv[2] : DefaultProgram();

    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    HMODULE program = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program) {
        fprintf(stderr, "cannot load %s\n", path.c_str());
        return 1;
    }
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    const DLGTEMPLATE* tmpl =
        found ? static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(program, found))) : nullptr;
    if (!tmpl) {
        fprintf(stderr, "no template %d\n", id);
        return 1;
    }

    bool page = (tmpl->style & WS_CHILD) != 0;
    if (page) g_frame = MakeFrame(instance, id);
    HWND dialog = CreateDialogParamA(program, MAKEINTRESOURCEA(id), g_frame, StandIn, 0);
    if (!dialog) {
        fprintf(stderr, "template %d failed: error %lu\n", id, GetLastError());
        return 1;
    }
    ReportFont(dialog);
    if (page) {
        FitFrame(g_frame, dialog);
        ShowWindow(dialog, SW_SHOW);
        ShowWindow(g_frame, SW_SHOW);
    } else {
        SetWindowPos(dialog, nullptr, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(dialog, SW_SHOW);
    }

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    FreeLibrary(program);
    return 0;
}
