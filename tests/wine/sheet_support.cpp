#include "tests/wine/sheet_support.h"

#include <commctrl.h>
#include <prsht.h>

namespace zv {

const char* const kSheetCaption = "Zolvane の設定";

HWND OpenSheet(Process& process, const Installed& app, const std::string& ini,
               const std::string& args) {
    if (!ini.empty()) WriteBytes(app.ini, ini);
    if (!process.Start(app.exe, args)) return nullptr;
    return WaitForWindow(process.Id(), "#32770", kSheetCaption);
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND ShowPage(HWND sheet, int index) {
    SendMessageA(sheet, PSM_SETCURSEL, index, 0);
    return CurrentPage(sheet);
}

DWORD CloseSheet(Process& process, HWND sheet, int button) {
    Press(sheet, button);
    return process.Wait();
}

namespace {

const size_t kTextOffset = 1024;
const int kTextSize = 260;

}  // namespace

std::vector<std::string> TabTitles(Process& process, HWND sheet) {
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    RemoteBuffer remote(process.Handle(), 4096);
    std::vector<std::string> titles;
    LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = remote.At(kTextOffset);
        item.cchTextMax = kTextSize;
        remote.Write(0, &item, sizeof item);
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(remote.At(0)));
        char text[kTextSize] = "";
        remote.Read(kTextOffset, text, sizeof text);
        titles.push_back(std::string(text, strnlen(text, sizeof text)));
    }
    return titles;
}

std::vector<ComboItem> ComboExItems(Process& process, HWND combo) {
    RemoteBuffer remote(process.Handle(), 4096);
    std::vector<ComboItem> items;
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM;
        item.iItem = i;
        item.pszText = remote.At(kTextOffset);
        item.cchTextMax = kTextSize;
        remote.Write(0, &item, sizeof item);
        SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.At(0)));
        remote.Read(0, &item, sizeof item);
        char text[kTextSize] = "";
        remote.Read(kTextOffset, text, sizeof text);
        items.push_back({std::string(text, strnlen(text, sizeof text)), item.lParam});
    }
    return items;
}

void Click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }

void SetItemText(HWND page, int id, const std::string& text) {
    SendMessageA(GetDlgItem(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsChecked(HWND page, int id) {
    return SendMessageA(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

std::string IniValue(const std::string& ini, const char* key) {
    char value[1024];
    GetPrivateProfileStringA("General", key, "<absent>", value, sizeof value, ini.c_str());
    return value;
}

std::string IniText(const std::vector<std::string>& lines) {
    std::string text = "[General]\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace zv
