// The Folder page of the settings sheet, driven as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"
#include "tests/wine/sheet_support.h"

using namespace zv;

TEST(FolderPage, TheDigitsAreKeptBetweenOneAndSixteen) {
    Installed app = Install("folder-digits");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "NumCount=-1"}));
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(ItemText(page, IDC_DIGITS_EDIT), "3");
    LRESULT range = SendDlgItemMessageA(page, IDC_DIGITS_SPIN, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(LOWORD(range), 16) << "maximum";
    EXPECT_EQ(HIWORD(range), 1) << "minimum";
    SendDlgItemMessageA(page, IDC_DIGITS_SPIN, UDM_SETPOS, 0, MAKELPARAM(16, 0));
    EXPECT_EQ(ItemText(page, IDC_DIGITS_EDIT), "16") << "the spin writes its buddy";
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "NumCount"), "16");

    for (const char* typed : {"20", "", "0"}) {
        Process q;
        sheet = OpenSheet(q, app, IniText({"To=C:\\t", "NumCount=5"}));
        ASSERT_NE(sheet, nullptr);
        page = CurrentPage(sheet);
        EXPECT_EQ(ItemText(page, IDC_DIGITS_EDIT), "5");
        SetItemText(page, IDC_DIGITS_EDIT, typed);
        EXPECT_EQ(CloseSheet(q, sheet, IDOK), 1u);
        EXPECT_EQ(IniValue(app.ini, "NumCount"), "3") << '"' << typed << '"';
    }
}

TEST(FolderPage, ListsThePresentDrivesInLetterOrder) {
    Installed app = Install("folder-drives");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "From=D:\\"}));
    ASSERT_NE(sheet, nullptr);
    HWND list = GetDlgItem(CurrentPage(sheet), IDC_DRIVE_LIST);
    std::vector<ComboItem> items = ComboExItems(p, list);
    std::vector<LPARAM> letters;
    DWORD drives = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit)
        if (drives & (1u << bit)) letters.push_back('A' + bit);
    ASSERT_EQ(items.size(), letters.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].data, letters[i]);
        EXPECT_NE(items[i].text.find(std::string("(") + char(letters[i]) + ":)"), std::string::npos)
            << items[i].text;
    }
    LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(items[selected].data, 'D');
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "From"), "D:\\");
}

TEST(FolderPage, AnUnknownSourceSelectsTheFirstDrive) {
    Installed app = Install("folder-first");
    for (const char* from : {"d:\\", "", "Q:\\"}) {
        Process p;
        HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", std::string("From=") + from}));
        ASSERT_NE(sheet, nullptr);
        HWND list = GetDlgItem(CurrentPage(sheet), IDC_DRIVE_LIST);
        EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0) << from;
        EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
        EXPECT_EQ(IniValue(app.ini, "From"), "C:\\") << from;
    }
}

TEST(FolderPage, WritesItsTwoBitsAndLeavesTheOthers) {
    Installed app = Install("folder-bits");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "Flags=-1"}));
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(IsChecked(page, IDC_MOVE_FILES));
    EXPECT_TRUE(IsChecked(page, IDC_FROM_ZERO));
    Click(page, IDC_MOVE_FILES);
    Click(page, IDC_FROM_ZERO);
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "Flags"), std::to_string(-1 & ~12));

    Process q;
    sheet = OpenSheet(q, app, IniText({"To=C:\\t", "Flags=1"}));
    ASSERT_NE(sheet, nullptr);
    page = CurrentPage(sheet);
    EXPECT_FALSE(IsChecked(page, IDC_MOVE_FILES));
    Click(page, IDC_FROM_ZERO);
    EXPECT_EQ(CloseSheet(q, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "Flags"), "9");
}

TEST(FolderPage, KeepsTheTypedDestinationAsItIs) {
    Installed app = Install("folder-to");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\old"}));
    ASSERT_NE(sheet, nullptr);
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(ItemText(page, IDC_DEST_EDIT), "C:\\old");
    std::string typed = "C:\\データ\\表";
    SetItemText(page, IDC_DEST_EDIT, typed);
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "To"), typed);
}
