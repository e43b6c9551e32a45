#include "ui/program_picker.h"

#include <commdlg.h>

#include "app/bounded_text.h"

int ChooseProgramFile(HWND owner, char (&path)[MAX_PATH]) {
    static const char filter[] =
        "プログラムファイル\0*.exe\0"
        "すべてのファイル\0*.*\0";
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = ArraySize(path);
    dialog.lpstrTitle = "プログラムファイルを指定してください";
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetSaveFileNameA(&dialog) ? 1 : 0;
}
