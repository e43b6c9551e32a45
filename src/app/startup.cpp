#include "app/startup.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/bounded_text.h"
#include "app/run_mode.h"
#include "app/settings.h"
#include "app/settings_file.h"
#include "app/settings_text.h"
#include "copy/copy_run.h"
#include "shell/path_services.h"
#include "ui/settings_sheet.h"

HINSTANCE gInstance;
static HANDLE gMutex;

namespace {

// The named mutex marks a running instance; null when one already runs.
HANDLE SingleInstanceGuard(const char* name) {
    HANDLE mutex = CreateMutexA(NULL, TRUE, name);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (mutex) CloseHandle(mutex);
        return NULL;
    }
    return mutex;
}

void InitCommonControlClasses() {
    INITCOMMONCONTROLSEX classes;
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_WIN95_CLASSES | ICC_USEREX_CLASSES;
    InitCommonControlsEx(&classes);
}

// The settings file lies beside the executable. When its path would not fit,
// the path stays empty: the defaults apply and no file is written.
void LocateSettingsFile() {
    char exePath[PathSize] = "";
    char folder[PathSize] = "";
    if (!ProgramPath(exePath)) return;
    if (!DirectoryOfPath(exePath, folder)) return;
    BuildSettingsPath(folder, gSettingsPath, ArraySize(gSettingsPath));
}

void CharLowerInPlace(char* text) { CharLowerA(text); }

void RunSettingsSheet() {
    CoInitialize(NULL);
    if (ShowSettingsSheet(NULL) == 1) WriteSettings();
    CoUninitialize();
}

}  // namespace

int StartUp(HINSTANCE instance, int argc, char** argv) {
    gMutex = SingleInstanceGuard("Zolvane");
    if (!gMutex) return 0;

    InitCommonControlClasses();
    gInstance = instance;
    LocateSettingsFile();
    ReadSettings();

    bool copySwitch = HasCopySwitch(argc, argv, CharLowerInPlace);
    if (ChooseRunMode(copySwitch, Settings.To) == RunMode::CopyRun)
        CopyRun(instance);
    else
        RunSettingsSheet();

    CloseHandle(gMutex);
    return 1;
}
