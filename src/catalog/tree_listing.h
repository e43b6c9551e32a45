// The platform's side of the tree walk: the wide functions on the NT family,
// so that every name counts, whatever its code page; the ANSI ones on
// Windows 9x, whose names stay their raw bytes, one to a unit of the walk
// (a round trip through UTF-16 would not give every name of code page 932
// back).
#pragma once
#include <windows.h>

#include "catalog/tree_walk.h"

// The NT family, as GetVersion tells it; false on Windows 9x.
bool SystemIsNt();

// Lists a folder with this system's find functions.
ListingEnd ListFolder(const wchar_t* pattern, WalkVisit visit, void* walk);

// A path in the system code page as the walk holds it. False when it does
// not fit.
bool ToWalkPath(const char* path, wchar_t (&units)[WalkPathUnits]);

// Back from the walk to the system code page: as the system converts it on
// the NT family (a character outside the code page as its stand-in), the
// bytes themselves on Windows 9x. False when it does not fit size bytes.
bool FromWalkPath(const wchar_t* units, char* text, size_t size);

// Opens a file named by a path of the walk for reading, with the given flags.
HANDLE OpenWalkPath(const wchar_t* path, DWORD flags);

// Files and bytes below root (ending with a backslash), walked as this
// system walks.
TreeTally TallyFolder(const char* root);
