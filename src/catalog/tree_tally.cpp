#include "catalog/tree_tally.h"

#include <string.h>

#include "app/bounded_text.h"

namespace {

// One path buffer for the whole walk: each level appends its folder's name
// and takes it off again when that folder is done.
struct Walk {
    char path[260];
    size_t length;
    FolderLister list;
    TreeTally tally;
};

void ListFolder(Walk* walk);

void Visit(const char* name, bool isFolder, uint64_t size, void* context) {
    Walk* walk = static_cast<Walk*>(context);
    if (!isFolder) {
        walk->tally.files += 1;
        walk->tally.bytes += size;
        return;
    }
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) return;
    size_t parent = walk->length;
    // Room for the name, its backslash, the "*" and the terminator.
    size_t nameLength = strlen(name);
    if (nameLength + 3 > ArraySize(walk->path) - parent) {
        walk->tally.incomplete = true;
        return;
    }
    memcpy(walk->path + parent, name, nameLength);
    walk->path[parent + nameLength] = '\\';
    walk->length = parent + nameLength + 1;
    ListFolder(walk);
    walk->length = parent;
}

void ListFolder(Walk* walk) {
    walk->path[walk->length] = '*';
    walk->path[walk->length + 1] = '\0';
    if (!walk->list(walk->path, Visit, walk)) walk->tally.incomplete = true;
}

}  // namespace

TreeTally TallyTree(const char* root, FolderLister list) {
    Walk walk;
    walk.list = list;
    walk.tally.files = 0;
    walk.tally.bytes = 0;
    walk.tally.incomplete = false;
    walk.length = BoundedLength(root, ArraySize(walk.path));
    if (walk.length == 0 || walk.length + 2 > ArraySize(walk.path)) {
        walk.tally.incomplete = true;
        return walk.tally;
    }
    memcpy(walk.path, root, walk.length);
    ListFolder(&walk);
    return walk.tally;
}
