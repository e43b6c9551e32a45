// The text rules of the settings pages, kept apart from the dialogs.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Digits of the folder number: 1 to 16 stay, anything else (compared
// unsigned, so negative values too) becomes 3.
int32_t NormalisedNumCount(int32_t count);

// The digits box's text as a number: leading white space skipped, an
// optional sign, then digits up to the first other character (none gives 0);
// the result normalised as above. A number too large for 32 bits is out of
// range like any other.
int32_t NumCountFromText(const char* text);

// The root "X:\" of drive letter code 'A'..'Z'. False, root untouched, for
// any other code.
bool DriveRootOf(intptr_t letterCode, char (&root)[4]);

// The command text for a picked program: the path in double quotes when it
// holds a space, bare otherwise. False, and dest empty, when it won't fit.
bool ProgramCommandText(const char* path, char* dest, size_t destSize);
