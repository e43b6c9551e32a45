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

// A buffer inside the program's address space, for the common controls'
// messages that carry pointers (the system copies only the plain ones).
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size) : process_(process) {
        address_ = process ? VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)
                           : nullptr;
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    bool Ready() const { return address_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) {
        return WriteProcessMemory(process_, At(offset), data, size, nullptr) != FALSE;
    }
    void Read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(process_, At(offset), data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

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
