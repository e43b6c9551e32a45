#include "app/run_mode.h"

#include <string.h>

bool HasCopySwitch(int argc, char** argv, LowerInPlace lower) {
    bool found = false;
    for (int i = 0; i < argc; ++i) {
        lower(argv[i]);
        if (strcmp(argv[i], "/c") == 0) found = true;
    }
    return found;
}

RunMode ChooseRunMode(bool copySwitch, const char* to) {
    return copySwitch && to[0] != '\0' ? RunMode::CopyRun : RunMode::SettingsSheet;
}
