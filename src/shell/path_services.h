// Small stateless operations between the program's ANSI paths and the shell.
#pragma once
#include <windows.h>
#include <shlobj.h>
#include <stddef.h>

// Absolute item-ID list for a path, or null. The caller frees it with
// CoTaskMemFree. Works without COM initialised.
LPITEMIDLIST ParsePathToIdList(const char* path);

// Lets the user pick a folder; initialFolder (or null) is preselected when the
// shell can parse it. 1 with the folder's path in path, 0 when cancelled.
int BrowseForFolder(HWND owner, char (&path)[MAX_PATH], const char* initialFolder);

// Writes the path of a special folder (a CSIDL_ value) into path. Returns 1
// when the path was written; on failure path is left exactly as it was.
int SpecialFolderPath(HWND owner, int folderId, char (&path)[MAX_PATH]);

// Everything before the last backslash of path, by the system's double-byte
// rules. False, dest untouched, when there is no backslash or it won't fit.
bool DirectoryOfPath(const char* path, char* dest, size_t destSize);
template <size_t N>
bool DirectoryOfPath(const char* path, char (&dest)[N]) { return DirectoryOfPath(path, dest, N); }

// The full path of this program's executable. False, path empty, when it
// does not fit: a cut path would name another file.
bool ProgramPath(char* path, size_t pathSize);
template <size_t N>
bool ProgramPath(char (&path)[N]) { return ProgramPath(path, N); }

// The system's lead-byte rule, for the portable path functions.
bool IsSystemLeadByte(unsigned char byte);
