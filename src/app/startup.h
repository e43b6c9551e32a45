// The program's entry logic: single-instance guard, settings, run mode.
#pragma once
#include <windows.h>

// The program's module instance, for strings, dialog templates and icons.
extern HINSTANCE gInstance;

// Runs the program; the result is the process exit code: 0 when another
// instance is running, 1 otherwise.
int StartUp(HINSTANCE instance, int argc, char** argv);
