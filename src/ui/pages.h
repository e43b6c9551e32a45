// The settings sheet's working copy and the procedures of its three pages.
#pragma once
#include <windows.h>

#include "app/settings.h"

// The record that the sheet's pages edit; copied from the global Settings
// when the sheet opens and back over it only when the sheet ends with OK.
extern SettingsRecord gWorkingCopy;

INT_PTR CALLBACK FolderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ShortcutPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The About box, opened from the Shortcut page.
INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
