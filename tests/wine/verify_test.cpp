// The check by content (Verify=1): every copied file read again against the
// disc, NNN.md5 and NNN.errors.txt beside the numbered folder, and the
// catalogue's result with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

const char kAnotherDisc[] =
    "ファイルのコピーが終了しました。\n別のディスクをコピーします。準備が出来たらOKボタンを押してください。";
const char kChecking[] = "ディスクの内容とコピーを照合しています。";

struct VerifyTest : CopyRunFixture {
    std::string csv;

    void Prepare(const char* name, const std::string& hidden, int flags = 0) {
        CopyRunFixture::Prepare(name);
        csv = dest + "\\zolvane.csv";
        settings.flags = flags;
        settings.hidden = hidden;
        Write();
    }
    // The result field of each catalogue line after the header.
    std::vector<std::string> Results() {
        std::vector<std::string> results;
        std::vector<std::string> lines = Lines(csv);
        for (size_t i = 1; i < lines.size(); ++i)
            results.push_back(lines[i].substr(lines[i].rfind(',') + 1));
        return results;
    }
    // The paths that a checksum file names, its lines as a set.
    std::set<std::string> ChecksumLines(const std::string& folder) {
        std::vector<std::string> lines = Lines(dest + "\\" + folder + ".md5");
        return std::set<std::string>(lines.begin(), lines.end());
    }
    void TearDown() override {
        ResetDrive(kDiscDrive);
        ClearDisc();
    }
};

// The progress window of the run, found by its text.
HWND WaitForCheckWindow(TracedRun& run, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        for (HWND w : WindowsOf(run.Pid()))
            if (ClassOf(w) == "#32770" && FindWindowExA(w, nullptr, "Static", kChecking)) return w;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::string Digest(const std::set<std::string>& lines, const std::string& path) {
    for (const std::string& line : lines)
        if (line.size() > 34 && line.substr(34) == path) return line.substr(0, 32);
    return "";
}

}  // namespace

TEST_F(VerifyTest, EveryFileIsHashedAndCheckedAndAFileTheShellCannotWriteIsMissing) {
    Prepare("verify", "Catalog=1\r\nVerify=1\r\n");
    WriteBytes(dest + "\\001.errors.txt", "left from before\r\n");  // takes number 001
    const size_t sizes[] = {0, 65535, 65536, 65537};
    for (size_t size : sizes) WriteBytes("D:\\f" + std::to_string(size) + ".bin", std::string(size, 'z'));
    WriteBytes("D:\\million.txt", std::string(1000000, 'a'));
    // Its path fits below D:\, but not below the numbered folder.
    std::string deep = std::string(200, 'x') + "\\" + std::string(39, 'y');
    WriteBytes("D:\\" + deep, "deep");
    const std::vector<std::string> crypto = {"advapi32.CryptAcquireContextA",
                                             "advapi32.CryptCreateHash"};
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
        EXPECT_EQ(run.Calls(crypto).size(), 7u) << "one context, a hash per file";
    }
    std::set<std::string> lines = ChecksumLines("002");
    std::set<std::string> paths;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.substr(32, 2), " *") << line;
        paths.insert(line.substr(34));
    }
    EXPECT_EQ(paths, (std::set<std::string>{"002\\f0.bin", "002\\f65535.bin", "002\\f65536.bin",
                                            "002\\f65537.bin", "002\\million.txt"}));
    EXPECT_EQ(Digest(lines, "002\\f0.bin"), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Digest(lines, "002\\million.txt"), "7707d6ae4e027c70eea2a935c2296f21");
    // A checker in the destination folder agrees with every line, once the
    // paths have the Unix side's slashes.
    std::string unixLines = ReadBytes(dest + "\\002.md5");
    std::replace(unixLines.begin(), unixLines.end(), '\\', '/');
    WriteBytes(dest + "\\unix.md5", unixLines);
    EXPECT_TRUE(RunUnixShell("cd '" + UnixPath(dest) + "' && md5sum -c --quiet unix.md5"));
    EXPECT_EQ(ReadBytes(dest + "\\002.errors.txt"), "欠落\t002\\" + deep + "\r\n");
    EXPECT_EQ(ReadBytes(dest + "\\001.errors.txt"), "left from before\r\n");
    EXPECT_EQ(Results(), std::vector<std::string>{"不足"});

    // Verify off: the number beside an errors file is free again, neither
    // file is written, and no hash is asked of the system.
    settings.hidden = "Catalog=1\r\n";
    Write();
    TracedRun off(app);
    EXPECT_EQ(off.Finish(), 1u);
    EXPECT_TRUE(Exists(dest + "\\001\\million.txt"));
    EXPECT_FALSE(Exists(dest + "\\001.md5"));
    EXPECT_EQ(ReadBytes(dest + "\\001.errors.txt"), "left from before\r\n");
    EXPECT_TRUE(off.Calls(crypto).empty());
}

