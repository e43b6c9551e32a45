// What a folder tree holds: its files and their bytes, counted by a walk
// over the platform's folder listing.
#pragma once
#include <stdint.h>

struct TreeTally {
    uint64_t files;    // files of every attribute; folders are not files
    uint64_t bytes;    // their sizes, summed in 64 bits
    bool incomplete;   // a folder could not be listed, or its path was too long
};

// One entry of a folder listing: its name, whether it is a folder, its size.
typedef void (*EntryVisitor)(const char* name, bool isFolder, uint64_t size, void* walk);

// Hands every entry matching pattern (a folder followed by "*"), hidden and
// system ones included, to visit with walk, then returns: false when the
// folder could not be listed, true when it was (an empty folder included).
// The pattern is read only before the first visit.
typedef bool (*FolderLister)(const char* pattern, EntryVisitor visit, void* walk);

// Counts the tree below root, which ends with a backslash. Paths are held
// within the platform's 260 characters; a folder whose pattern would not fit
// is not listed and marks the tally incomplete, as an empty root does.
TreeTally TallyTree(const char* root, FolderLister list);
