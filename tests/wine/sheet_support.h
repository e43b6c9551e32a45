// Driving the settings sheet of a running zolvane.exe from the test program:
// its pages, tabs, drive list and the settings file it leaves behind.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/harness.h"

namespace zv {

extern const char* const kSheetCaption;  // "Zolvane の設定"

// Writes the settings file (when ini is not empty), starts the program with
// args and waits for its sheet. Null when no sheet appeared.
HWND OpenSheet(Process& process, const Installed& app, const std::string& ini,
               const std::string& args = "");

// The page at tab index, selected first (the sheet creates it then).
HWND ShowPage(HWND sheet, int index);
HWND CurrentPage(HWND sheet);

// Presses OK or Cancel and waits for the program to end; its exit code.
DWORD CloseSheet(Process& process, HWND sheet, int button);

// Tab titles from left to right.
std::vector<std::string> TabTitles(Process& process, HWND sheet);

// Items of an extended combo box: text and item data.
struct ComboItem {
    std::string text;
    LPARAM data;
};
std::vector<ComboItem> ComboExItems(Process& process, HWND combo);

// Synchronous button click and text change in a page of the program.
void Click(HWND page, int id);
void SetItemText(HWND page, int id, const std::string& text);
bool IsChecked(HWND page, int id);
bool IsEnabled(HWND page, int id);

// A value of section [General] of a settings file; "<absent>" when missing.
std::string IniValue(const std::string& ini, const char* key);
// A settings file holding the given keys in section [General].
std::string IniText(const std::vector<std::string>& lines);

}  // namespace zv
