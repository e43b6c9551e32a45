// Places a window centred over its owner, inside the primary work area.
#pragma once
#include <windows.h>

// owner may be null: the window is then centred in the work area. Always 1.
int CentreWindow(HWND owner, HWND window);
