// The shortcut's path from the format in the string table ("%s\<name>.lnk"),
// built without ever writing past the buffer.
#pragma once
#include <stddef.h>

// Writes format into dest with its one "%s" replaced by folder and each "%%"
// by "%". False, with dest holding the empty text, when the result does not
// fit in destSize bytes, or the format lacks its "%s" or holds any other
// conversion or a second "%s". ('%' is never the second byte of a double-byte
// character, so the format can be read byte by byte.)
bool FormatShortcutPath(const char* format, const char* folder, char* dest, size_t destSize);
template <size_t N>
bool FormatShortcutPath(const char* format, const char* folder, char (&dest)[N]) {
    return FormatShortcutPath(format, folder, dest, N);
}
