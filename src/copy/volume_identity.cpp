#include "copy/volume_identity.h"

#include <windows.h>

void ReadVolumeIdentity(const char* root, VolumeIdentity* volume) {
    DWORD serial = 0;
    volume->readable = GetVolumeInformationA(root, volume->label, sizeof volume->label, &serial,
                                             NULL, NULL, NULL, 0) != FALSE;
    if (!volume->readable) volume->label[0] = '\0';
    volume->serial = serial;
}
