#include "tests/wine/shortcut_support.h"

#include "tests/wine/sheet_support.h"

#include <commctrl.h>
#include <objbase.h>
#include <prsht.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>

namespace zv {

ShortcutSheet OpenShortcutPage(Process& process, const Installed& app) {
    ShortcutSheet s;
    s.sheet = OpenSheet(process, app, "");
    if (s.sheet) s.page = ShowPage(s.sheet, 2);
    return s;
}

std::string DesktopFolder() {
    char path[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, TRUE);
    std::string s = path;
    if (!s.empty() && s.back() == '\\') s.pop_back();
    return s;
}

std::string ShortcutName() { return "コピーの開始 Zolvane.lnk"; }

static DWORD DwordAt(const std::string& bytes, size_t offset) {
    if (bytes.size() < offset + 4) return 0;
    return static_cast<unsigned char>(bytes[offset]) |
           static_cast<unsigned char>(bytes[offset + 1]) << 8 |
           static_cast<unsigned char>(bytes[offset + 2]) << 16 |
           static_cast<DWORD>(static_cast<unsigned char>(bytes[offset + 3])) << 24;
}

ShortcutView ReadShortcut(const std::string& path) {
    ShortcutView view;
    std::string bytes = ReadBytes(path);
    view.headerFlags = DwordAt(bytes, 20);
    view.headerShowCommand = DwordAt(bytes, 60);

    HRESULT init = CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            view.loaded = true;
            char text[1024];
            text[0] = '\0';
            link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
            view.target = text;
            text[0] = '\0';
            link->GetArguments(text, sizeof text);
            view.arguments = text;
            text[0] = '\0';
            link->GetWorkingDirectory(text, sizeof text);
            view.workingDirectory = text;
            text[0] = '\0';
            link->GetIconLocation(text, sizeof text, &view.iconIndex);
            view.iconPath = text;
        }
    }
    if (file) file->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return view;
}

std::vector<std::string> ShortcutsBelow(const std::string& root) {
    std::vector<std::string> found;
    for (const std::string& rel : ListTree(root))
        if (rel.size() > 4 && rel.compare(rel.size() - 4, 4, ".lnk") == 0) found.push_back(rel);
    return found;
}

HWND WaitForDialogWith(DWORD pid, HWND except, const char* childClass, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        for (HWND w : WindowsOf(pid)) {
            if (w == except) continue;
            if (!childClass || FindWindowExA(w, nullptr, childClass, nullptr)) return w;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

HWND WaitForFolderBrowser(DWORD pid, HWND sheet) {
    return WaitForDialogWith(pid, sheet, "SysTreeView32");
}

namespace {

// A process handle of the tree's own, for the buffer that TVM_GETITEM needs
// inside the tree's process.
HANDLE OpenProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
}

class RemoteItemReader {
public:
    explicit RemoteItemReader(HWND tree) : tree_(tree), process_(OpenProcessOf(tree)), memory_(process_, 4096) {}
    ~RemoteItemReader() {
        if (process_) CloseHandle(process_);
    }
    bool Ready() const { return memory_.Ready(); }

    // The item's text as code page 932 bytes.
    std::string TextOf(HTREEITEM item) {
        const size_t textOffset = 512;
        TVITEMW tv = {};
        tv.mask = TVIF_TEXT | TVIF_HANDLE;
        tv.hItem = item;
        tv.pszText = reinterpret_cast<LPWSTR>(memory_.At(textOffset));
        tv.cchTextMax = 1024;
        WCHAR empty = 0;
        memory_.Write(textOffset, &empty, sizeof empty);
        if (!memory_.Write(0, &tv, sizeof tv)) return std::string();
        SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory_.At(0)));
        WCHAR text[1024] = {};
        memory_.Read(textOffset, text, sizeof text - sizeof(WCHAR));
        char ansi[2048] = "";
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        return ansi;
    }

private:
    HWND tree_;
    HANDLE process_;
    RemoteBuffer memory_;
};

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

bool Matches(const std::string& text, const std::string& step) {
    if (!step.empty() && step[0] == '*') return text.find(step.substr(1)) != std::string::npos;
    return text == step;
}

}  // namespace

bool SelectInBrowser(HWND browser, const std::vector<std::string>& route, std::string* error) {
    HWND tree = FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
    RemoteItemReader reader(tree);
    if (!tree || !reader.Ready()) {
        *error = "no tree, or its process cannot be read";
        return false;
    }
    HTREEITEM parent = nullptr;
    HTREEITEM item = Next(tree, TVGN_ROOT, nullptr);
    for (size_t i = 0; i < route.size(); ++i) {
        if (parent) {
            // Children are listed when their parent is first expanded.
            SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
            item = Next(tree, TVGN_CHILD, parent);
        }
        std::string seen;
        while (item && !Matches(reader.TextOf(item), route[i])) {
            seen += " [" + reader.TextOf(item) + "]";
            item = Next(tree, TVGN_NEXT, item);
        }
        if (!item) {
            *error = "no item \"" + route[i] + "\" among:" + seen;
            return false;
        }
        parent = item;
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return true;
}

namespace {

HMODULE RemoteModule(HANDLE process, const char* name) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed)) return nullptr;
    DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), 512);
    for (DWORD i = 0; i < count; ++i) {
        char base[MAX_PATH] = "";
        GetModuleBaseNameA(process, modules[i], base, sizeof base);
        if (lstrcmpiA(base, name) == 0) return modules[i];
    }
    return nullptr;
}

DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* argument) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
    if (!thread) return ~0u;
    DWORD code = ~0u;
    if (WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0) GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    return code;
}

// Loads the probe into the process once; its base address there.
HMODULE LoadProbeInto(HANDLE process) {
    const char kName[] = "font_probe.dll";
    if (HMODULE loaded = RemoteModule(process, kName)) return loaded;
    std::string path = BuildFolder() + "\\" + kName;
    void* remotePath = VirtualAllocEx(process, nullptr, path.size() + 1, MEM_COMMIT, PAGE_READWRITE);
    if (!remotePath) return nullptr;
    WriteProcessMemory(process, remotePath, path.c_str(), path.size() + 1, nullptr);
    // kernel32 lies at the same address in every process of the prefix.
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    RunRemoteThread(process, loadLibrary, remotePath);
    VirtualFreeEx(process, remotePath, 0, MEM_RELEASE);
    return RemoteModule(process, kName);
}

}  // namespace

DWORD RunProbe(const Process& process, const char* function, void* argument) {
    HANDLE handle = OpenProcess(PROCESS_ALL_ACCESS, FALSE, process.Id());
    if (!handle) return ~0u;
    DWORD result = ~0u;
    HMODULE local = LoadLibraryA((BuildFolder() + "\\font_probe.dll").c_str());
    HMODULE remote = LoadProbeInto(handle);
    FARPROC proc = local ? GetProcAddress(local, function) : nullptr;
    if (remote && proc) {
        // The same function at the same offset from the module's base.
        char* address = reinterpret_cast<char*>(remote) +
                        (reinterpret_cast<char*>(proc) - reinterpret_cast<char*>(local));
        result = RunRemoteThread(handle, reinterpret_cast<LPTHREAD_START_ROUTINE>(
                                             reinterpret_cast<void*>(address)), argument);
    }
    CloseHandle(handle);
    return result;
}

}  // namespace zv
