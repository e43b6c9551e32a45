// The result that a disc's catalogue line records: what the copy of the
// disc's tree came to.
#pragma once

#include "catalog/tree_walk.h"

enum CatalogResult {
    CopyFailed,      // no folder, or nothing arrived of a disc with files
    CopyAborted,     // the shell reports the operation aborted, or the check was cancelled
    CopyShort,       // fewer files or bytes arrived, or a count is not whole
    CopyUnverified,  // the counts agree, but some file was not proven by content
    CopyComplete,
    DiscDuplicate,   // skipped: archived whole before
};

// What the check by content (Verify) found, when it ran.
enum ContentCheck { NotChecked, AllProven, SomeNotProven, CheckCancelled };

// The first rule that applies, in the order of the enumeration; a check that
// was cancelled turns CopyUnverified and CopyComplete into CopyAborted.
CatalogResult JudgeCopy(bool folderMade, bool aborted, const TreeTally& disc,
                        const TreeTally& copy, ContentCheck check);
