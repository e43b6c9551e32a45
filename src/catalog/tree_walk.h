// A walk over a folder tree through the platform's folder listing, handing
// each file's place relative to the root to a visitor, and the tally of a
// tree built on it. The walk holds paths in 16-bit units: UTF-16 on the NT
// family, and on Windows 9x one unit per byte of the system code page, the
// byte unchanged, so that every name is kept exactly as its system gives it.
#pragma once
#include <stdint.h>
#include <wchar.h>

// Paths of the walk, the "*" and the terminator included.
enum { WalkPathUnits = 260 };

// How a folder listing ended: whether its first call already failed, and the
// system's error code then.
struct ListingEnd {
    bool firstCallFailed;
    uint32_t error;
};
enum { ErrorFileNotFound = 2, ErrorNoMoreFiles = 18 };

// The folder was listed to its end: the listing ran out of entries, or found
// none at all (an empty root answers either code, as Windows 9x and the NT
// family do).
bool FolderWasListed(const ListingEnd& end);

// One entry of a folder listing: its name, whether it is a folder, its size.
typedef void (*WalkVisit)(const wchar_t* name, bool isFolder, uint64_t size, void* walk);
// Hands every entry matching pattern (a folder followed by "*"), hidden and
// system ones, "." and ".." included, to visit with walk. The pattern is read
// only before the first visit.
typedef ListingEnd (*FolderLister)(const wchar_t* pattern, WalkVisit visit, void* walk);
// A file of the tree: the folder it lies in, relative to the root (empty, or
// ending with a backslash), its name and its size.
typedef void (*FileFound)(const wchar_t* folder, const wchar_t* name, uint64_t size, void* context);

// Walks the tree below root, which ends with a backslash, and tells found of
// every file. False when some folder could not be listed, or its pattern
// would not fit in WalkPathUnits; the rest of the tree is still walked.
bool WalkTree(const wchar_t* root, FolderLister list, FileFound found, void* context);

struct TreeTally {
    uint64_t files;    // files of every attribute; folders are not files
    uint64_t bytes;    // their sizes, summed in 64 bits
    bool incomplete;   // a folder could not be listed, or its path was too long
};

// Counts the files and bytes below root, as WalkTree walks it.
TreeTally TallyTree(const wchar_t* root, FolderLister list);
