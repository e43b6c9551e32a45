#include "copy/shell_copy.h"

#include <windows.h>
#include <shellapi.h>

#include "app/bounded_text.h"
#include "copy/copy_text.h"

namespace {

// Makes the missing folders above path, as the shell would for its
// destination. Every level is tried; those that exist or cannot be made
// (the drive, a server) are passed over. The walk steps over double-byte
// characters, whose second byte may be 0x5C.
void MakeParentFolders(const char* path) {
    char level[ShellListSize];
    if (!CopyText(level, path)) return;
    for (char* p = level; *p != '\0'; p = CharNextA(p)) {
        if (*p != '\\' || p == level) continue;
        *p = '\0';
        CreateDirectoryA(level, NULL);
        *p = '\\';
    }
}

}  // namespace

// The numbered folder is made here rather than by the shell: given a
// destination that does not exist, the shell takes it as the new name of a
// single source entry, and a move into it can lose files. A folder that
// cannot be made, or exists already, gets nothing.
CopyOutcome CopyIntoNewFolder(const char* sourceList, const char* destination, bool move) {
    CopyOutcome outcome = {false, false};
    MakeParentFolders(destination);
    if (!CreateDirectoryA(destination, NULL)) return outcome;
    outcome.folderMade = true;
    SHFILEOPSTRUCTA operation;
    ZeroMemory(&operation, sizeof operation);
    operation.hwnd = NULL;
    operation.wFunc = move ? FO_MOVE : FO_COPY;
    operation.pFrom = sourceList;
    operation.pTo = destination;
    operation.fFlags = FOF_NOCONFIRMMKDIR;
    SHFileOperationA(&operation);
    outcome.aborted = operation.fAnyOperationsAborted != FALSE;
    return outcome;
}
