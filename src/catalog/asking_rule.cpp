#include "catalog/asking_rule.h"

bool AsksAboutKnownDisc(bool confirmCopy, bool repeat, bool endRunsUnasked, PassStart start) {
    return confirmCopy || start == NowButton ||
           (start != DiscArrived && (repeat || !endRunsUnasked));
}
