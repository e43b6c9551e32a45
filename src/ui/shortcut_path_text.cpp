#include "ui/shortcut_path_text.h"

#include "app/bounded_text.h"

bool FormatShortcutPath(const char* format, const char* folder, char* dest, size_t destSize) {
    TextBuilder text(dest, destSize);
    bool folderPlaced = false;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            text.Append(*p);
            continue;
        }
        ++p;
        if (*p == '%') {
            text.Append('%');
        } else if (*p == 's' && !folderPlaced) {
            text.Append(folder);
            folderPlaced = true;
        } else {
            if (destSize > 0) dest[0] = '\0';
            return false;
        }
    }
    if (folderPlaced) return text.Ok();
    if (destSize > 0) dest[0] = '\0';
    return false;
}
