// Portable rules of the copy run: the numbered folder name, the same-drive
// test, the trailing backslash and the source list handed to the shell.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "shell/path_text.h"

// The destination name and the source list go to the shell's file operation,
// which reads lists ending with two NULs; this size includes both.
enum { ShellListSize = 270 };

// Tells whether an entry of that name exists (FindFirstFileA on Windows).
// Any failure of the lookup counts as "does not exist".
typedef bool (*NameExists)(const char* name, void* context);

// The first free numbered name under to, which must end with a backslash: to
// followed by the number, padded with zeros to at least numCount digits (a
// negative numCount pads nothing). Numbers start at 0 or 1 and the first one
// that does not exist wins. The name ends with two NULs. False, and the name
// empty, when a name does not fit nameSize: nothing may be copied then.
bool FindFreeFolderName(const char* to, int32_t numCount, bool fromZero, NameExists exists,
                        void* context, char* name, size_t nameSize);

// The same-drive test over the two lower-cased full paths: only their first
// characters are compared, so two empty paths count as the same drive too.
bool SameDrive(const char* toFull, const char* fromFull);

// Gives text a trailing backslash unless its last character already is one
// (a second byte 0x5C of a double-byte character is not). False, text
// unchanged, when there is no room for it, or when the text ends with a lone
// lead byte that would take the backslash as its second byte.
bool AppendBackslash(char* text, size_t size, LeadByteTest isLead);

// from followed by "*.*" and two NULs. False, list empty, when it won't fit.
bool BuildSourceList(const char* from, char* list, size_t listSize);
