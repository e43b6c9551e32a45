// Test helper: shows a window and logs the end-of-session messages it
// receives into the file named by its argument, one line each:
// "ready" once the window is up, then "WM_QUERYENDSESSION", "WM_ENDSESSION <wParam>".
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

static const char* gLog;

static void Log(const char* line) {
    FILE* out = fopen(gLog, "ab");
    if (!out) return;
    fprintf(out, "%s\n", line);
    fclose(out);
}

static LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    char line[64];
    switch (message) {
    case WM_QUERYENDSESSION:
        Log("WM_QUERYENDSESSION");
        return TRUE;
    case WM_ENDSESSION:
        snprintf(line, sizeof line, "WM_ENDSESSION %d", wParam ? 1 : 0);
        Log(line);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    gLog = __argv[1];
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WatchProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "EndSessionWatch";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("EndSessionWatch", "end session watch", WS_OVERLAPPEDWINDOW,
                                10, 10, 200, 100, NULL, NULL, instance, NULL);
    if (!window) return 3;
    ShowWindow(window, SW_SHOW);
    Log("ready");
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
