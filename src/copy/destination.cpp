#include "copy/destination.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "copy/copy_text.h"

namespace {

// Full path lower-cased; a failed request leaves it empty.
void LowerFullPath(const char* path, char (&full)[270]) {
    ZeroMemory(full, sizeof full);
    DWORD length = GetFullPathNameA(path, ArraySize(full), full, NULL);
    if (length == 0 || length >= ArraySize(full)) ZeroMemory(full, sizeof full);
    CharLowerA(full);
}

// Any entry of that name, file or folder, takes it; a failed search does not.
bool NameIsTaken(const char* name, void*) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

}  // namespace

bool OnSameDrive(const char* to, const char* from) {
    char toFull[270];
    char fromFull[270];
    LowerFullPath(to, toFull);
    LowerFullPath(from, fromFull);
    return SameDrive(toFull, fromFull);
}

bool FindFreeDestination(const char* to, int numCount, bool fromZero, char* name, size_t size) {
    return FindFreeFolderName(to, numCount, fromZero, NameIsTaken, NULL, name, size);
}
