// Where a pass copies to: the same-drive test and the next numbered folder.
#pragma once
#include <stddef.h>

// True when the full paths of to and from start with the same character, in
// any case.
bool OnSameDrive(const char* to, const char* from);

// The first numbered name under to (ending with a backslash) that no entry
// takes yet, nor, withChecksumFiles, a checksum or error file of that name.
// It ends with two NULs. False when no name fits the buffer.
bool FindFreeDestination(const char* to, int numCount, bool fromZero, bool withChecksumFiles,
                         char* name, size_t size);
