#include "app/centre_window.h"

#include "app/centre_window_core.h"

static ScreenRect FromRect(const RECT& r) {
    ScreenRect s = {r.left, r.top, r.right, r.bottom};
    return s;
}

int CentreWindow(HWND owner, HWND window) {
    RECT workArea = {0, 0, 0, 0};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT ownerRect = {0, 0, 0, 0};
    bool haveOwner = owner && GetWindowRect(owner, &ownerRect);
    RECT box = {0, 0, 0, 0};
    GetWindowRect(window, &box);

    ScreenRect ownerScreen = FromRect(ownerRect);
    ScreenRect boxScreen = FromRect(box);
    ScreenPoint p = CentredPosition(haveOwner ? &ownerScreen : NULL, boxScreen, FromRect(workArea));
    MoveWindow(window, p.x, p.y, box.right - box.left, box.bottom - box.top, TRUE);
    return 1;
}
