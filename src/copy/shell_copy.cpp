#include "copy/shell_copy.h"

#include <windows.h>
#include <shellapi.h>

// The folder is made here rather than by the shell: given a destination that
// does not exist, the shell takes it as the new name of a single source
// entry, and a move into it can lose files.
void CopyIntoNewFolder(const char* sourceList, const char* destination, bool move) {
    if (!CreateDirectoryA(destination, NULL)) return;
    SHFILEOPSTRUCTA operation;
    ZeroMemory(&operation, sizeof operation);
    operation.hwnd = NULL;
    operation.wFunc = move ? FO_MOVE : FO_COPY;
    operation.pFrom = sourceList;
    operation.pTo = destination;
    operation.fFlags = FOF_NOCONFIRMMKDIR;
    SHFileOperationA(&operation);
}
