// The Shortcut page of the real program, driven as a user would: the sheet
// opened without "/c", its third tab chosen, its buttons pressed.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "res/resource.h"
#include "tests/wine/harness.h"
#include "tests/wine/sheet_support.h"
#include "tests/wine/shortcut_support.h"

using namespace zv;

namespace {

// Presses a button and returns once its command has been handled.
void PressAndWait(HWND dialog, int id) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, 20000, &ignored);
}

bool WaitForFile(const std::string& path, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!Exists(path)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

// True while an instance of the program holds its marker.
bool RunningInstance() {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Zolvane");
    if (!mutex) return false;
    CloseHandle(mutex);
    return true;
}

// The disc folder of the session, as the program sees it at D:.
std::string DiscRoot() { return "D:\\"; }

void EmptyFolder(const std::string& folder) {
    for (const std::string& rel : ListTree(folder))
        if (rel.find('\\') == std::string::npos || rel.back() == '\\') RemoveTree(folder + rel);
}

// Route through the folder browser's tree to a folder on the desktop.
std::vector<std::string> DesktopRoute(const std::string& name) { return {"*", name}; }

struct ShortcutPageTest : ::testing::Test {
    std::string desktop = DesktopFolder();
    std::string desktopShortcut = desktop + "\\" + ShortcutName();
    void SetUp() override {
        ASSERT_FALSE(desktop.empty());
        MakeFolders(desktop);
        RemoveTree(desktopShortcut);
    }
};

}  // namespace

TEST_F(ShortcutPageTest, TheDesktopButtonWritesTheShortcutThatStartsTheCopyRun) {
    Installed app = Install("page-desktop");
    Process p;
    ShortcutSheet s = OpenShortcutPage(p, app);
    ASSERT_NE(s.page, nullptr);
    ASSERT_NE(GetDlgItem(s.page, IDC_SHORTCUT_DESKTOP), nullptr) << "the third page is the Shortcut page";

    PressAndWait(s.page, IDC_SHORTCUT_DESKTOP);
    ASSERT_TRUE(WaitForFile(desktopShortcut));
    ShortcutView view = ReadShortcut(desktopShortcut);
    ASSERT_TRUE(view.loaded);
    EXPECT_EQ(view.target, app.exe);
    EXPECT_EQ(view.arguments, "/C");
    EXPECT_EQ(view.workingDirectory, app.folder);
    EXPECT_EQ(view.headerShowCommand, 5u);
    EXPECT_EQ(view.headerFlags & HasIconLocation, 0u);
    EXPECT_EQ(view.iconPath, "");

    // Again: the same single file, no second name made up; nothing is shown.
    PressAndWait(s.page, IDC_SHORTCUT_DESKTOP);
    EXPECT_EQ(ShortcutsBelow(desktop), std::vector<std::string>{ShortcutName()});
    EXPECT_EQ(WindowsOf(p.Id()), std::vector<HWND>{s.sheet});
    EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
}

TEST_F(ShortcutPageTest, TheFolderButtonWritesIntoTheFolderChosenInTheBrowser) {
    Installed app = Install("page-folder");
    std::string chosen = desktop + "\\zv-chosen";
    RemoveTree(chosen);
    MakeFolders(chosen);
    Process p;
    ShortcutSheet s = OpenShortcutPage(p, app);
    ASSERT_NE(s.page, nullptr);

    Press(s.page, IDC_SHORTCUT_FOLDER);
    HWND browser = WaitForFolderBrowser(p.Id(), s.sheet);
    ASSERT_NE(browser, nullptr);
    EXPECT_NE(FindWindowExA(browser, nullptr, nullptr, "フォルダを選択してください。"), nullptr);
    std::string error;
    ASSERT_TRUE(SelectInBrowser(browser, DesktopRoute("zv-chosen"), &error)) << error;
    Press(browser, IDOK);
    ASSERT_TRUE(WaitForFile(chosen + "\\" + ShortcutName()));
    ASSERT_TRUE(WaitUntilGone(browser));

    ShortcutView view = ReadShortcut(chosen + "\\" + ShortcutName());
    ASSERT_TRUE(view.loaded);
    EXPECT_EQ(view.target, app.exe);
    EXPECT_EQ(view.arguments, "/C");
    EXPECT_EQ(view.workingDirectory, app.folder);
    EXPECT_EQ(ShortcutsBelow(chosen), std::vector<std::string>{ShortcutName()});
    EXPECT_FALSE(Exists(desktopShortcut));
    EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
    RemoveTree(chosen);
}

