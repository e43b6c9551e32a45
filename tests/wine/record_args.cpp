// Test helper: writes how it was started into recorded.txt beside itself,
// one line each: "cwd:" the working folder, "cmd:" the whole command line,
// then "arg:" each argument after the program's own name.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    char* slash = strrchr(path, '\\');
    if (!slash) return 2;
    strcpy(slash + 1, "recorded.tmp");
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    FILE* out = fopen(path, "wb");
    if (!out) return 3;
    fprintf(out, "cwd:%s\ncmd:%s\n", cwd, GetCommandLineA());
    for (int i = 1; i < __argc; ++i) fprintf(out, "arg:%s\n", __argv[i]);
    fclose(out);
    // Appears complete or not at all.
    char done[MAX_PATH];
    strcpy(done, path);
    strcpy(strrchr(done, '\\') + 1, "recorded.txt");
    MoveFileA(path, done);
    return 0;
}
