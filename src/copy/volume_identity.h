// A disc as its volume names it: label and serial number.
#pragma once
#include <stdint.h>

struct VolumeIdentity {
    bool readable;   // false: no disc, or the drive could not be read
    char label[261];
    uint32_t serial;
};

// Label and serial of the volume at root ("D:\"). The caller turns the
// system's critical-error boxes off around it, so that an empty drive fails
// quietly instead of asking for a disc.
void ReadVolumeIdentity(const char* root, VolumeIdentity* volume);
