// AutoNext=1 with repeat mode: instead of asking for the next disc, the run
// waits for it in a dialog of its own and starts the next pass as soon as a
// new disc can be read.
#pragma once
#include <windows.h>

#include "copy/pass_start.h"
#include "copy/volume_identity.h"

// Remembers the disc of a pass whose source was ready, read before it may
// come out, so that the same disc put back is not taken for the next one.
void NoteFinishedDisc(const VolumeIdentity& volume);

// The waiting dialog. True when the next pass is to start, with how it
// began: a new disc came (DiscArrived), or the user pressed 今すぐコピー
// (NowButton). False on Cancel, Escape, the close box, or when the dialog
// could not be shown.
bool NextDiscArrives(HINSTANCE instance, const char* from, PassStart* start);
