// The settings sheet as a whole: how it opens, what it looks like, and what
// OK and Cancel leave in the settings file.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>

#include "res/resource.h"
#include "tests/wine/sheet_support.h"

using namespace zv;

namespace {

// The documents folder as the shell gives it (Wine ends it with a backslash).
std::string DocumentsFolder() {
    char path[MAX_PATH] = "";
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list) == S_OK) {
        SHGetPathFromIDListA(list, path);
        CoTaskMemFree(list);
    }
    return path;
}

}  // namespace

TEST(SettingsSheet, OpensWithoutTheCopySwitchEvenWhenToIsSet) {
    Installed app = Install("sheet-open");
    std::string ini = IniText({"To=C:\\zvtest\\target"});
    Process p;
    HWND sheet = OpenSheet(p, app, ini);
    ASSERT_NE(sheet, nullptr);

    Process second;
    ASSERT_TRUE(second.Start(app.exe, "/c"));
    EXPECT_EQ(second.Wait(), 0u) << "a second start while the sheet is open";
    EXPECT_TRUE(WindowsOf(second.Id()).empty());
    EXPECT_FALSE(Exists("C:\\zvtest\\target")) << "nothing was copied";

    EXPECT_EQ(CloseSheet(p, sheet, IDCANCEL), 1u);
    EXPECT_EQ(ReadBytes(app.ini), ini);
}

TEST(SettingsSheet, LooksAsItShould) {
    Installed app = Install("sheet-looks");
    Process p;
    HWND sheet = OpenSheet(p, app, "");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(Text(sheet), kSheetCaption);
    EXPECT_EQ(TabTitles(p, sheet), (std::vector<std::string>{"フォルダ", "各種設定", "ショートカット"}));
    EXPECT_EQ(GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP, 0) << "no help button";
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(GetWindowLongPtrA(tabs, GWL_STYLE) & TCS_MULTILINE, 0) << "tabs in one row";
    EXPECT_EQ(SendMessageA(tabs, TCM_GETROWCOUNT, 0, 0), 1);

    EXPECT_EQ(ItemText(sheet, IDOK), "OK");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(sheet, IDOK)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(sheet, IDCANCEL)));
    HWND apply = GetDlgItem(sheet, 0x3021);
    EXPECT_TRUE(apply == nullptr || !IsWindowVisible(apply)) << "no Apply button";
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0) << "opens on the Folder page";
    EXPECT_EQ(CloseSheet(p, sheet, IDCANCEL), 1u);
}

TEST(SettingsSheet, CancelAfterChangesOnEveryPageKeepsTheFile) {
    Installed app = Install("sheet-cancel");
    std::string ini = IniText({"From=D:\\", "To=C:\\zvtest\\keep", "NumCount=0", "Flags=3",
                               "ExitMode=1", "ExitFlags=9", "Command=\"\"x.exe\"\""});
    Process p;
    HWND sheet = OpenSheet(p, app, ini);
    ASSERT_NE(sheet, nullptr);
    HWND folder = ShowPage(sheet, 0);
    SetItemText(folder, IDC_DEST_EDIT, "C:\\elsewhere");
    Click(folder, IDC_MOVE_FILES);
    HWND options = ShowPage(sheet, 1);
    Click(options, IDC_ACTION_RUN);
    Click(options, IDC_CONFIRM_COPY);
    SetItemText(options, IDC_COMMAND_EDIT, "other.exe");
    ASSERT_NE(ShowPage(sheet, 2), nullptr);
    EXPECT_EQ(CloseSheet(p, sheet, IDCANCEL), 1u);
    EXPECT_EQ(ReadBytes(app.ini), ini) << "byte-identical";

    Installed fresh = Install("sheet-cancel-nofile");
    Process q;
    sheet = OpenSheet(q, fresh, "");
    ASSERT_NE(sheet, nullptr);
    SetItemText(ShowPage(sheet, 0), IDC_DEST_EDIT, "C:\\elsewhere");
    EXPECT_EQ(CloseSheet(q, sheet, IDCANCEL), 1u);
    EXPECT_FALSE(Exists(fresh.ini));
}

TEST(SettingsSheet, OkRightAfterOpeningCommitsOnlyTheFolderPagesNormalisations) {
    for (const char* count : {"0", "17", "-1"}) {
        Installed app = Install("sheet-ok");
        Process p;
        HWND sheet = OpenSheet(p, app, IniText({std::string("NumCount=") + count, "From=q:\\",
                                                "Flags=7", "ExitMode=7", "ExitFlags=-8",
                                                "Command=\"\"C:\\a b\\c.exe\" -x\"",
                                                "Catalog=1", "Eject=1", "AutoNext=1"}));
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
        EXPECT_EQ(IniValue(app.ini, "To"), DocumentsFolder());
        EXPECT_EQ(IniValue(app.ini, "NumCount"), "3") << count;
        EXPECT_EQ(IniValue(app.ini, "From"), "C:\\") << "the first drive listed";
        EXPECT_EQ(IniValue(app.ini, "Flags"), "7") << "bit 4 shown checked and kept, 1 and 2 untouched";
        EXPECT_EQ(IniValue(app.ini, "ExitMode"), "7");
        EXPECT_EQ(IniValue(app.ini, "ExitFlags"), "-8");
        EXPECT_EQ(IniValue(app.ini, "Command"), "\"C:\\a b\\c.exe\" -x");
        for (const char* hidden : {"Catalog", "Eject", "AutoNext"})
            EXPECT_EQ(IniValue(app.ini, hidden), "1") << hidden << " is kept as it was";
    }
}
