#include "tests/wine/copy_support.h"

#include <gtest/gtest.h>

#include <psapi.h>
#include <winioctl.h>

#include <algorithm>

namespace zv {

namespace {

// The functions whose calls the traced runs record.
const char kRelayInclude[] =
    "shell32.SHFileOperationA;shell32.ShellExecuteA;user32.ExitWindowsEx;"
    "kernel32.SetSystemPowerState;user32.MessageBoxA;advapi32.OpenProcessToken;"
    "advapi32.LookupPrivilegeValueA;advapi32.AdjustTokenPrivileges;kernel32.CloseHandle;"
    "kernel32.CreateDirectoryA;winmm.mciSendStringA;advapi32.CryptAcquireContextA;"
    "advapi32.CryptCreateHash";

void LimitRelay() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Debug", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "RelayInclude", 0, REG_SZ, reinterpret_cast<const BYTE*>(kRelayInclude),
                   sizeof kRelayInclude);
    RegCloseKey(key);
}

// Pseudo-random bytes, the same for the same seed.
std::string Bytes(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned x = seed * 2654435761u + 1;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

// Starts a Unix program. Wine gives it no Windows handles: hProcess is null
// and the rest of the structure is left as garbage (hThread may happen to
// equal a handle of this process), so nothing may be closed.
void StartUnix(const std::string& commandLine) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info) &&
        info.hProcess) {
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
}

}  // namespace

