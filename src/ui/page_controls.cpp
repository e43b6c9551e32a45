#include "ui/page_controls.h"

void CheckBoxForBit(HWND page, int box, int32_t bits, int32_t bit) {
    if (bits & bit) CheckDlgButton(page, box, BST_CHECKED);
}

int32_t BitFromBox(HWND page, int box, int32_t bits, int32_t bit) {
    return IsDlgButtonChecked(page, box) == BST_CHECKED ? (bits | bit) : (bits & ~bit);
}
