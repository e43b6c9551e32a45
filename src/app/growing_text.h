// Text that grows on the C runtime's heap as lines are added to it.
#pragma once
#include <stddef.h>

struct GrowingText {
    char* bytes;      // null until something is added
    size_t length;
    size_t capacity;
    bool lost;        // some text found no room on the heap and is missing

    // Adds count bytes; false, the text unchanged but lost set, when the
    // heap cannot hold them.
    bool Add(const char* text, size_t count);
    void Clear() { length = 0; }
    // Gives the memory back; the text is then empty and not lost.
    void Free();
};
