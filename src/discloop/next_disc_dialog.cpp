#include "discloop/next_disc_dialog.h"

#include "app/hidden_settings.h"
#include "app/settings.h"
#include "discloop/disc_loop_text.h"
#include "res/resource.h"
#include "app/centre_window.h"

namespace {

enum { LookTimer = 1, LookIntervalMs = 1000 };

const char* gSource;
VolumeIdentity gFinished;  // the last disc copied, while it was in
VolumeIdentity gSeen;      // the disc that must not start the next pass
bool gLooking;
UINT gQueryCancelAutoPlay;

// A look at the source root; an empty drive fails quietly.
void LookAtSource(VolumeIdentity* volume) {
    UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    ReadVolumeIdentity(gSource, volume);
    SetErrorMode(errorMode);
}

// A look that is slow (a disc spinning up) is not entered again.
void LookForNewDisc(HWND dialog) {
    if (gLooking) return;
    gLooking = true;
    VolumeIdentity now;
    LookAtSource(&now);
    gLooking = false;
    if (IsAnotherDisc(gSeen, now)) EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK NextDiscProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    // While it waits, a disc put in does not start its own AutoPlay.
    if (message == gQueryCancelAutoPlay && message != 0) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG:
        CentreWindow(NULL, dialog);
        SetForegroundWindow(dialog);  // AutoPlay asks the foreground window
        LookAtSource(&gSeen);
        gSeen = DiscNotToStart(gSeen, gFinished);
        SetTimer(dialog, LookTimer, LookIntervalMs, NULL);
        return TRUE;
    case WM_TIMER:
        LookForNewDisc(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void NoteFinishedDisc(const char* from) {
    if (!HiddenSettings.AutoNext || !HasBit(Settings.Flags, RepeatCopy)) return;
    gSource = from;
    LookAtSource(&gFinished);
}

bool NextDiscArrives(HINSTANCE instance, const char* from) {
    gSource = from;
    gQueryCancelAutoPlay = RegisterWindowMessageA("QueryCancelAutoPlay");
    INT_PTR answer = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NEXT_DISC), NULL, NextDiscProc, 0);
    gFinished.readable = false;
    return answer == IDOK;
}
