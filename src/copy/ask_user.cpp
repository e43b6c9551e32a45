#include "copy/ask_user.h"

#include "app/bounded_text.h"

static const char kCaption[] = "Zolvane";

int ShowMessage(HINSTANCE instance, UINT stringId, UINT style) {
    char text[256] = "";
    LoadStringA(instance, stringId, text, ArraySize(text));
    return MessageBoxA(NULL, text, kCaption, style);
}

bool UserRefuses(HINSTANCE instance, UINT stringId) {
    return ShowMessage(instance, stringId, MB_YESNO | MB_ICONQUESTION) == IDNO;
}
