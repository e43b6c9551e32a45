// Loaded into zolvane.exe by the tests: a font handle can only be read inside
// the process that made it. Each function runs as a remote thread; its result
// is the thread's exit code.
#include <windows.h>
#include <stddef.h>
#include <string.h>

extern "C" {

// Control (the argument) and its dialog: the control's weight in the low 16
// bits; bit 16 when every other LOGFONT field equals the dialog's font; bit 17
// when the control's font is not the dialog's font itself.
__declspec(dllexport) DWORD WINAPI ProbeControlFont(void* control) {
    HWND item = static_cast<HWND>(control);
    HFONT own = reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0));
    HFONT dialog = reinterpret_cast<HFONT>(SendMessageA(GetParent(item), WM_GETFONT, 0, 0));
    LOGFONTA a, b;
    if (!own || !dialog || GetObjectA(own, sizeof a, &a) != sizeof a ||
        GetObjectA(dialog, sizeof b, &b) != sizeof b)
        return 0;
    DWORD result = static_cast<DWORD>(a.lfWeight) & 0xFFFF;
    a.lfWeight = b.lfWeight;
    if (memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
        strcmp(a.lfFaceName, b.lfFaceName) == 0)
        result |= 0x10000;
    if (own != dialog) result |= 0x20000;
    return result;
}

// The control's font handle (GDI handles fit in 32 bits).
__declspec(dllexport) DWORD WINAPI ProbeFontHandle(void* control) {
    return static_cast<DWORD>(
        SendMessageA(static_cast<HWND>(control), WM_GETFONT, 0, 0));
}

// GetObjectType of a handle: 0 once it has been deleted.
__declspec(dllexport) DWORD WINAPI ProbeObjectType(void* handle) {
    return GetObjectType(static_cast<HGDIOBJ>(handle));
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD, void*) { return TRUE; }
