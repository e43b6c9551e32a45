// Check boxes of the settings pages that stand for one bit of a field.
#pragma once
#include <windows.h>
#include <stdint.h>

// Checks the box when bit is set in bits; an unset bit leaves it as it is.
void CheckBoxForBit(HWND page, int box, int32_t bits, int32_t bit);

// bits with bit set when the box is checked and cleared otherwise.
int32_t BitFromBox(HWND page, int box, int32_t bits, int32_t bit);