TEST_F(ShortcutPageTest, CancellingTheBrowserWritesNothingAndShowsNothing) {
    Installed app = Install("page-cancel");
    Process p;
    ShortcutSheet s = OpenShortcutPage(p, app);
    ASSERT_NE(s.page, nullptr);
    Press(s.page, IDC_SHORTCUT_FOLDER);
    HWND browser = WaitForFolderBrowser(p.Id(), s.sheet);
    ASSERT_NE(browser, nullptr);
    Press(browser, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(browser));
    Sleep(500);
    EXPECT_EQ(WindowsOf(p.Id()), std::vector<HWND>{s.sheet});
    EXPECT_TRUE(ShortcutsBelow(desktop).empty());
    EXPECT_TRUE(ShortcutsBelow("C:\\zvtest").empty());
    EXPECT_TRUE(ShortcutsBelow(app.folder).empty());
    EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
}

TEST_F(ShortcutPageTest, ADriveRootGetsItsShortcutThroughTheDoubledBackslash) {
    // Drive C:, which the browser always lists.
    Installed app = Install("page-root");
    std::string inRoot = "C:\\" + ShortcutName();
    RemoveTree(inRoot);
    Process p;
    ShortcutSheet s = OpenShortcutPage(p, app);
    ASSERT_NE(s.page, nullptr);
    Press(s.page, IDC_SHORTCUT_FOLDER);
    HWND browser = WaitForFolderBrowser(p.Id(), s.sheet);
    ASSERT_NE(browser, nullptr);
    std::string error;
    ASSERT_TRUE(SelectInBrowser(browser, {"*", "*マイ コンピュータ", "*(C:)"}, &error)) << error;
    Press(browser, IDOK);
    // The page passes C:\\<name> (two backslashes) on as it is; the shell saves it in the root.
    ASSERT_TRUE(WaitForFile(inRoot));
    ShortcutView view = ReadShortcut(inRoot);
    EXPECT_TRUE(view.loaded);
    EXPECT_EQ(view.target, app.exe);
    EXPECT_EQ(view.arguments, "/C");
    EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
    RemoveTree(inRoot);
}

TEST_F(ShortcutPageTest, AFolderTooDeepForTheShortcutsPathGetsNoShortcut) {
    Installed app = Install("page-deep");
    // 240 bytes of folder leave no room for "\\<name>.lnk" in 259.
    std::string base = FreshFolder("page-deep-target");
    std::vector<std::string> route = {"*", "*マイ コンピュータ", "*(C:)", "zvtest", "page-deep-target"};
    std::string folder = base;
    while (folder.size() < 240) {
        std::string segment(std::min<size_t>(60, 240 - folder.size() - 1), 'd');
        if (segment.empty()) break;
        folder += "\\" + segment;
        route.push_back(segment);
    }
    MakeFolders(folder);
    ASSERT_TRUE(IsFolder(folder));
    ASSERT_GE(folder.size(), 236u);

    Process p;
    ShortcutSheet s = OpenShortcutPage(p, app);
    ASSERT_NE(s.page, nullptr);
    Press(s.page, IDC_SHORTCUT_FOLDER);
    HWND browser = WaitForFolderBrowser(p.Id(), s.sheet);
    ASSERT_NE(browser, nullptr);
    std::string error;
    ASSERT_TRUE(SelectInBrowser(browser, route, &error)) << error;
    Press(browser, IDOK);
    ASSERT_TRUE(WaitUntilGone(browser));
    Sleep(500);
    EXPECT_TRUE(p.Running());
    EXPECT_EQ(WindowsOf(p.Id()), std::vector<HWND>{s.sheet});
    // No file at all, not even one under a shortened name.
    for (const std::string& rel : ListTree(base)) EXPECT_EQ(rel.back(), '\\') << rel;
    EXPECT_TRUE(ShortcutsBelow(app.folder).empty());
    EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
}

