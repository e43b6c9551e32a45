// The small window that shows the check of a copy against its disc, a
// second read of the disc at its own speed, and lets the user end it.
#pragma once
#include <stdint.h>
#include <windows.h>

// Shows the window without taking the focus, for a check of totalBytes. The
// check runs without it when it cannot be made.
void OpenCheckProgress(HINSTANCE instance, uint64_t totalBytes);
// The file now being read, a path in the system code page.
void ShowCheckedFile(const char* path);
// Moves the bar on by bytes read.
void AdvanceCheckProgress(uint64_t bytes);
// Brings the window up to date (now and then: repaints are slow) and
// handles its messages without waiting for any; true once the user has
// pressed キャンセル, Esc or the close box.
bool CancelPressed();
void CloseCheckProgress();
