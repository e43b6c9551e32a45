// Process entry: the command line arrives split into arguments by the C
// runtime, by the usual Windows rules.
#include <windows.h>
#include <stdlib.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return StartUp(instance, __argc, __argv);
}
