// The shortcut writer inside the test process: the calls it makes on the
// link object, and the files it leaves, loaded back through the shell.
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "shell/shortcut_writer.h"
#include "tests/wine/harness.h"
#include "tests/wine/shortcut_support.h"

using namespace zv;

namespace {

// A link object that records every call made on it, in order.
class RecordingLink : public IShellLinkA {
public:
    std::vector<std::string> calls;
    bool hasPersistFile = true;
    HRESULT saveResult = S_OK;
    ULONG references = 1;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IPersistFile)) {
            calls.push_back("QueryInterface(IPersistFile)");
            if (!hasPersistFile) {
                *out = nullptr;
                return E_NOINTERFACE;
            }
            *out = &file_;
            ++references;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        calls.push_back("Release(link)");
        return --references;
    }
    // IShellLinkA: the setters are recorded, the rest is never expected.
    HRESULT STDMETHODCALLTYPE GetPath(LPSTR, int, WIN32_FIND_DATAA*, DWORD) override { return Unexpected("GetPath"); }
    HRESULT STDMETHODCALLTYPE GetIDList(LPITEMIDLIST*) override { return Unexpected("GetIDList"); }
    HRESULT STDMETHODCALLTYPE SetIDList(LPCITEMIDLIST) override { return Unexpected("SetIDList"); }
    HRESULT STDMETHODCALLTYPE GetDescription(LPSTR, int) override { return Unexpected("GetDescription"); }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR) override { return Unexpected("SetDescription"); }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR, int) override { return Unexpected("GetWorkingDirectory"); }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR dir) override { return Record("SetWorkingDirectory", dir); }
    HRESULT STDMETHODCALLTYPE GetArguments(LPSTR, int) override { return Unexpected("GetArguments"); }
    HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR args) override { return Record("SetArguments", args); }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return Unexpected("GetHotkey"); }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return Unexpected("SetHotkey"); }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return Unexpected("GetShowCmd"); }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int show) override {
        return Record("SetShowCmd", std::to_string(show).c_str());
    }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR, int, int*) override { return Unexpected("GetIconLocation"); }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR path, int index) override {
        return Record("SetIconLocation", (std::string(path) + "," + std::to_string(index)).c_str());
    }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return Unexpected("SetRelativePath"); }
    HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return Unexpected("Resolve"); }
    HRESULT STDMETHODCALLTYPE SetPath(LPCSTR path) override { return Record("SetPath", path); }

private:
    HRESULT Record(const char* name, const char* value) {
        calls.push_back(std::string(name) + "(" + value + ")");
        return S_OK;
    }
    HRESULT Unexpected(const char* name) {
        calls.push_back(std::string("unexpected ") + name);
        return E_NOTIMPL;
    }

    struct File : IPersistFile {
        RecordingLink* owner;
        explicit File(RecordingLink* o) : owner(o) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return ++owner->references; }
        ULONG STDMETHODCALLTYPE Release() override {
            owner->calls.push_back("Release(file)");
            return --owner->references;
        }
        HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE IsDirty() override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE Save(LPCOLESTR name, BOOL remember) override {
            char ansi[600] = "";
            WideCharToMultiByte(CP_ACP, 0, name, -1, ansi, sizeof ansi, nullptr, nullptr);
            owner->calls.push_back(std::string("Save(") + ansi + "," + (remember ? "TRUE" : "FALSE") + ")");
            return owner->saveResult;
        }
        HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*) override { return E_NOTIMPL; }
    };
    File file_{this};
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(ShortcutWriter, CallsTheLinkObjectInItsOrderAndReleasesBoth) {
    RecordingLink link;
    EXPECT_EQ(WriteShortcutWith(&link, "C:\\ショート\\表.lnk", "C:\\Tools\\表\\app.exe",
                                "C:\\Tools\\app.ico", "/C"), 1);
    EXPECT_EQ(link.calls, (Calls{"QueryInterface(IPersistFile)", "SetPath(C:\\Tools\\表\\app.exe)",
                                 "SetWorkingDirectory(C:\\Tools\\表)", "SetShowCmd(5)",
                                 "SetIconLocation(C:\\Tools\\app.ico,0)", "SetArguments(/C)",
                                 "Save(C:\\ショート\\表.lnk,TRUE)", "Release(file)", "Release(link)"}));
    EXPECT_EQ(link.references, 0u);
}

