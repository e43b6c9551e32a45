// Eject=1: a CD comes out of its drive after its pass.
#pragma once

// Opens the tray of the source's drive when it is a CD drive, through the
// multimedia control interface, which both Windows families have. winmm is
// loaded only then. A failed eject changes nothing and is not reported.
void EjectDisc(const char* from);
