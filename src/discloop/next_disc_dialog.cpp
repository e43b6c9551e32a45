#include "discloop/next_disc_dialog.h"

#include "app/centre_window.h"
#include "copy/volume_reader.h"
#include "discloop/disc_loop_text.h"
#include "res/resource.h"

namespace {

enum { LookTimer = 1, LookIntervalMs = 1000, DiscArrivedResult = 0x100 };

const char* gSource;
VolumeIdentity gFinished;  // the last disc copied, while it was in
VolumeIdentity gSeen;      // the disc that must not start the next pass
UINT gQueryCancelAutoPlay;

// A look at the source root; an empty drive fails quietly. A slow look (a
// disc spinning up) holds up the dialog's messages, so no other comes in
// between.
void LookForNewDisc(HWND dialog) {
    if (IsAnotherDisc(gSeen, ReadVolumeIdentity(gSource))) EndDialog(dialog, DiscArrivedResult);
}

INT_PTR CALLBACK NextDiscProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    // While it waits in front, a disc put in does not start its own AutoPlay.
    if (message == gQueryCancelAutoPlay && message != 0) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG:
        CentreWindow(NULL, dialog);
        SetForegroundWindow(dialog);  // AutoPlay asks the foreground window
        gSeen = DiscNotToStart(ReadVolumeIdentity(gSource), gFinished);
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

void NoteFinishedDisc(const VolumeIdentity& volume) { gFinished = volume; }

bool NextDiscArrives(HINSTANCE instance, const char* from, PassStart* start) {
    gSource = from;
    gQueryCancelAutoPlay = RegisterWindowMessageA("QueryCancelAutoPlay");
    INT_PTR answer = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NEXT_DISC), NULL, NextDiscProc, 0);
    gFinished.readable = false;
    if (answer == IDOK) *start = NowButton;
    else if (answer == DiscArrivedResult) *start = DiscArrived;
    else return false;
    return true;
}
