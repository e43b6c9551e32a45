// Times the search for the next free numbered folder with the program's own
// code over real folders: for each count given, that many numbered folders
// are made under C:\zvbench\names and the search is run several times.
//   free_name_bench.exe 0 1000 10000
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include "copy/copy_text.h"
#include "copy/destination.h"

static const char kRoot[] = "C:\\zvbench\\names\\";

static void MakeNumberedFolders(int from, int to) {
    char name[MAX_PATH];
    for (int i = from; i <= to; ++i) {
        snprintf(name, sizeof name, "%s%03d", kRoot, i);
        CreateDirectoryA(name, NULL);
    }
}

static int CompareDoubles(const void* a, const void* b) {
    double x = *static_cast<const double*>(a), y = *static_cast<const double*>(b);
    return x < y ? -1 : x > y;
}

int main(int argc, char** argv) {
    CreateDirectoryA("C:\\zvbench", NULL);
    CreateDirectoryA(kRoot, NULL);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    int made = 0;
    for (int a = 1; a < argc; ++a) {
        int count = atoi(argv[a]);
        MakeNumberedFolders(made + 1, count);
        if (count > made) made = count;
        enum { Runs = 7 };
        double ms[Runs];
        char name[ShellListSize] = "";
        for (int r = 0; r < Runs; ++r) {
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            FindFreeDestination(kRoot, 3, false, false, name, sizeof name);
            QueryPerformanceCounter(&end);
            ms[r] = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
        }
        qsort(ms, Runs, sizeof ms[0], CompareDoubles);
        printf("next free name with %5d numbered folders present: %s, median %.2f ms (%d runs)\n",
               count, name + sizeof kRoot - 1, ms[Runs / 2], Runs);
    }
    return 0;
}
