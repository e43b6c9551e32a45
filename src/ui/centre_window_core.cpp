#include "ui/centre_window_core.h"

static int32_t Width(const ScreenRect& r) { return r.right - r.left; }
static int32_t Height(const ScreenRect& r) { return r.bottom - r.top; }

// One axis: centre the box's extent over the reference, then clamp to
// [0, limit]. Halves truncate toward zero, as C++ division does.
static int32_t CentredOnAxis(int32_t referenceStart, int32_t referenceExtent, int32_t extent,
                             int32_t limit) {
    int32_t position = referenceStart + (referenceExtent - extent) / 2;
    if (position < 0) position = 0;
    if (position + extent > limit) position = limit - extent;
    return position;
}

ScreenPoint CentredPosition(const ScreenRect* owner, const ScreenRect& box,
                            const ScreenRect& workArea) {
    const ScreenRect& reference = owner ? *owner : workArea;
    ScreenPoint p;
    p.x = CentredOnAxis(reference.left, Width(reference), Width(box), Width(workArea));
    p.y = CentredOnAxis(reference.top, Height(reference), Height(box), Height(workArea));
    return p;
}
