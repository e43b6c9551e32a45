#include "copy/end_of_copy.h"

#include <shellapi.h>

#include "app/settings.h"
#include "copy/ask_user.h"
#include "copy/command_text.h"
#include "copy/shutdown_privilege.h"
#include "res/resource.h"

namespace {

// Standby is a forced suspend: applications are not asked. The request is
// made whether or not the privilege could be enabled, and neither result is
// looked at.
void EndWindowsSession(HINSTANCE instance) {
    bool standby = HasBit(Settings.ExitFlags, Standby);
    UINT question = standby ? IDS_CONFIRM_STANDBY : IDS_CONFIRM_SHUTDOWN;
    if (HasBit(Settings.ExitFlags, ConfirmExit) && UserRefuses(instance, question)) return;
    EnableShutdownPrivilege();
    if (standby)
        SetSystemPowerState(TRUE, TRUE);
    else
        ExitWindowsEx(EWX_SHUTDOWN, 0);
}

// A command whose program or parameters do not fit is not started at all.
void RunConfiguredCommand(HINSTANCE instance) {
    if (HasBit(Settings.ExitFlags, ConfirmRun) && UserRefuses(instance, IDS_CONFIRM_RUN)) return;
    char program[260];
    char parameters[520];
    if (!SplitCommand(Settings.Command, program, parameters)) return;
    ShellExecuteA(NULL, "open", program, parameters, NULL, SW_SHOW);
}

}  // namespace

void EndOfCopyAction(HINSTANCE instance) {
    switch (Settings.ExitMode) {
    case ExitWindows:
        EndWindowsSession(instance);
        break;
    case RunCommand:
        RunConfiguredCommand(instance);
        break;
    default:
        break;
    }
}

bool EndRunsUnasked() {
    if (Settings.ExitMode == ExitWindows) return !HasBit(Settings.ExitFlags, ConfirmExit);
    if (Settings.ExitMode == RunCommand) return !HasBit(Settings.ExitFlags, ConfirmRun);
    return false;
}
