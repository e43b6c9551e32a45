// The Options page of the settings sheet: the action radio buttons and the
// controls they enable, the check boxes and the program picker.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/wine/sheet_support.h"

using namespace zv;

namespace {

const int kDependents[] = {IDC_CONFIRM_EXIT, IDC_STANDBY, IDC_COMMAND_EDIT, IDC_COMMAND_BROWSE,
                           IDC_CONFIRM_RUN};

// Which of the dependent controls are enabled, in the order above.
std::string EnabledDependents(HWND page) {
    std::string states;
    for (int id : kDependents) states += IsEnabled(page, id) ? '1' : '0';
    return states;
}

std::string CheckedRadios(HWND page) {
    std::string states;
    for (int id : {IDC_ACTION_NONE, IDC_ACTION_EXIT, IDC_ACTION_RUN}) states += IsChecked(page, id) ? '1' : '0';
    return states;
}

// An item of the system's (Unicode) file dialog's list, as code page 932.
std::string ComboText(HWND combo, int index) {
    wchar_t wide[128] = L"";
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide));
    char text[256] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

}  // namespace

TEST(OptionsPage, TheActionChoosesItsRadioAndTheEnabledControls) {
    struct Case { const char* mode; const char* radios; const char* enabled; } cases[] = {
        {"0", "100", "00000"}, {"1", "010", "11000"}, {"2", "001", "00111"},
        {"7", "000", "00010"},  // the template's own states
    };
    Installed app = Install("options-modes");
    for (const Case& c : cases) {
        Process p;
        HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", std::string("ExitMode=") + c.mode}));
        ASSERT_NE(sheet, nullptr);
        HWND page = ShowPage(sheet, 1);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(CheckedRadios(page), c.radios) << "ExitMode " << c.mode;
        EXPECT_EQ(EnabledDependents(page), c.enabled) << "ExitMode " << c.mode;
        EXPECT_TRUE(IsEnabled(page, IDC_CONFIRM_COPY));
        EXPECT_TRUE(IsEnabled(page, IDC_REPEAT_COPY));
        EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
        EXPECT_EQ(IniValue(app.ini, "ExitMode"), c.mode) << "opening alone changes nothing";
    }
}

TEST(OptionsPage, AClickChangesTheEnabledControlsAndTheModeAtOnce) {
    Installed app = Install("options-click");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "ExitMode=7"}));
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, 1);
    Click(page, IDC_ACTION_EXIT);
    EXPECT_EQ(EnabledDependents(page), "11000");
    Click(page, IDC_ACTION_RUN);
    EXPECT_EQ(EnabledDependents(page), "00111");
    EXPECT_EQ(CheckedRadios(page), "001");
    ShowPage(sheet, 0);  // leaving the page writes nothing yet
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "ExitMode"), "2");
}

TEST(OptionsPage, ExitFlagsAreRebuiltFromTheBoxesDisabledOnesIncluded) {
    Installed app = Install("options-flags");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "ExitMode=1", "ExitFlags=-3", "Flags=12",
                                            "Command=\"\"old.exe\"\""}));
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, 1);
    EXPECT_TRUE(IsChecked(page, IDC_CONFIRM_EXIT));   // -3 holds bit 1
    EXPECT_FALSE(IsChecked(page, IDC_STANDBY));       // but not bit 2
    EXPECT_TRUE(IsChecked(page, IDC_CONFIRM_RUN));    // and bit 4
    Click(page, IDC_ACTION_NONE);                     // disables the checked box 1020
    Click(page, IDC_CONFIRM_COPY);
    Click(page, IDC_REPEAT_COPY);
    SetItemText(page, IDC_COMMAND_EDIT, "\"C:\\new one\\b.exe\" /q");
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "ExitFlags"), "5") << "unknown bits dropped, disabled box counted";
    EXPECT_EQ(IniValue(app.ini, "ExitMode"), "0");
    EXPECT_EQ(IniValue(app.ini, "Flags"), "15") << "bits 4 and 8 untouched";
    EXPECT_EQ(IniValue(app.ini, "Command"), "\"C:\\new one\\b.exe\" /q");
}

TEST(OptionsPage, TheBrowseDialogCancelledChangesNothing) {
    Installed app = Install("options-browse");
    Process p;
    HWND sheet = OpenSheet(p, app, IniText({"To=C:\\t", "ExitMode=2", "Command=\"run.exe -a\""}));
    ASSERT_NE(sheet, nullptr);
    HWND page = ShowPage(sheet, 1);
    EXPECT_EQ(ItemText(page, IDC_COMMAND_EDIT), "run.exe -a");
    Press(page, IDC_COMMAND_BROWSE);
    HWND picker = WaitForWindow(p.Id(), "#32770", "プログラムファイルを指定してください");
    ASSERT_NE(picker, nullptr);
    HWND types = GetDlgItem(picker, 0x470);  // the file type list
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ComboText(types, 0), "プログラムファイル");
    EXPECT_EQ(ComboText(types, 1), "すべてのファイル");
    EXPECT_EQ(SendMessageA(types, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ItemText(picker, 0x47c), "") << "no file name";
    Press(picker, IDCANCEL);
    for (int i = 0; i < 100 && IsWindow(picker); ++i) Sleep(50);
    EXPECT_EQ(ItemText(page, IDC_COMMAND_EDIT), "run.exe -a");
    EXPECT_EQ(CloseSheet(p, sheet, IDOK), 1u);
    EXPECT_EQ(IniValue(app.ini, "Command"), "run.exe -a");
}
