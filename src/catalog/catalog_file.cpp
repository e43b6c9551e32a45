#include "catalog/catalog_file.h"

#include <windows.h>
#include <string.h>

#include "app/bounded_text.h"

namespace {

// Lines not written yet, in order. One that finds no room here is lost, and
// then the file stays incomplete however the kept ones fare.
char gKept[4096];
size_t gKeptLength;
bool gLost;

bool WriteAll(HANDLE file, const char* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(count), &written, NULL) && written == count;
}

// A new or empty file starts with the header; a last line without its line
// feed gets one, so that the new line starts a line of its own.
bool StartNewLine(HANDLE file) {
    DWORD size = SetFilePointer(file, 0, NULL, FILE_END);
    if (size == INVALID_SET_FILE_POINTER) return false;
    if (size == 0) return WriteAll(file, kCatalogHeader, strlen(kCatalogHeader));
    char last = '\0';
    DWORD read = 0;
    SetFilePointer(file, -1, NULL, FILE_END);
    if (!ReadFile(file, &last, 1, &read, NULL) || read != 1) return false;
    return last == '\n' || WriteAll(file, "\r\n", 2);
}

// Others may read the file while it is written, but not write it.
void WriteKeptLines(const char* to) {
    char path[PathSize];
    if (gKeptLength == 0 || !CatalogPath(to, path)) return;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    if (StartNewLine(file) && WriteAll(file, gKept, gKeptLength)) gKeptLength = 0;
    CloseHandle(file);
}

}  // namespace

bool CatalogPath(const char* to, char (&path)[PathSize]) {
    return TextBuilder(path).Append(to).Append("zolvane.csv").Ok();
}

bool FindArchivedDisc(const char* to, const char* completeTail, char (&folder)[CatalogFolderSize]) {
    char path[PathSize];
    if (!CatalogPath(to, path)) return false;
    // A spreadsheet that holds the file open for writing still lets it be read.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    KnownDiscSearch search = {completeTail, false, ""};
    CatalogReader reader(NoteKnownDisc, &search);
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, NULL) && read > 0) reader.Feed(chunk, read);
    reader.Finish();
    CloseHandle(file);
    return search.found && CopyText(folder, search.folder);
}

void AppendCatalogLine(const char* to, const char* line) {
    size_t length = strlen(line);
    if (length < sizeof gKept - gKeptLength) {
        memcpy(gKept + gKeptLength, line, length);
        gKeptLength += length;
    } else {
        gLost = true;
    }
    WriteKeptLines(to);
}

bool CatalogLinesUnwritten(const char* to) {
    WriteKeptLines(to);
    return gKeptLength > 0 || gLost;
}