TEST(ShortcutWriter, NoIconOrArgumentsWhenNullOrEmpty) {
    for (const char* missing : {static_cast<const char*>(nullptr), ""}) {
        RecordingLink link;
        EXPECT_EQ(WriteShortcutWith(&link, "C:\\a.lnk", "C:\\app.exe", missing, missing), 1);
        // A target at a drive root works in the bare drive.
        EXPECT_EQ(link.calls, (Calls{"QueryInterface(IPersistFile)", "SetPath(C:\\app.exe)",
                                     "SetWorkingDirectory(C:)", "SetShowCmd(5)",
                                     "Save(C:\\a.lnk,TRUE)", "Release(file)", "Release(link)"}));
    }
}

TEST(ShortcutWriter, FailuresReturnZero) {
    RecordingLink failedSave;
    failedSave.saveResult = E_ACCESSDENIED;
    EXPECT_EQ(WriteShortcutWith(&failedSave, "C:\\a.lnk", "C:\\app.exe", nullptr, "/C"), 0);
    EXPECT_EQ(failedSave.calls.back(), "Release(link)");
    EXPECT_EQ(failedSave.references, 0u);

    RecordingLink noFile;
    noFile.hasPersistFile = false;
    EXPECT_EQ(WriteShortcutWith(&noFile, "C:\\a.lnk", "C:\\app.exe", nullptr, "/C"), 0);
    EXPECT_EQ(noFile.calls, (Calls{"QueryInterface(IPersistFile)", "Release(link)"}));
    EXPECT_EQ(noFile.references, 0u);
}

struct ShortcutFileTest : ::testing::Test {
    std::string folder = FreshFolder("writer");
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ShortcutFileTest, WritesWhatLoadsBack) {
    std::string lnk = folder + "\\表 plain.lnk";
    ASSERT_EQ(WriteShortcut(lnk.c_str(), "C:\\Tools\\app.exe", nullptr, "/C"), 1);
    ShortcutView plain = ReadShortcut(lnk);
    ASSERT_TRUE(plain.loaded);
    EXPECT_EQ(plain.target, "C:\\Tools\\app.exe");
    EXPECT_EQ(plain.arguments, "/C");
    EXPECT_EQ(plain.workingDirectory, "C:\\Tools");
    EXPECT_EQ(plain.headerShowCommand, 5u);
    EXPECT_EQ(plain.headerFlags & HasIconLocation, 0u);
    EXPECT_EQ(plain.iconPath, "");

    std::string full = folder + "\\full.lnk";
    ASSERT_EQ(WriteShortcut(full.c_str(), "C:\\app.exe", "C:\\Tools\\app.ico", "-x \"a b\""), 1);
    ShortcutView view = ReadShortcut(full);
    ASSERT_TRUE(view.loaded);
    EXPECT_EQ(view.workingDirectory, "C:");
    EXPECT_EQ(view.arguments, "-x \"a b\"");
    EXPECT_EQ(view.iconPath, "C:\\Tools\\app.ico");
    EXPECT_EQ(view.iconIndex, 0);
    EXPECT_NE(view.headerFlags & HasIconLocation, 0u);
}

TEST_F(ShortcutFileTest, TheSamePathTwiceIsTheSameSingleFile) {
    std::string lnk = folder + "\\twice.lnk";
    EXPECT_EQ(WriteShortcut(lnk.c_str(), "C:\\Tools\\one.exe", nullptr, "/C"), 1);
    EXPECT_EQ(WriteShortcut(lnk.c_str(), "C:\\Tools\\two.exe", nullptr, "/C"), 1);
    EXPECT_EQ(ListTree(folder), std::vector<std::string>{"twice.lnk"});
    EXPECT_EQ(ReadShortcut(lnk).target, "C:\\Tools\\two.exe");
}

TEST_F(ShortcutFileTest, NothingIsWrittenWhereItCannotBe) {
    std::string missing = folder + "\\missing\\a.lnk";
    EXPECT_EQ(WriteShortcut(missing.c_str(), "C:\\app.exe", nullptr, "/C"), 0);
    // Paths longer than 259 bytes are refused before the shell sees them.
    std::string longName = folder + "\\" + std::string(260 - folder.size(), 'n') + ".lnk";
    EXPECT_EQ(WriteShortcut(longName.c_str(), "C:\\app.exe", nullptr, "/C"), 0);
    std::string longTarget = "C:\\" + std::string(300, 't') + ".exe";
    std::string lnk = folder + "\\long-target.lnk";
    EXPECT_EQ(WriteShortcut(lnk.c_str(), longTarget.c_str(), nullptr, "/C"), 0);
    EXPECT_TRUE(ListTree(folder).empty());
}
