// Byte-level path rules that respect double-byte characters: in code page
// 932 the second byte of a character may be 0x5C, the backslash.
#pragma once
#include <stddef.h>

// Tells whether a byte starts a double-byte character (IsDBCSLeadByte on
// Windows). The Win32 side hands in the system's rule.
typedef bool (*LeadByteTest)(unsigned char byte);

// Writes everything before the path's last backslash into dest. A path
// without a backslash, or a folder that does not fit destSize, leaves dest
// exactly as it was and returns false.
bool DirectoryOfPath(const char* path, char* dest, size_t destSize, LeadByteTest isLead);

// True when the last character of text is a backslash (and not the second
// byte of a double-byte character).
bool EndsWithBackslash(const char* text, LeadByteTest isLead);
