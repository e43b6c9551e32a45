// The copy run's message boxes: no owner window, the caption "Zolvane", the
// text from the string table.
#pragma once
#include <windows.h>

// Shows string-table entry stringId with the given style; the box's result.
int ShowMessage(HINSTANCE instance, UINT stringId, UINT style);

// The same for an entry with one "%s", which text takes. Should the result
// not fit, the entry is shown as it stands rather than not at all.
int ShowMessageWith(HINSTANCE instance, UINT stringId, const char* text, UINT style);

// Asks a Yes/No question with the question icon. True only when the answer
// is No; Yes and a box that could not be shown count as consent.
bool UserRefuses(HINSTANCE instance, UINT stringId);
