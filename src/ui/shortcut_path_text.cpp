#include "ui/shortcut_path_text.h"

#include "app/bounded_text.h"

bool FormatShortcutPath(const char* format, const char* folder, char* dest, size_t destSize) {
    return FormatWithText(format, folder, dest, destSize);
}
