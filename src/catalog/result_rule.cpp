#include "catalog/result_rule.h"

CatalogResult JudgeCopy(bool folderMade, bool aborted, const TreeTally& disc,
                        const TreeTally& copy, ContentCheck check) {
    if (!folderMade || (copy.files == 0 && disc.files > 0)) return CopyFailed;
    if (aborted) return CopyAborted;
    if (copy.files < disc.files || copy.bytes < disc.bytes || disc.incomplete || copy.incomplete)
        return CopyShort;
    if (check == CheckCancelled) return CopyAborted;
    return check == SomeNotProven ? CopyUnverified : CopyComplete;
}
