// What happens when the passes of a copy run are over: shut down, stand by,
// or run the configured command, each behind its optional question.
#pragma once
#include <windows.h>

// Performs the action that Settings.ExitMode selects; returns at once, never
// waiting for a started program.
void EndOfCopyAction(HINSTANCE instance);

// True when that action runs without asking first: a shutdown, standby or
// program start whose confirmation is off.
bool EndRunsUnasked();
