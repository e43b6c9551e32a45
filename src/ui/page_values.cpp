#include "ui/page_values.h"

#include "app/bounded_text.h"

int32_t NormalisedNumCount(int32_t count) {
    uint32_t digits = static_cast<uint32_t>(count);
    return (digits == 0 || digits > 16) ? 3 : count;
}

int32_t NumCountFromText(const char* text) {
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > 16) return 3;  // stays out of range whatever follows
    }
    return NormalisedNumCount(static_cast<int32_t>(negative ? -value : value));
}

bool DriveRootOf(intptr_t letterCode, char (&root)[4]) {
    if (letterCode < 'A' || letterCode > 'Z') return false;
    root[0] = static_cast<char>(letterCode);
    root[1] = ':';
    root[2] = '\\';
    root[3] = '\0';
    return true;
}

bool ProgramCommandText(const char* path, char* dest, size_t destSize) {
    bool hasSpace = false;
    for (const char* p = path; *p; ++p) hasSpace = hasSpace || *p == ' ';
    TextBuilder command(dest, destSize);
    if (hasSpace)
        command.Append('"').Append(path).Append('"');
    else
        command.Append(path);
    return command.Ok();
}
