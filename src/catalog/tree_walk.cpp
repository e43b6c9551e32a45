#include "catalog/tree_walk.h"

#include <stddef.h>
#include <string.h>

namespace {

// One path buffer for the whole walk: each level appends its folder's name
// and takes it off again when that folder is done.
struct Walk {
    wchar_t path[WalkPathUnits];
    size_t rootLength;
    size_t length;
    FolderLister list;
    FileFound found;
    void* context;
    bool complete;
};

void ListFolder(Walk* walk);

void Visit(const wchar_t* name, bool isFolder, uint64_t size, void* context) {
    Walk* walk = static_cast<Walk*>(context);
    size_t parent = walk->length;
    if (!isFolder) {
        walk->path[parent] = 0;  // the folder, where the listing's "*" stood
        walk->found(walk->path + walk->rootLength, name, size, walk->context);
        return;
    }
    if (wcscmp(name, L".") == 0 || wcscmp(name, L"..") == 0) return;
    // Room for the name, its backslash, the "*" and the terminator.
    size_t nameLength = wcslen(name);
    if (nameLength + 3 > WalkPathUnits - parent) {
        walk->complete = false;
        return;
    }
    memcpy(walk->path + parent, name, nameLength * sizeof(wchar_t));
    walk->path[parent + nameLength] = L'\\';
    walk->length = parent + nameLength + 1;
    ListFolder(walk);
    walk->length = parent;
}

void ListFolder(Walk* walk) {
    walk->path[walk->length] = L'*';
    walk->path[walk->length + 1] = 0;
    if (!FolderWasListed(walk->list(walk->path, Visit, walk))) walk->complete = false;
}

void CountFile(const wchar_t*, const wchar_t*, uint64_t size, void* context) {
    TreeTally* tally = static_cast<TreeTally*>(context);
    tally->files += 1;
    tally->bytes += size;
}

}  // namespace

bool FolderWasListed(const ListingEnd& end) {
    return end.error == ErrorNoMoreFiles || (end.firstCallFailed && end.error == ErrorFileNotFound);
}

bool WalkTree(const wchar_t* root, FolderLister list, FileFound found, void* context) {
    Walk walk;
    walk.list = list;
    walk.found = found;
    walk.context = context;
    walk.complete = true;
    size_t length = wcslen(root);
    if (length == 0 || length + 2 > WalkPathUnits) return false;
    memcpy(walk.path, root, length * sizeof(wchar_t));
    walk.rootLength = walk.length = length;
    ListFolder(&walk);
    return walk.complete;
}

TreeTally TallyTree(const wchar_t* root, FolderLister list) {
    TreeTally tally = {0, 0, false};
    tally.incomplete = !WalkTree(root, list, CountFile, &tally);
    return tally;
}