// Points the user's desktop folder at a drive that does not exist, for the
// life of the object, so that the shell cannot give the desktop's path.
class DesktopWithoutPath {
public:
    DesktopWithoutPath() {
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = sizeof old_;
        had_ = RegQueryValueExA(key_, "Desktop", nullptr, &type_, reinterpret_cast<BYTE*>(old_), &size) ==
               ERROR_SUCCESS;
        const char missing[] = "Q:\\nowhere\\Desktop";
        RegSetValueExA(key_, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(missing), sizeof missing);
    }
    ~DesktopWithoutPath() {
        if (had_)
            RegSetValueExA(key_, "Desktop", 0, type_, reinterpret_cast<const BYTE*>(old_),
                           static_cast<DWORD>(strlen(old_) + 1));
        else
            RegDeleteValueA(key_, "Desktop");
        RegCloseKey(key_);
    }

private:
    static constexpr const char* kKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    DWORD type_ = REG_SZ;
    char old_[1024] = "";
    bool had_ = false;
};

TEST_F(ShortcutPageTest, WithoutTheDesktopsPathTheDesktopButtonDoesNothing) {
    Installed app = Install("page-no-desktop");
    {
        // Before the start: the shell looks the desktop up once per process.
        DesktopWithoutPath unavailable;
        char path[MAX_PATH] = "";
        ASSERT_FALSE(SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE))
            << "the desktop still has a path: " << path;
        Process p;
        ShortcutSheet s = OpenShortcutPage(p, app);
        ASSERT_NE(s.page, nullptr);
        PressAndWait(s.page, IDC_SHORTCUT_DESKTOP);
        Sleep(300);
        EXPECT_EQ(WindowsOf(p.Id()), std::vector<HWND>{s.sheet}) << "no message about it";
        EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
    }
    // Not in the root, not beside the program (its working folder), not on
    // the real desktop.
    EXPECT_FALSE(Exists("C:\\" + ShortcutName()));
    EXPECT_TRUE(ShortcutsBelow(app.folder).empty());
    EXPECT_TRUE(ShortcutsBelow(desktop).empty());
}

TEST_F(ShortcutPageTest, StartingTheWrittenShortcutCopiesTheDiscIntoFolder001) {
    Installed app = Install("page-road");
    std::string dest = FreshFolder("page-road-dest");
    WriteBytes(app.ini, "[General]\r\nTo=" + dest + "\r\nFrom=D:\\\r\nNumCount=3\r\nFlags=0\r\nExitMode=0\r\n");
    EmptyFolder(DiscRoot());
    WriteBytes(DiscRoot() + "readme.txt", "disc one\r\n");
    WriteBytes(DiscRoot() + "写真\\表.dat", std::string(3000, 'x'));

    {
        Process p;
        ShortcutSheet s = OpenShortcutPage(p, app);
        ASSERT_NE(s.page, nullptr);
        PressAndWait(s.page, IDC_SHORTCUT_DESKTOP);
        ASSERT_TRUE(WaitForFile(desktopShortcut));
        EXPECT_EQ(CloseSheet(p, s.sheet, IDCANCEL), 1u);
    }

    // Opened as the user would open it, by the shell. The shell does not hand
    // back the process it starts for a shortcut, so the run is watched
    // through its result and its instance marker.
    HINSTANCE started = ShellExecuteA(nullptr, "open", desktopShortcut.c_str(), nullptr, nullptr,
                                      SW_SHOWNORMAL);
    ASSERT_GT(reinterpret_cast<INT_PTR>(started), 32);
    std::string copied = dest + "\\001";
    DWORD start = GetTickCount();
    bool seenRunning = false;
    while (CompareTrees(DiscRoot(), copied) != "" && GetTickCount() - start < 30000) {
        seenRunning = seenRunning || RunningInstance();
        Sleep(200);
    }
    EXPECT_EQ(CompareTrees(DiscRoot(), copied), "") << (seenRunning ? "the program ran" : "the program was not seen running")
        << "; dest holds " << ::testing::PrintToString(ListTree(dest));
    EXPECT_EQ(ListTree(dest).size(), ListTree(DiscRoot()).size() + 1) << "one numbered folder";
    while (RunningInstance() && GetTickCount() - start < 40000) Sleep(200);
    EXPECT_FALSE(RunningInstance()) << "the copy run ended";
    EmptyFolder(DiscRoot());
}