// Drive C: is $WINEPREFIX/drive_c, drive D: the folder $ZV_DISC, Z: the
// Unix root.
std::string UnixPath(const std::string& windowsPath) {
    char letter = static_cast<char>(toupper(static_cast<unsigned char>(windowsPath[0])));
    char base[1024] = "";
    if (letter != 'Z')
        GetEnvironmentVariableA(letter == 'D' ? "ZV_DISC" : "WINEPREFIX", base, sizeof base);
    std::string path = std::string(base) + (letter == 'C' ? "/drive_c" : "") + windowsPath.substr(2);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool RunUnixShell(const std::string& script, DWORD timeoutMs) {
    static int count = 0;
    std::string done = "C:\\zvtest\\shell-" + std::to_string(++count) + ".txt";
    MakeFolders("C:\\zvtest");
    DeleteFileA(done.c_str());
    std::string unixDone = UnixPath(done);
    StartUnix("/bin/sh -c \"" + script + "; echo $? > '" + unixDone + ".tmp'; mv '" + unixDone +
              ".tmp' '" + unixDone + "'\"");
    DWORD start = GetTickCount();
    while (!Exists(done) && GetTickCount() - start < timeoutMs) Sleep(20);
    bool ok = ReadBytes(done) == "0\n";
    DeleteFileA(done.c_str());
    return ok;
}

namespace {
const char kDiscFaults[] = "C:\\zvtest\\disc-faults.txt";
}

std::string SimulatedDisc::Mount(const std::string& faults) {
    Unmount();
    SetFaults(faults);
    std::string disc = UnixPath("D:");
    if (RunUnixShell("/usr/bin/python3 '" + UnixPath(BuildFolder() + "\\simulated_disc.py") +
                     "' '" + disc + "' '" + UnixPath(kDiscFaults) + "'")) {
        mounted_ = true;
        return "";
    }
    if (!RunUnixShell("test -c /dev/fuse")) return "no /dev/fuse here";
    if (!RunUnixShell("/usr/bin/python3 -c 'import fusepy'")) return "python3-fusepy is missing";
    return "mounting a FUSE file system over " + disc + " is not allowed here";
}

void SimulatedDisc::SetFaults(const std::string& faults) {
    MakeFolders("C:\\zvtest");
    WriteBytes(kDiscFaults, faults);
}

void SimulatedDisc::Unmount() {
    if (!mounted_) return;
    // Lazily, so that a file some process still holds open cannot keep it.
    RunUnixShell("fusermount3 -uz '" + UnixPath("D:") + "'");
    mounted_ = false;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

namespace {

// With the wide functions, so that names outside the code page go too.
std::vector<std::wstring> NamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

void RemoveTreeW(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    for (const std::wstring& name : NamesIn(path)) RemoveTreeW(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
}

}  // namespace

void ClearDisc() {
    for (const std::wstring& name : NamesIn(L"D:")) RemoveTreeW(L"D:\\" + name);
}

const TestDrive kDiscDrive = {'D', DRIVE_FIXED, "D:"};
const TestDrive kCdDrive = {'E', DRIVE_CDROM, "C:\\zvtest\\cd"};

namespace {

// The mount manager's own request for defining a drive (Wine's layout).
struct UnixDriveRequest {
    ULONG size;
    ULONG type;  // a DRIVE_ value; DRIVE_NO_ROOT_DIR removes the drive
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
const DWORD kDefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineDrive(char letter, UINT type, const std::string& unixFolder) {
    std::vector<char> request(sizeof(UnixDriveRequest) + unixFolder.size() + 1, '\0');
    UnixDriveRequest* drive = reinterpret_cast<UnixDriveRequest*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = type;
    drive->letter = static_cast<WCHAR>(tolower(letter));
    if (!unixFolder.empty()) {
        drive->mountPointOffset = sizeof(UnixDriveRequest);
        memcpy(request.data() + sizeof(UnixDriveRequest), unixFolder.c_str(), unixFolder.size());
    }
    HANDLE manager = CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    BOOL defined = DeviceIoControl(manager, kDefineUnixDrive, request.data(),
                                   static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return defined != FALSE;
}

// Through Z:, the Unix root, the folder can be written while the drive is
// empty.
std::string WritableFolderOf(const TestDrive& drive) {
    std::string folder = "Z:" + UnixPath(drive.folder);
    for (char& c : folder)
        if (c == '/') c = '\\';
    MakeFolders(folder);
    return folder;
}

}  // namespace

bool LoadVolume(const TestDrive& drive, const std::string& label, const std::string& serial) {
    std::string folder = WritableFolderOf(drive);
    WriteBytes(folder + "\\.windows-label", label);
    WriteBytes(folder + "\\.windows-serial", serial);
    if (!DefineDrive(drive.letter, drive.type, UnixPath(drive.folder))) return false;
    char root[] = {drive.letter, ':', '\\', '\0'};
    DWORD seen = 0;
    return GetVolumeInformationA(root, nullptr, 0, &seen, nullptr, nullptr, nullptr, 0) &&
           seen == strtoul(serial.c_str(), nullptr, 16);
}

bool EmptyDrive(const TestDrive& drive) {
    return DefineDrive(drive.letter, DRIVE_NO_ROOT_DIR, "");
}

bool ResetDrive(const TestDrive& drive) {
    std::string folder = WritableFolderOf(drive);
    DeleteFileA((folder + "\\.windows-label").c_str());
    DeleteFileA((folder + "\\.windows-serial").c_str());
    return DefineDrive(drive.letter, drive.type, UnixPath(drive.folder));
}

void FillSampleTree(const std::string& root) {
    WriteBytes(root + "\\readme.txt", "a disc\r\n");
    WriteBytes(root + "\\photos\\2024\\summer\\img001.jpg", Bytes(40000, 1));
    WriteBytes(root + "\\photos\\2024\\img002.jpg", Bytes(12345, 2));
    WriteBytes(root + "\\photos\\index.html", "<html></html>");
    WriteBytes(root + "\\big.bin", Bytes(3 * 1024 * 1024 + 7, 3));
    WriteBytes(root + "\\日本語フォルダ\\表計算.txt", "表");    // 表: 95 5C
    WriteBytes(root + "\\ソフト\\データ.bin", Bytes(999, 4));  // ソ: 83 5C
    WriteBytes(root + "\\empty.txt", "");
    MakeFolders(root + "\\空のフォルダ");
    MakeFolders(root + "\\photos\\empty");
    std::string hidden = root + "\\hidden.dat";
    WriteBytes(hidden, "not shown");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

void WriteRunSettings(const std::string& ini, const RunSettings& s) {
    // The command goes inside one extra pair of quotes, which reading strips.
    std::string text = "[General]\r\nTo=" + s.to + "\r\nFrom=" + s.from + "\r\nCommand=\"" +
                       s.command + "\"\r\nFlags=" + std::to_string(s.flags) +
                       "\r\nExitMode=" + std::to_string(s.exitMode) +
                       "\r\nExitFlags=" + std::to_string(s.exitFlags) +
                       "\r\nNumCount=" + std::to_string(s.numCount) + "\r\n" + s.hidden;
    WriteBytes(ini, text);
}

TracedRun::TracedRun(const Installed& app, const std::string& args)
    : exe_(app.exe), trace_(app.folder + "\\relay.log"), exitFile_(app.folder + "\\exit.txt") {
    LimitRelay();
    DeleteFileA(trace_.c_str());
    DeleteFileA(exitFile_.c_str());
    std::string unixFolder = UnixPath(app.folder);
    StartUnix("/bin/sh -c \"cd '" + unixFolder +
              "' && WINEDEBUG=-all,+relay \\\"${ZV_WINE:-wine}\\\" zolvane.exe " + args +
              " 2>relay.log; echo $? >exit.tmp; mv exit.tmp exit.txt\"");
}

TracedRun::~TracedRun() {
    if (process_) {
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
        CloseHandle(process_);
    }
    Finish(5000);
}

bool TracedRun::Ended() const { return Exists(exitFile_); }

DWORD TracedRun::Pid() {
    if (pid_ || Ended()) return pid_;
    DWORD ids[4096];
    DWORD bytes = 0;
    if (!EnumProcesses(ids, sizeof ids, &bytes)) return 0;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE |
                                   PROCESS_TERMINATE,
                               FALSE, ids[i]);
        if (!h) continue;
        char image[MAX_PATH] = "";
        GetModuleFileNameExA(h, nullptr, image, MAX_PATH);
        if (Lower(image) == Lower(exe_) && WaitForSingleObject(h, 0) == WAIT_TIMEOUT) {
            process_ = h;
            pid_ = ids[i];
            return pid_;
        }
        CloseHandle(h);
    }
    return 0;
}

MessageBoxView TracedRun::NextBox(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        if (DWORD pid = Pid()) {
            MessageBoxView box = WaitForMessageBox(pid, 100);
            if (box.window) return box;
        } else {
            Sleep(50);
        }
    } while (!Ended() && GetTickCount() - start < timeoutMs);
    return MessageBoxView();
}

void TracedRun::Answer(const MessageBoxView& box, int button) {
    Press(box.window, button);
    for (int i = 0; i < 200 && IsWindow(box.window); ++i) Sleep(25);
}

::testing::AssertionResult TracedRun::Answer(const std::string& text, std::vector<int> buttons,
                                             int button) {
    MessageBoxView box = NextBox();
    ::testing::AssertionResult shown = IsBox(box, text, std::move(buttons));
    if (shown) Answer(box, button);
    return shown;
}

DWORD TracedRun::Finish(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!Ended()) {
        if (GetTickCount() - start >= timeoutMs) return STILL_ACTIVE;
        Sleep(50);
    }
    std::string code = ReadBytes(exitFile_);
    return code.empty() ? STILL_ACTIVE : static_cast<DWORD>(atoi(code.c_str()));
}

std::vector<std::string> TracedRun::Calls(const std::string& function) const {
    return Calls(std::vector<std::string>{function});
}

std::vector<std::string> TracedRun::Calls(const std::vector<std::string>& functions) const {
    std::vector<std::string> needles;
    for (const std::string& function : functions)
        needles.push_back(Lower("Call " + function + "("));
    std::vector<std::string> calls;
    for (const std::string& line : Lines(trace_)) {
        std::string lower = Lower(line);
        for (const std::string& needle : needles)
            if (lower.find(needle) != std::string::npos) {
                calls.push_back(line);
                break;
            }
    }
    return calls;
}

std::vector<std::string> TracedRun::Boxes() const {
    std::vector<std::string> boxes;
    for (const std::string& call : Calls("user32.MessageBoxA")) {
        size_t open = call.find('(');
        size_t comma = call.find(',', open);
        size_t close = call.rfind(") ret=");
        if (open == std::string::npos || comma == std::string::npos ||
            close == std::string::npos || close < 8) {
            boxes.push_back("unreadable: " + call);
            continue;
        }
        boxes.push_back(call.substr(open + 1, comma - open - 1) + " " + call.substr(close - 8, 8));
    }
    return boxes;
}

HWND WaitForNextDiscDialog(TracedRun& run) {
    for (int i = 0; i < 300 && !run.Pid(); ++i) Sleep(50);
    HWND dialog = WaitForWindow(run.Pid(), "#32770", "Zolvane", 15000);
    return dialog && ItemText(dialog, IDOK) == "今すぐコピー" ? dialog : nullptr;
}

bool Closes(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < timeoutMs) Sleep(20);
    return !IsWindow(window);
}

::testing::AssertionResult IsBox(const MessageBoxView& box, const std::string& text,
                                 std::vector<int> buttons) {
    if (!box.window) return ::testing::AssertionFailure() << "no message box";
    std::vector<int> shown = box.buttons;
    std::sort(shown.begin(), shown.end());
    std::sort(buttons.begin(), buttons.end());
    if (box.text != text) return ::testing::AssertionFailure() << "text [" << box.text << "]";
    if (box.caption != "Zolvane")
        return ::testing::AssertionFailure() << "caption [" << box.caption << "]";
    if (shown != buttons) return ::testing::AssertionFailure() << "other buttons";
    if (GetWindow(box.window, GW_OWNER)) return ::testing::AssertionFailure() << "has an owner";
    return ::testing::AssertionSuccess();
}

std::string InstallRecorder(const std::string& folder) {
    MakeFolders(folder);
    std::string exe = folder + "\\record_args.exe";
    CopyFileA((BuildFolder() + "\\record_args.exe").c_str(), exe.c_str(), FALSE);
    DeleteFileA((folder + "\\recorded.txt").c_str());
    return exe;
}

std::vector<std::string> Recorded(const std::string& folder, DWORD timeoutMs) {
    std::string file = folder + "\\recorded.txt";
    DWORD start = GetTickCount();
    while (!Exists(file) && GetTickCount() - start < timeoutMs) Sleep(50);
    return Lines(file);
}

}  // namespace zv
