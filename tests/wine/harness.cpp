#include "tests/wine/harness.h"

#include <shellapi.h>

#include <algorithm>

namespace zv {

std::string BuildFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s = path;
    return s.substr(0, s.find_last_of('\\'));
}

static std::string Parent(const std::string& path) {
    size_t p = path.find_last_of('\\');
    return p == std::string::npos ? std::string() : path.substr(0, p);
}

void MakeFolders(const std::string& path) {
    if (path.size() <= 3 || IsFolder(path)) return;
    MakeFolders(Parent(path));
    CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

std::string FreshFolder(const std::string& name) {
    std::string folder = "C:\\zvtest\\" + name;
    RemoveTree(folder);
    MakeFolders(folder);
    return folder;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    MakeFolders(Parent(path));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

static void ListInto(const std::string& root, const std::string& rel, std::vector<std::string>& out) {
    WIN32_FIND_DATAA data;
    std::string base = rel.empty() ? root : root + "\\" + rel;
    HANDLE find = FindFirstFileA((base + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        std::string child = rel.empty() ? name : rel + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(child + "\\");
            ListInto(root, child, out);
        } else {
            out.push_back(child);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

std::vector<std::string> ListTree(const std::string& root) {
    std::vector<std::string> out;
    ListInto(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

std::string CompareTrees(const std::string& expected, const std::string& actual) {
    std::vector<std::string> a = ListTree(expected), b = ListTree(actual);
    if (a != b) {
        std::string report = "entries differ; expected:";
        for (auto& s : a) report += " [" + s + "]";
        report += " actual:";
        for (auto& s : b) report += " [" + s + "]";
        return report;
    }
    for (const std::string& rel : a) {
        std::string pa = expected + "\\" + rel, pb = actual + "\\" + rel;
        DWORD hidden = FILE_ATTRIBUTE_HIDDEN;
        if ((GetFileAttributesA(pa.c_str()) & hidden) != (GetFileAttributesA(pb.c_str()) & hidden))
            return "hidden attribute differs: " + rel;
        if (rel.back() != '\\' && ReadBytes(pa) != ReadBytes(pb)) return "bytes differ: " + rel;
    }
    return std::string();
}

Installed Install(const std::string& name) {
    Installed in;
    in.folder = FreshFolder(name);
    in.exe = in.folder + "\\zolvane.exe";
    in.ini = in.folder + "\\zolvane.ini";
    CopyFileA((BuildFolder() + "\\zolvane.exe").c_str(), in.exe.c_str(), FALSE);
    return in;
}

Process::~Process() { Kill(); }

bool Process::Start(const std::string& exe, const std::string& args,
                    const std::vector<std::string>& env, const std::string& stderrPath) {
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back('\0');

    // Environment block: the inherited one plus the extra entries.
    std::vector<char> block;
    if (!env.empty()) {
        char* inherited = GetEnvironmentStringsA();
        for (char* p = inherited; *p; p += strlen(p) + 1) block.insert(block.end(), p, p + strlen(p) + 1);
        FreeEnvironmentStringsA(inherited);
        for (const std::string& e : env) block.insert(block.end(), e.c_str(), e.c_str() + e.size() + 1);
        block.push_back('\0');
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    HANDLE errorFile = INVALID_HANDLE_VALUE;
    if (!stderrPath.empty()) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        errorFile = CreateFileA(stderrPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = errorFile;
    }
    std::string folder = exe.substr(0, exe.find_last_of('\\'));
    BOOL ok = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, !stderrPath.empty(), 0,
                             block.empty() ? nullptr : block.data(), folder.c_str(), &startup, &info_);
    if (errorFile != INVALID_HANDLE_VALUE) CloseHandle(errorFile);
    if (ok) WaitForInputIdle(info_.hProcess, 5000);
    return ok != FALSE;
}

DWORD Process::Wait(DWORD timeoutMs) {
    if (!info_.hProcess) return STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Process::Running() { return info_.hProcess && Wait(0) == STILL_ACTIVE; }

void Process::Kill() {
    if (!info_.hProcess) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = PROCESS_INFORMATION();
}

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

static BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid) {
    WindowSearch search = {pid, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Text(HWND window) {
    char text[4096] = "";
    // Another process's window: WM_GETTEXT is marshalled by the system.
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? Text(item) : std::string();
}

HWND WaitForWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        for (HWND w : WindowsOf(pid)) {
            if (className && ClassOf(w) != className) continue;
            if (title && Text(w) != title) continue;
            return w;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool ShowsNothing(DWORD pid, DWORD quietMs) {
    DWORD start = GetTickCount();
    do {
        if (!WindowsOf(pid).empty()) return false;
        Sleep(50);
    } while (GetTickCount() - start < quietMs);
    return true;
}

bool MessageBoxView::HasButton(int id) const {
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

MessageBoxView WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    MessageBoxView view;
    DWORD start = GetTickCount();
    do {
        for (HWND w : WindowsOf(pid)) {
            // The program's own dialogs have an icon of id -1 (0xFFFF) first.
            HWND text = GetDlgItem(w, 0xFFFF);
            if (ClassOf(w) != "#32770" || !text ||
                (GetWindowLongA(text, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                continue;
            view.window = w;
            view.caption = Text(w);
            view.text = ItemText(w, 0xFFFF);
            for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
                HWND b = GetDlgItem(w, id);
                if (b && IsWindowVisible(b)) view.buttons.push_back(id);
            }
            return view;
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return view;
}

void Press(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    if (button) PostMessageA(button, BM_CLICK, 0, 0);
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    std::string bytes = ReadBytes(path), line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string ProgramString(int id) {
    HMODULE program = LoadLibraryExA((BuildFolder() + "\\zolvane.exe").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE);
    char text[1024] = "";
    if (program) {
        LoadStringA(program, id, text, sizeof text);
        FreeLibrary(program);
    }
    return text;
}

}  // namespace zv
