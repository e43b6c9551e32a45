#include "catalog/tree_listing.h"

namespace {

// A path of the walk as the 9x ANSI functions take it; false, with the last
// error set, when it does not fit.
bool ToAnsiPath(const wchar_t* units, char (&bytes)[MAX_PATH]) {
    if (FromWalkPath(units, bytes, MAX_PATH)) return true;
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
}

// The ANSI find functions, in the shape of the wide ones: each byte of a
// name becomes one unit.
void WidenFound(const WIN32_FIND_DATAA& ansi, WIN32_FIND_DATAW* found) {
    found->dwFileAttributes = ansi.dwFileAttributes;
    found->nFileSizeHigh = ansi.nFileSizeHigh;
    found->nFileSizeLow = ansi.nFileSizeLow;
    for (size_t i = 0; i < MAX_PATH; ++i)
        found->cFileName[i] = static_cast<unsigned char>(ansi.cFileName[i]);
}

HANDLE WINAPI FindFirstAnsi(const wchar_t* pattern, WIN32_FIND_DATAW* found) {
    char bytes[MAX_PATH];
    WIN32_FIND_DATAA ansi;
    if (!ToAnsiPath(pattern, bytes)) return INVALID_HANDLE_VALUE;
    HANDLE search = FindFirstFileA(bytes, &ansi);
    if (search != INVALID_HANDLE_VALUE) WidenFound(ansi, found);
    return search;
}

BOOL WINAPI FindNextAnsi(HANDLE search, WIN32_FIND_DATAW* found) {
    WIN32_FIND_DATAA ansi;
    if (!FindNextFileA(search, &ansi)) return FALSE;
    WidenFound(ansi, found);
    return TRUE;
}

}  // namespace

bool SystemIsNt() { return (GetVersion() & 0x80000000) == 0; }

ListingEnd ListFolder(const wchar_t* pattern, WalkVisit visit, void* walk) {
    bool nt = SystemIsNt();
    WIN32_FIND_DATAW found;
    HANDLE search = (nt ? FindFirstFileW : FindFirstAnsi)(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return ListingEnd{true, GetLastError()};
    do {
        uint64_t size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        visit(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, size, walk);
    } while ((nt ? FindNextFileW : FindNextAnsi)(search, &found));
    ListingEnd end = {false, GetLastError()};
    FindClose(search);
    return end;
}

bool ToWalkPath(const char* path, wchar_t (&units)[WalkPathUnits]) {
    if (SystemIsNt()) return MultiByteToWideChar(CP_ACP, 0, path, -1, units, WalkPathUnits) > 0;
    for (size_t i = 0; i < WalkPathUnits; ++i)
        if ((units[i] = static_cast<unsigned char>(path[i])) == 0) return true;
    return false;
}

bool FromWalkPath(const wchar_t* units, char* text, size_t size) {
    if (SystemIsNt())
        return WideCharToMultiByte(CP_ACP, 0, units, -1, text, static_cast<int>(size), NULL, NULL) > 0;
    for (size_t i = 0; i < size; ++i)
        if ((text[i] = static_cast<char>(units[i])) == '\0') return true;
    return false;
}

HANDLE OpenWalkPath(const wchar_t* path, DWORD flags) {
    if (SystemIsNt())
        return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, flags, NULL);
    char bytes[MAX_PATH];
    if (!ToAnsiPath(path, bytes)) return INVALID_HANDLE_VALUE;
    return CreateFileA(bytes, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, flags, NULL);
}

TreeTally TallyFolder(const char* root) {
    wchar_t units[WalkPathUnits];
    if (!ToWalkPath(root, units)) return TreeTally{0, 0, true};
    return TallyTree(units, ListFolder);
}
