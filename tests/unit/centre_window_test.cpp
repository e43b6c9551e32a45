#include "app/centre_window_core.h"

#include <gtest/gtest.h>

namespace {
ScreenRect Rect(int32_t left, int32_t top, int32_t width, int32_t height) {
    return ScreenRect{left, top, left + width, top + height};
}

// The work area of a 1024 x 768 screen with a 30-pixel task bar at the bottom.
const ScreenRect kWork = Rect(0, 0, 1024, 738);

::testing::AssertionResult At(ScreenPoint p, int32_t x, int32_t y) {
    if (p.x == x && p.y == y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at (" << p.x << ", " << p.y << "), expected (" << x
                                         << ", " << y << ")";
}
}  // namespace

TEST(CentredPosition, CentresOverTheOwner) {
    ScreenRect owner = Rect(100, 50, 400, 300);
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 200, 100), kWork), 200, 150));
    // The box's own position does not matter, only its size.
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(-700, 900, 200, 100), kWork), 200, 150));
}

TEST(CentredPosition, WithoutAnOwnerCentresInTheWorkArea) {
    EXPECT_TRUE(At(CentredPosition(nullptr, Rect(0, 0, 224, 138), kWork), 400, 300));
    // A work area that starts right of and below the origin (task bar at the
    // top left) is still the reference.
    ScreenRect shifted = Rect(100, 40, 800, 600);
    EXPECT_TRUE(At(CentredPosition(nullptr, Rect(0, 0, 200, 100), shifted), 400, 290));
}

TEST(CentredPosition, HalvesTruncateTowardZero) {
    // Odd differences: 301 - 200 = 101 gives 50, 201 - 100 = 101 gives 50.
    ScreenRect owner = Rect(10, 20, 301, 201);
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 200, 100), kWork), 60, 70));
    // A negative difference of -5 gives -2, not -3: 500 + (-5) / 2 = 498.
    ScreenRect narrow = Rect(500, 400, 100, 100);
    EXPECT_TRUE(At(CentredPosition(&narrow, Rect(0, 0, 105, 105), kWork), 498, 398));
}

TEST(CentredPosition, LeftOfOrAboveTheOriginMovesToZero) {
    ScreenRect owner = Rect(-300, 10, 200, 100);
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 100, 50), kWork), 0, 35));
    ScreenRect high = Rect(20, -200, 200, 100);
    EXPECT_TRUE(At(CentredPosition(&high, Rect(0, 0, 100, 50), kWork), 70, 0));
    // Zero, not the work area's left or top edge, even where that lies further
    // right or lower.
    ScreenRect shifted = Rect(100, 40, 800, 600);
    ScreenRect corner = Rect(-50, -50, 60, 60);
    EXPECT_TRUE(At(CentredPosition(&corner, Rect(0, 0, 100, 100), shifted), 0, 0));
    // Exactly at the origin is kept.
    ScreenRect fits = Rect(0, 0, 100, 100);
    EXPECT_TRUE(At(CentredPosition(&fits, Rect(0, 0, 100, 100), kWork), 0, 0));
}

TEST(CentredPosition, PastTheWorkAreaIsPushedBackToEndExactlyThere) {
    ScreenRect right = Rect(950, 100, 100, 100);
    EXPECT_TRUE(At(CentredPosition(&right, Rect(0, 0, 200, 100), kWork), 1024 - 200, 100));
    ScreenRect low = Rect(100, 700, 100, 100);
    EXPECT_TRUE(At(CentredPosition(&low, Rect(0, 0, 100, 200), kWork), 100, 738 - 200));
    // Ending exactly at the width or height is accepted unchanged.
    ScreenRect edge = Rect(924, 638, 100, 100);
    EXPECT_TRUE(At(CentredPosition(&edge, Rect(0, 0, 100, 100), kWork), 924, 638));
    // The limit is the work area's size counted from the origin, not its right
    // or bottom edge: with the work area at (100, 40)-(900, 640), the box may
    // not reach past x = 800 or y = 600.
    ScreenRect shifted = Rect(100, 40, 800, 600);
    ScreenRect owner = Rect(800, 600, 100, 40);
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 100, 40), shifted), 700, 560));
}

TEST(CentredPosition, LargerThanTheWorkAreaStartsOffTheScreen) {
    ScreenRect owner = Rect(0, 0, 1024, 738);
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 1100, 800), kWork), -76, -62));
    EXPECT_TRUE(At(CentredPosition(nullptr, Rect(0, 0, 1100, 100), kWork), -76, 319));
}

TEST(CentredPosition, CoordinatesFurtherApartThan32BitsCountAreWorkedOutInFull) {
    // Found by the fuzzer: an owner 3129543232 pixels wide and a box and work
    // area of no size.
    ScreenRect owner = {-2055143414, 65477, 1074399818, 0};
    EXPECT_TRUE(At(CentredPosition(&owner, Rect(0, 0, 0, 0), Rect(0, 0, 0, 0)), 0, 0));
    // From -1000 to the largest coordinate: -1000 + 2147484647 / 2.
    ScreenRect wide = {-1000, 0, INT32_MAX, 100};
    EXPECT_TRUE(At(CentredPosition(&wide, Rect(0, 0, 0, 100), Rect(0, 0, INT32_MAX, 738)),
                   1073741323, 0));
    // A work area whose right edge lies 4294967295 left of its left one: the
    // upper clamp asks for x = -4294967295, held at the smallest coordinate.
    ScreenRect inverted = {INT32_MAX, 0, INT32_MIN, 738};
    EXPECT_TRUE(At(CentredPosition(nullptr, Rect(0, 0, 0, 0), inverted), INT32_MIN, 369));
}
