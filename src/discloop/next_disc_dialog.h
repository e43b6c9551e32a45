// AutoNext=1 with repeat mode: instead of asking for the next disc, the run
// waits for it in a dialog of its own and starts the next pass as soon as a
// new disc can be read.
#pragma once
#include <windows.h>

// Remembers the disc of a pass whose source was ready, before it may come
// out, so that the same disc put back is not taken for the next one.
void NoteFinishedDisc(const char* from);

// The waiting dialog. True when the next pass is to start: a new disc came,
// or the user pressed 今すぐコピー. False on Cancel, Escape, the close box,
// or when the dialog could not be shown.
bool NextDiscArrives(HINSTANCE instance, const char* from);
