// Text rules of the hands-free disc loop: the multimedia-control commands
// that open a CD drive's tray, and when a disc counts as the next one.
#pragma once
#include <stddef.h>

#include "copy/volume_identity.h"

// "open D: type cdaudio alias zolvane_cd shareable" for drive letter D.
// False, command empty, when it does not fit.
bool BuildTrayOpenCommand(char driveLetter, char* command, size_t size);
extern const char kTrayDoorOpenCommand[];  // "set zolvane_cd door open wait"
extern const char kTrayCloseCommand[];     // "close zolvane_cd"

// The disc that must not start the next pass by itself: the one in the
// drive when the wait begins, or, when the drive is empty by then (the disc
// came out), the one just copied, so that it is not copied again when its
// tray closes.
VolumeIdentity DiscNotToStart(const VolumeIdentity& atStart, const VolumeIdentity& finished);

// A ready disc whose label or serial differs from the one seen before, or
// any ready disc when none was seen: the disc put back in is not the next.
bool IsAnotherDisc(const VolumeIdentity& seen, const VolumeIdentity& now);
