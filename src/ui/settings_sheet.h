// The modal three-page settings sheet over a working copy of the settings.
#pragma once
#include <windows.h>

// 1 when the sheet committed its working copy into the global Settings,
// 0 otherwise.
int ShowSettingsSheet(HWND owner);
