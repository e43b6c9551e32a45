// One file of the disc read against its copy, both from their media, and the
// copy's bytes hashed on the way.
#pragma once
#include <windows.h>

#include "verify/check_text.h"

// Reads both files to their ends in chunks and compares them; hash (0 for
// none) takes the copy's bytes, and is set to 0 when a hash call fails.
// copyPath is null when the copy's path does not fit, discPath when the
// disc's does not. The progress window's messages are handled after each
// open and each chunk, and its bar moves on by size in all; the user's
// キャンセル ends the reading.
FileComparison CompareFile(const wchar_t* discPath, const wchar_t* copyPath, uint64_t size,
                           ULONG_PTR* hash);

// Gives back the run's two buffers, at the end of the run.
void FreeCompareBuffers();
