#include "verify/file_compare.h"

#include <string.h>

#include "catalog/tree_listing.h"
#include "verify/check_progress.h"
#include "verify/md5_hash.h"

namespace {

enum { ChunkSize = 65536 };

// Two chunks from VirtualAlloc, aligned as unbuffered reads need: one pair
// for the whole run.
BYTE* gBuffers;

// A file read from its medium in whole chunks at the current position,
// never seeking; it ends where a read gives fewer bytes than asked.
struct ChunkReader {
    const wchar_t* path;
    HANDLE file;
    BYTE* buffer;
    DWORD got;
    bool started;  // a chunk has been read
    bool ended;
    bool failed;
};

// Unbuffered, so that the bytes come from the medium and not from the
// system's cache; a system or medium that refuses that is read buffered.
HANDLE OpenFromMedium(const wchar_t* path) {
    HANDLE file = OpenWalkPath(path, FILE_FLAG_NO_BUFFERING);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
        file = OpenWalkPath(path, FILE_FLAG_SEQUENTIAL_SCAN);
    return file;
}

void ReadChunk(ChunkReader* r) {
    r->got = 0;
    if (r->ended || r->failed) return;
    BOOL read = ReadFile(r->file, r->buffer, ChunkSize, &r->got, NULL);
    if (!read && !r->started && GetLastError() == ERROR_INVALID_PARAMETER) {
        // The first read at offset 0 refused unbuffered: start again buffered.
        CloseHandle(r->file);
        r->file = OpenWalkPath(r->path, FILE_FLAG_SEQUENTIAL_SCAN);
        read = r->file != INVALID_HANDLE_VALUE && ReadFile(r->file, r->buffer, ChunkSize, &r->got, NULL);
    }
    r->started = true;
    r->failed = !read;
    r->ended = read && r->got < ChunkSize;
}

}  // namespace

FileComparison CompareFile(const wchar_t* discPath, const wchar_t* copyPath, uint64_t size,
                           ULONG_PTR* hash) {
    FileComparison result = {false, false, false, false};
    HANDLE copy = copyPath ? OpenFromMedium(copyPath) : INVALID_HANDLE_VALUE;
    DWORD copyError = copyPath ? GetLastError() : ERROR_PATH_NOT_FOUND;
    if (copy == INVALID_HANDLE_VALUE) {
        result.copyMissing = copyError == ERROR_FILE_NOT_FOUND || copyError == ERROR_PATH_NOT_FOUND;
        result.unreadable = true;
        AdvanceCheckProgress(size);
        return result;
    }
    if (!gBuffers)
        gBuffers = static_cast<BYTE*>(
            VirtualAlloc(NULL, 2 * ChunkSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    HANDLE disc = discPath && gBuffers ? OpenFromMedium(discPath) : INVALID_HANDLE_VALUE;
    ChunkReader d = {discPath, disc, gBuffers, 0, false, false, disc == INVALID_HANDLE_VALUE};
    ChunkReader c = {copyPath, copy, gBuffers + ChunkSize, 0, false, false, false};
    uint64_t advanced = 0;
    while (!(d.ended && c.ended) && !d.failed && !c.failed && !(result.cancelled = CancelPressed())) {
        ReadChunk(&d);
        ReadChunk(&c);
        result.differs = result.differs || d.got != c.got || memcmp(d.buffer, c.buffer, d.got) != 0;
        if (*hash && c.got > 0 && !AddToMd5(*hash, c.buffer, c.got)) {
            uint8_t discarded[16];
            EndMd5(*hash, discarded);
            *hash = 0;
        }
        AdvanceCheckProgress(d.got);
        advanced += d.got;
    }
    result.unreadable = d.failed || c.failed;
    if (d.file != INVALID_HANDLE_VALUE) CloseHandle(d.file);
    if (c.file != INVALID_HANDLE_VALUE) CloseHandle(c.file);
    if (size > advanced) AdvanceCheckProgress(size - advanced);
    return result;
}

void FreeCompareBuffers() {
    if (gBuffers) VirtualFree(gBuffers, 0, MEM_RELEASE);
    gBuffers = NULL;
}
