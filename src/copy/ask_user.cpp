#include "copy/ask_user.h"

#include "app/bounded_text.h"

static const char kCaption[] = "Zolvane";

int ShowMessage(HINSTANCE instance, UINT stringId, UINT style) {
    char text[256] = "";
    LoadStringA(instance, stringId, text, ArraySize(text));
    return MessageBoxA(NULL, text, kCaption, style);
}

int ShowMessageWith(HINSTANCE instance, UINT stringId, const char* text, UINT style) {
    char format[256] = "";
    char message[600];
    LoadStringA(instance, stringId, format, ArraySize(format));
    if (!FormatWithText(format, text, message)) CopyText(message, format);
    return MessageBoxA(NULL, message, kCaption, style);
}

bool UserRefuses(HINSTANCE instance, UINT stringId) {
    return ShowMessage(instance, stringId, MB_YESNO | MB_ICONQUESTION) == IDNO;
}
