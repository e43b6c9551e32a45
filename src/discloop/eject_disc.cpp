#include "discloop/eject_disc.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "discloop/disc_loop_text.h"

typedef DWORD(WINAPI* MciSendString)(const char* command, char* answer, UINT answerSize,
                                     HWND callback);

void EjectDisc(const char* from) {
    if (!HiddenSettings.Eject || from[1] != ':') return;  // from is "X:\" or longer
    char root[] = {from[0], ':', '\\', '\0'};
    char open[64];
    if (GetDriveTypeA(root) != DRIVE_CDROM || !BuildTrayOpenCommand(from[0], open, ArraySize(open)))
        return;
    HMODULE winmm = LoadLibraryA("winmm.dll");
    if (!winmm) return;
    MciSendString send = reinterpret_cast<MciSendString>(
        reinterpret_cast<void*>(GetProcAddress(winmm, "mciSendStringA")));
    if (send && send(open, NULL, 0, NULL) == 0) {
        send(kTrayDoorOpenCommand, NULL, 0, NULL);
        send(kTrayCloseCommand, NULL, 0, NULL);
    }
    FreeLibrary(winmm);
}
