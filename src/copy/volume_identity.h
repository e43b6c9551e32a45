// A disc as its volume names it: label and serial number.
#pragma once
#include <stdint.h>

struct VolumeIdentity {
    bool readable;   // false: no disc, or the drive could not be read
    char label[261];
    uint32_t serial;
};
