#include "shell/path_text.h"

#include <string.h>

namespace {

// Index of the last backslash that is a character of its own, or -1; the
// walk steps over both bytes of every double-byte character.
long LastBackslash(const char* path, LeadByteTest isLead) {
    long last = -1;
    for (long i = 0; path[i] != '\0';) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '\\') last = i;
        i += (isLead(c) && path[i + 1] != '\0') ? 2 : 1;
    }
    return last;
}

}  // namespace

bool DirectoryOfPath(const char* path, char* dest, size_t destSize, LeadByteTest isLead) {
    long p = LastBackslash(path, isLead);
    if (p < 0 || static_cast<size_t>(p) >= destSize) return false;
    memmove(dest, path, static_cast<size_t>(p));
    dest[p] = '\0';
    return true;
}

bool EndsWithBackslash(const char* text, LeadByteTest isLead) {
    long p = LastBackslash(text, isLead);
    return p >= 0 && text[p + 1] == '\0';
}
