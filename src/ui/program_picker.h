// The file dialog in which the user picks the program to run after copying.
#pragma once
#include <windows.h>

// 1 with the chosen file's full path in path, 0 when cancelled or failed.
// The caller clears path first, so the dialog opens with no file name.
int ChooseProgramFile(HWND owner, char (&path)[MAX_PATH]);
