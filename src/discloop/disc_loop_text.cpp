#include "discloop/disc_loop_text.h"

#include <string.h>

#include "app/bounded_text.h"

const char kTrayDoorOpenCommand[] = "set zolvane_cd door open wait";
const char kTrayCloseCommand[] = "close zolvane_cd";

bool BuildTrayOpenCommand(char driveLetter, char* command, size_t size) {
    return TextBuilder(command, size)
        .Append("open ")
        .Append(driveLetter)
        .Append(": type cdaudio alias zolvane_cd shareable")
        .Ok();
}

VolumeIdentity DiscNotToStart(const VolumeIdentity& atStart, const VolumeIdentity& finished) {
    return atStart.readable ? atStart : finished;
}

bool IsAnotherDisc(const VolumeIdentity& seen, const VolumeIdentity& now) {
    if (!now.readable) return false;
    return !seen.readable || now.serial != seen.serial || strcmp(now.label, seen.label) != 0;
}
