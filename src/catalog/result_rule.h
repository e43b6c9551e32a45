// The result that a disc's catalogue line records: what the copy of the
// disc's tree came to.
#pragma once

#include "catalog/tree_walk.h"

enum CatalogResult {
    CopyFailed,     // no folder, or nothing arrived of a disc with files
    CopyAborted,    // the shell reports the operation aborted
    CopyShort,      // fewer files or bytes arrived, or a count is not whole
    CopyComplete,
    DiscDuplicate,  // skipped: archived whole before
};

// The first rule that applies, in the order of the enumeration.
CatalogResult JudgeCopy(bool folderMade, bool aborted, const TreeTally& disc,
                        const TreeTally& copy);
