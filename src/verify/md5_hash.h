// MD5 from the system's CryptoAPI, taken from advapi32 at run time: where it
// is missing, the check compares the files all the same and writes no
// checksum file.
#pragma once
#include <stdint.h>
#include <windows.h>

// A new hash of one file; 0 when there is none (no CryptoAPI, or a call
// failed). The run's one provider context is acquired by the first call.
ULONG_PTR BeginMd5();
// Adds bytes; false when the call failed (the hash is then of no use).
bool AddToMd5(ULONG_PTR hash, const void* bytes, DWORD count);
// The digest; false when it could not be had. Destroys the hash either way;
// a hash of 0 gives false.
bool EndMd5(ULONG_PTR hash, uint8_t (&digest)[16]);
// Releases the run's provider context, at the end of the run.
void EndHashing();
