// The modal three-page settings sheet over a working copy of the settings.
#pragma once
#include <windows.h>
#include <prsht.h>

// 1 when the sheet committed its working copy into the global Settings,
// 0 otherwise.
int ShowSettingsSheet(HWND owner);

// The call that runs the sheet: PropertySheetA; tests put a stand-in here.
typedef INT_PTR(WINAPI* RunSheetFunction)(LPCPROPSHEETHEADERA header);
extern RunSheetFunction gRunSheet;
