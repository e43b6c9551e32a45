#include "catalog/catalog_file.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "app/bounded_text.h"
#include "app/growing_text.h"

namespace {

// Lines that fit in neither file, in order. A line the heap cannot take is
// lost, and the warning at the end of the run says so.
GrowingText gWaiting;

struct Bytes {
    const char* data;
    size_t length;
};

bool PendingPath(const char* to, char (&path)[PathSize]) {
    return TextBuilder(path).Append(to).Append("zolvane.pending.csv").Ok();
}

bool WriteAll(HANDLE file, const char* bytes, size_t count) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(count), &written, NULL) && written == count;
}

// Appends the parts to an open file as whole lines, after what its end
// needs (the header of an empty catalogue, a line end). A write that fails or
// stops short is undone: the file is cut back to the size it had, so that it
// never ends inside a line, and only what this append wrote is cut.
bool AppendWholeLines(HANDLE file, const char* header, const Bytes* parts, size_t count) {
    DWORD size = SetFilePointer(file, 0, NULL, FILE_END);
    if (size == INVALID_SET_FILE_POINTER) return false;
    char last = '\0';
    DWORD read = 0;
    if (size > 0 && (SetFilePointer(file, -1, NULL, FILE_END) == INVALID_SET_FILE_POINTER ||
                     !ReadFile(file, &last, 1, &read, NULL) || read != 1))
        return false;
    const char* before = TextBeforeAppend(size, last, header);
    bool written = WriteAll(file, before, strlen(before));
    for (size_t i = 0; i < count && written; ++i) written = WriteAll(file, parts[i].data, parts[i].length);
    if (written) return true;
    LONG high = 0;
    SetFilePointer(file, static_cast<LONG>(size), &high, FILE_BEGIN);
    SetEndOfFile(file);
    return false;
}

// Appends to the file at path, made when missing. Others may read the file
// while it is written, but not write it. A file made here that stays empty
// is removed again.
bool AppendToFile(const char* path, const char* header, const Bytes* parts, size_t count) {
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool made = GetLastError() != ERROR_ALREADY_EXISTS;
    bool appended = AppendWholeLines(file, header, parts, count);
    bool empty = GetFileSize(file, NULL) == 0;
    CloseHandle(file);
    if (!appended && made && empty) DeleteFileA(path);
    return appended;
}

// The pending file, held with no sharing, its lines and then the waiting
// ones go to the catalogue in one append; only then is the pending file
// emptied and deleted (a delete that fails leaves an empty file). When the
// catalogue takes nothing, the waiting lines join the pending file instead.
bool MergePendingLines(HANDLE pending, const char* pendingPath, const char* catalogue,
                       const Bytes& waiting) {
    DWORD size = GetFileSize(pending, NULL);
    char* earlier = size == INVALID_FILE_SIZE ? NULL : static_cast<char*>(malloc(size + 1));
    DWORD read = 0;
    bool merged = false;
    if (earlier && ReadFile(pending, earlier, size, &read, NULL) && read == size) {
        const char* lineEnd = TextBeforeAppend(size, size > 0 ? earlier[size - 1] : '\0', "");
        const Bytes parts[] = {{earlier, size}, {lineEnd, strlen(lineEnd)}, waiting};
        merged = AppendToFile(catalogue, kCatalogHeader, parts, ArraySize(parts));
    }
    free(earlier);
    if (!merged) {
        bool appended = AppendWholeLines(pending, "", &waiting, 1);
        CloseHandle(pending);
        return appended;
    }
    SetFilePointer(pending, 0, NULL, FILE_BEGIN);
    SetEndOfFile(pending);
    CloseHandle(pending);
    DeleteFileA(pendingPath);
    return true;
}

// The waiting lines go to the catalogue, after those of the pending file;
// when the catalogue cannot take them, or another program holds the pending
// file, to the pending file. Lines that fit in neither keep waiting.
void WriteWaitingLines(const char* to) {
    char catalogue[PathSize];
    char pending[PathSize];
    if (gWaiting.length == 0 || !CatalogPath(to, catalogue) || !PendingPath(to, pending)) return;
    const Bytes waiting = {gWaiting.bytes, gWaiting.length};
    HANDLE held = CreateFileA(pending, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    bool written;
    if (held != INVALID_HANDLE_VALUE)
        written = MergePendingLines(held, pending, catalogue, waiting);
    else if (GetLastError() == ERROR_FILE_NOT_FOUND)
        written = AppendToFile(catalogue, kCatalogHeader, &waiting, 1) ||
                  AppendToFile(pending, "", &waiting, 1);
    else
        written = AppendToFile(pending, "", &waiting, 1);
    if (written) gWaiting.Clear();
}

// Feeds the whole file at path to reader. A spreadsheet that holds the file
// open for writing still lets it be read; a look never creates a file.
void FeedFile(const char* path, CatalogReader* reader) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, NULL) && read > 0) reader->Feed(chunk, read);
    reader->Finish();
    CloseHandle(file);
}

}  // namespace

bool CatalogPath(const char* to, char (&path)[PathSize]) {
    return TextBuilder(path).Append(to).Append("zolvane.csv").Ok();
}

bool FindArchivedDisc(const char* to, const char* completeTail, char (&folder)[CatalogFolderSize]) {
    char catalogue[PathSize];
    char pending[PathSize];
    if (!CatalogPath(to, catalogue) || !PendingPath(to, pending)) return false;
    KnownDiscSearch search = {completeTail, false, ""};
    CatalogReader reader(NoteKnownDisc, &search);
    FeedFile(catalogue, &reader);
    FeedFile(pending, &reader);
    reader.Feed(gWaiting.bytes, gWaiting.length);
    reader.Finish();
    return search.found && CopyText(folder, search.folder);
}

void AppendCatalogLine(const char* to, const char* line) {
    gWaiting.Add(line, strlen(line));
    WriteWaitingLines(to);
}

bool CatalogLinesUnwritten(const char* to) {
    WriteWaitingLines(to);
    return gWaiting.length > 0 || gWaiting.lost;
}
