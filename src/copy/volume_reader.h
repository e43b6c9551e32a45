// Reads which disc is in a drive.
#pragma once
#include "copy/volume_identity.h"

// Label and serial of the volume at root ("D:\"). An empty drive fails
// quietly instead of the system asking for a disc.
VolumeIdentity ReadVolumeIdentity(const char* root);
