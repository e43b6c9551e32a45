#include "copy/volume_reader.h"

#include "copy/quiet_errors.h"

VolumeIdentity ReadVolumeIdentity(const char* root) {
    QuietErrors quiet;
    VolumeIdentity volume;
    DWORD serial = 0;
    volume.readable = GetVolumeInformationA(root, volume.label, sizeof volume.label, &serial,
                                            NULL, NULL, NULL, 0) != FALSE;
    if (!volume.readable) volume.label[0] = '\0';
    volume.serial = serial;
    return volume;
}
