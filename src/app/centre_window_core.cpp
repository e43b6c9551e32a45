#include "app/centre_window_core.h"

// Extents and sums are worked out in 64 bits: two 32-bit coordinates can lie
// further apart than 32 bits can count.
static int64_t Width(const ScreenRect& r) { return int64_t{r.right} - r.left; }
static int64_t Height(const ScreenRect& r) { return int64_t{r.bottom} - r.top; }

// One axis: centre the box's extent over the reference, then clamp to
// [0, limit]. Halves truncate toward zero, as C++ division does.
static int32_t CentredOnAxis(int64_t referenceStart, int64_t referenceExtent, int64_t extent,
                             int64_t limit) {
    int64_t position = referenceStart + (referenceExtent - extent) / 2;
    if (position < 0) position = 0;
    if (position + extent > limit) position = limit - extent;
    if (position > INT32_MAX) return INT32_MAX;
    if (position < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(position);
}

ScreenPoint CentredPosition(const ScreenRect* owner, const ScreenRect& box,
                            const ScreenRect& workArea) {
    const ScreenRect& reference = owner ? *owner : workArea;
    ScreenPoint p;
    p.x = CentredOnAxis(reference.left, Width(reference), Width(box), Width(workArea));
    p.y = CentredOnAxis(reference.top, Height(reference), Height(box), Height(workArea));
    return p;
}
