#include "app/growing_text.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

bool GrowingText::Add(const char* text, size_t count) {
    if (count > capacity - length) {
        bool fits = count <= SIZE_MAX / 4 - length;
        size_t wanted = 2 * (length + count);
        char* grown = fits ? static_cast<char*>(realloc(bytes, wanted)) : NULL;
        if (!grown) {
            lost = true;
            return false;
        }
        bytes = grown;
        capacity = wanted;
    }
    memcpy(bytes + length, text, count);
    length += count;
    return true;
}

void GrowingText::Free() {
    free(bytes);
    bytes = NULL;
    length = capacity = 0;
    lost = false;
}
