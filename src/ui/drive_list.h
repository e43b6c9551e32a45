// The Folder page's list of present drives: an extended combo box showing
// each drive with the shell's display name and small icon.
#pragma once
#include <windows.h>

// Lists every present drive in letter order, item data the letter's
// character code, and selects the drive whose letter is the first byte of
// sourceRoot, or the first drive. Returns 1.
int FillDriveList(HWND list, const char* sourceRoot);

// The root "X:\" of the selected drive. False, root untouched, when nothing
// is selected or the item cannot be read.
bool SelectedDriveRoot(HWND list, char (&root)[4]);