TEST_F(VerifyTest, ScratchedMisreadAndCancelledDiscsOfOneRun) {
    SimulatedDisc disc;
    std::string why = disc.Mount();
    if (!why.empty()) GTEST_SKIP() << why;
    Prepare("verify-faults", "Catalog=1\r\nVerify=1\r\n", 2);  // RepeatCopy
    auto insert = [](const std::string& serial, const std::vector<std::string>& names, size_t size) {
        ClearDisc();
        for (size_t i = 0; i < names.size(); ++i)
            WriteBytes("D:\\" + names[i], std::string(size + i, static_cast<char>('a' + i)));
        return LoadVolume(kDiscDrive, "DISC" + serial, serial);
    };
    ASSERT_TRUE(insert("00000001", {"a.bin", "sub\\b.bin"}, 100000));
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    // A scratch at 1 MB in big.bin: the shell copies a part of it.
    disc.SetFaults("scratch big.bin 1048576\n");
    ASSERT_TRUE(insert("00000002", {"big.bin", "small.txt"}, 2 * 1048576));
    run.Answer(box, IDOK);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    // A drive that misreads one bit of x.bin from its second open on.
    disc.SetFaults("flip x.bin 5\n");
    ASSERT_TRUE(insert("00000003", {"x.bin", "y.bin"}, 3000));
    run.Answer(box, IDOK);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    // A slow disc, whose check is cancelled in its window.
    disc.SetFaults("rate 1000000\n");
    ASSERT_TRUE(insert("00000004", {"p.bin", "q.bin", "r.bin"}, 1000000));
    run.Answer(box, IDOK);
    HWND checking = WaitForCheckWindow(run, 30000);
    ASSERT_NE(checking, nullptr);
    EXPECT_EQ(Text(checking), "Zolvane");
    EXPECT_EQ(GetForegroundWindow() == checking, false) << "shown without taking the focus";
    Press(checking, IDCANCEL);
    box = run.NextBox(30000);
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    EXPECT_FALSE(IsWindow(checking)) << "gone before the catalogue line";
    run.Answer(box, IDCANCEL);
    EXPECT_EQ(run.Finish(), 1u);
    disc.Unmount();

    EXPECT_EQ(Results(), (std::vector<std::string>{"完了", "不足", "照合エラー", "中断"}));
    EXPECT_FALSE(Exists(dest + "\\001.errors.txt"));
    EXPECT_EQ(ChecksumLines("001").size(), 4u) << "two files and the two volume files";
    EXPECT_EQ(ReadBytes(dest + "\\002.errors.txt"), "読取エラー\t002\\big.bin\r\n");
    EXPECT_EQ(Digest(ChecksumLines("002"), "002\\big.bin"), "");
    EXPECT_NE(Digest(ChecksumLines("002"), "002\\small.txt"), "");
    EXPECT_EQ(ReadBytes(dest + "\\003.errors.txt"), "不一致\t003\\x.bin\r\n");
    std::vector<std::string> cancelled = Lines(dest + "\\004.errors.txt");
    ASSERT_FALSE(cancelled.empty());
    for (const std::string& line : cancelled) EXPECT_EQ(line.substr(0, 8), "中断\t004") << line;
}
