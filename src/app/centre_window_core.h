// Where a box goes when it is centred over its owner: plain arithmetic on
// screen rectangles, so that it can be checked without a window.
#pragma once
#include <stdint.h>

struct ScreenRect {
    int32_t left, top, right, bottom;
};

struct ScreenPoint {
    int32_t x, y;
};

// Top-left corner for a box of the size of box, centred over owner (or over
// workArea when owner is null), then kept inside the rectangle from the screen
// origin to the work area's width and height. The lower clamp comes first;
// the upper clamp wins, so a box larger than the work area starts off screen.
// Any 32-bit coordinates are taken exactly; a position past what 32 bits hold,
// which only rectangles larger than any screen give, is held at the nearest
// 32-bit value.
ScreenPoint CentredPosition(const ScreenRect* owner, const ScreenRect& box,
                            const ScreenRect& workArea);
