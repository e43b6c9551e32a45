// Times the catalogue's own work with the program's code: the guard's search
// of a zolvane.csv of the given number of lines under C:\zvbench\catalog,
// for a disc on its last line and for one on none; and, given a disc, what a
// pass reads of it before copying (label, serial and the walk of its tree),
// which the walk of the copy repeats.
//   catalog_bench.exe 10000 [D:\]
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#include "app/hidden_settings.h"
#include "catalog/catalog_file.h"
#include "catalog/catalog_pass.h"
#include "copy/volume_reader.h"

static const char kFolder[] = "C:\\zvbench\\catalog\\";

static void WriteCatalogue(int lines) {
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%szolvane.csv", kFolder);
    FILE* file = fopen(path, "wb");
    if (!file) return;
    fputs(kCatalogHeader, file);
    for (int i = 1; i <= lines; ++i)
        fprintf(file, "%03d,2026-12-10 12:00:00,DISC %d,%04X-%04X,%d,%d,完了\r\n", i, i, i, i, i * 7,
                i * 650000);
    fclose(file);
}

static double Milliseconds(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency, end;
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

static double TimeSearch(const char* tail, bool* found) {
    char folder[CatalogFolderSize];
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    *found = FindArchivedDisc(kFolder, tail, folder);
    return Milliseconds(start);
}

static void TimeDiscReading(const char* disc) {
    HiddenSettings.Catalog = true;
    DiscRecord record;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        ReadDiscRecord(disc, ReadVolumeIdentity(disc), &record);
        double ms = Milliseconds(start);
        if (ms < best) best = ms;
    }
    printf("reading disc %s (%llu files, %llu bytes) before its copy: best of 5 %.1f ms\n", disc,
           static_cast<unsigned long long>(record.source.files),
           static_cast<unsigned long long>(record.source.bytes), best);
}

int main(int argc, char** argv) {
    int lines = argc > 1 ? atoi(argv[1]) : 10000;
    CreateDirectoryA("C:\\zvbench", NULL);
    CreateDirectoryA(kFolder, NULL);
    WriteCatalogue(lines);
    char last[128], none[] = ",NONE,0000-0000,1,1,完了";
    snprintf(last, sizeof last, ",DISC %d,%04X-%04X,%d,%d,完了", lines, lines, lines, lines * 7,
             lines * 650000);
    const char* tails[] = {last, none};
    for (const char* tail : tails) {
        double best = 1e9;
        bool found = false;
        for (int run = 0; run < 5; ++run) {
            double ms = TimeSearch(tail, &found);
            if (ms < best) best = ms;
        }
        printf("catalogue of %d lines, disc %s: %s, best of 5 %.2f ms (target <= 50 ms)\n", lines,
               tail == none ? "on no line" : "on the last line", found ? "found" : "not found", best);
    }
    if (argc > 2) TimeDiscReading(argv[2]);
    return 0;
}
