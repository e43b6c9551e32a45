// The floor of a copy run: the one shell operation that the program hands
// the disc to, alone, with the program's manifest (the same common controls
// draw the shell's progress). Makes the folder, as the program does, then
// copies the source root's entries into it.
//   bare_copy.exe D:\ C:\zvbench\bare\001
#include <windows.h>
#include <shellapi.h>
#include <stdio.h>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    char from[MAX_PATH + 8] = "";
    char to[MAX_PATH + 2] = "";
    snprintf(from, sizeof from - 1, "%s*.*", argv[1]);  // the rest stays NUL: a list of one
    snprintf(to, sizeof to - 1, "%s", argv[2]);
    CreateDirectoryA(to, NULL);
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_COPY;
    operation.pFrom = from;
    operation.pTo = to;
    operation.fFlags = FOF_NOCONFIRMMKDIR;
    return SHFileOperationA(&operation);
}
