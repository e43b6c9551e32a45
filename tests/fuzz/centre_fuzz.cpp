// Where a box goes when it is centred: over the owner (or the work area),
// the halves truncated toward zero, then at least 0 and at most the work
// area's size less the box's, the upper clamp winning. Any coordinates at
// all, so widths and sums beyond 32 bits too.
#include <algorithm>

#include "app/centre_window_core.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

ScreenRect ReadRect(FuzzInput& input) {
    ScreenRect r;
    r.left = input.Int32();
    r.top = input.Int32();
    r.right = input.Int32();
    r.bottom = input.Int32();
    return r;
}

// One axis in exact arithmetic, as the clamps are documented, then held to
// the range of a coordinate.
int32_t ExpectedOnAxis(int64_t start, int64_t end, int64_t boxStart, int64_t boxEnd,
                       int64_t limitStart, int64_t limitEnd) {
    int64_t extent = boxEnd - boxStart;
    int64_t limit = limitEnd - limitStart;
    int64_t position = start + (end - start - extent) / 2;
    position = std::max<int64_t>(position, 0);
    if (position + extent > limit) position = limit - extent;
    return static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(position, INT32_MIN),
                                                  INT32_MAX));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    bool hasOwner = input.Byte() & 1;
    ScreenRect owner = ReadRect(input), box = ReadRect(input), work = ReadRect(input);
    const ScreenRect& reference = hasOwner ? owner : work;

    ScreenPoint p = CentredPosition(hasOwner ? &owner : nullptr, box, work);
    REQUIRE(p.x == ExpectedOnAxis(reference.left, reference.right, box.left, box.right, work.left,
                                  work.right));
    REQUIRE(p.y == ExpectedOnAxis(reference.top, reference.bottom, box.top, box.bottom, work.top,
                                  work.bottom));
    return 0;
}
