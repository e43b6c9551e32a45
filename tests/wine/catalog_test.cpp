// The archive catalogue (Catalog=1): zolvane.csv in the destination folder,
// one line per disc, and the guard against a disc archived before. The disc
// D: takes its label and serial from .windows-label and .windows-serial.
#include <gtest/gtest.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

const char kAnotherDisc[] =
    "ファイルのコピーが終了しました。\n別のディスクをコピーします。準備が出来たらOKボタンを押してください。";
const char kArchived[] =
    "このディスクは既に 001 にコピーされています。\nもう一度コピーしますか？";
const char kHeader[] = "フォルダ,日時,ボリュームラベル,シリアル番号,ファイル数,バイト数,結果";

// A disc of one file; with its two volume files it holds three files.
void InsertDisc(const std::string& label, const std::string& serial, const std::string& bytes) {
    ClearDisc();
    WriteBytes("D:\\data.bin", bytes);
    ASSERT_TRUE(LoadVolume(kDiscDrive, label, serial));
}

std::string Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    char text[32];
    wsprintfA(text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
              t.wMinute, t.wSecond);
    return text;
}

struct CatalogTest : CopyRunFixture {
    std::string csv;
    std::string started = Now();

    void Prepare(const char* name, int flags) {
        CopyRunFixture::Prepare(name);
        csv = dest + "\\zolvane.csv";
        settings.flags = flags;
        settings.hidden = "Catalog=1\r\n";
        Write();
    }
    // The catalogue's lines with their time field checked and replaced by T.
    std::vector<std::string> Catalogue() {
        std::vector<std::string> lines = Lines(csv);
        for (size_t i = 1; i < lines.size(); ++i) {
            size_t comma = lines[i].find(',');
            std::string when = lines[i].substr(comma + 1, 19);
            EXPECT_TRUE(when >= started && when <= Now()) << when;
            EXPECT_EQ(lines[i][comma + 20], ',') << lines[i];
            lines[i].replace(comma + 1, 19, "T");
        }
        return lines;
    }
};

}  // namespace

TEST_F(CatalogTest, TwoDiscsOfARepeatRunGiveTheHeaderAndOneExactLineEach) {
    Prepare("catalog-two", 2);  // RepeatCopy
    InsertDisc("MYDISC", "1234abcd", "four");
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    InsertDisc("Disc, \"two\"", "0000ff01", std::string(70000, 'x'));
    run.Answer(box, IDOK);
    ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDCANCEL));
    EXPECT_EQ(run.Finish(), 1u);

    std::string bytes = ReadBytes(csv);
    EXPECT_EQ(bytes.compare(0, strlen(kHeader) + 2, kHeader + std::string("\r\n")), 0) << "no BOM";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 3);
    EXPECT_EQ(Catalogue(), (std::vector<std::string>{
                               kHeader,
                               "001,T,MYDISC,1234-ABCD,3,18,完了",
                               "002,T,\"Disc, \"\"two\"\"\",0000-FF01,3,70019,完了",
                           }));
}

TEST_F(CatalogTest, TheSameDiscAgainIsAskedAboutNoSkipsItAndYesCopiesIt) {
    Prepare("catalog-again", 2);
    InsertDisc("SAME", "00c0ffee", "same bytes");
    TracedRun run(app);
    MessageBoxView box;
    // The same disc again: No skips it, then Yes copies it.
    for (int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDOK));
        ASSERT_TRUE(run.Answer(kArchived, {IDYES, IDNO}, answer));
    }
    ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDCANCEL));
    EXPECT_EQ(run.Finish(), 1u);

    EXPECT_EQ(Catalogue(), (std::vector<std::string>{kHeader, "001,T,SAME,00C0-FFEE,3,22,完了",
                                                     "001,T,SAME,00C0-FFEE,3,22,重複",
                                                     "002,T,SAME,00C0-FFEE,3,22,完了"}));
    EXPECT_EQ(CompareTrees(dest + "\\001", dest + "\\002"), "");
    // Boxes (b) and folders made or copies (c), runs of one kind as one: no
    // folder is made and nothing copied between the No and the next question.
    std::string kinds;
    for (const std::string& call : run.Calls({"user32.MessageBoxA", "kernel32.CreateDirectoryA",
                                              "shell32.SHFileOperationA"})) {
        char kind = Lower(call).find("messageboxa") != std::string::npos ? 'b' : 'c';
        if (kinds.empty() || kinds.back() != kind) kinds += kind;
    }
    EXPECT_EQ(kinds, "cbcb");
    EXPECT_EQ(run.Boxes()[1], "00000000 00000024") << "Yes/No with the question icon";
}

TEST_F(CatalogTest, LinesTheCatalogueCannotTakeWaitInThePendingFileAndJoinItInOrder) {
    Prepare("catalog-held", 2);  // RepeatCopy
    std::string pending = dest + "\\zolvane.pending.csv";
    WriteBytes(csv, std::string(kHeader) + "\r\n");
    // A spreadsheet holds the catalogue: reading is shared, writing is not.
    HANDLE held = CreateFileA(csv.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    InsertDisc("ONE", "00000001", "one");
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    // The same disc again: its line is only in the pending file, and known.
    run.Answer(box, IDOK);
    ASSERT_TRUE(run.Answer(kArchived, {IDYES, IDNO}, IDNO));
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    // Released: the pending lines come first, then the new one.
    CloseHandle(held);
    InsertDisc("TWO", "00000002", "two");
    run.Answer(box, IDOK);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    EXPECT_FALSE(Exists(pending));
    // Held to the end of the run: the line stays in the pending file.
    held = CreateFileA(csv.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, 0, nullptr);
    InsertDisc("THREE", "00000003", "three");
    run.Answer(box, IDOK);
    ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDCANCEL));
    EXPECT_EQ(run.Finish(), 1u);
    CloseHandle(held);
    EXPECT_EQ(run.Boxes().size(), 5u) << "no warning: every line is in a file";
    const std::vector<std::string> firstLines = {kHeader, "001,T,ONE,0000-0001,3,14,完了",
                                                 "001,T,ONE,0000-0001,3,14,重複",
                                                 "002,T,TWO,0000-0002,3,14,完了"};
    EXPECT_EQ(Catalogue(), firstLines);
    EXPECT_EQ(Lines(pending).size(), 1u);

    // The next run: while a viewer holds the pending file, the new line joins
    // it, and the catalogue gets no line twice; released, all are merged.
    HANDLE viewer = CreateFileA(pending.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
    InsertDisc("FOUR", "00000004", "four");
    TracedRun next(app);
    box = next.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    EXPECT_EQ(Catalogue(), firstLines);
    EXPECT_EQ(Lines(pending).size(), 2u);
    CloseHandle(viewer);
    InsertDisc("FIVE", "00000005", "five");
    next.Answer(box, IDOK);
    ASSERT_TRUE(next.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDCANCEL));
    EXPECT_EQ(next.Finish(), 1u);
    std::vector<std::string> all = firstLines;
    all.insert(all.end(), {"003,T,THREE,0000-0003,3,18,完了", "004,T,FOUR,0000-0004,3,16,完了",
                           "005,T,FIVE,0000-0005,3,16,完了"});
    EXPECT_EQ(Catalogue(), all);
    EXPECT_FALSE(Exists(pending));
}

TEST_F(CatalogTest, NamesOutsideTheCodePageCountAndTheDiscIsKnownAfterwards) {
    Prepare("catalog-names", 2);
    ClearDisc();
    // Made with the wide functions: é and Hangul have no code page 932 form.
    CreateDirectoryW(L"D:\\Caf\u00e9", nullptr);
    CreateDirectoryW(L"D:\\docs", nullptr);
    for (const wchar_t* name : {L"D:\\Caf\u00e9\\x.txt", L"D:\\\ud55c\uae00.txt", L"D:\\docs\\a.txt"}) {
        HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        DWORD written = 0;
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        WriteFile(file, "12345", 5, &written, nullptr);
        CloseHandle(file);
    }
    ASSERT_TRUE(LoadVolume(kDiscDrive, "WORLD", "0000abcd"));
    TracedRun run(app);
    ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDOK));
    ASSERT_TRUE(run.Answer(kArchived, {IDYES, IDNO}, IDNO));
    ASSERT_TRUE(run.Answer(kAnotherDisc, {IDOK, IDCANCEL}, IDCANCEL));
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(Catalogue(), (std::vector<std::string>{kHeader, "001,T,WORLD,0000-ABCD,5,28,完了",
                                                     "001,T,WORLD,0000-ABCD,5,28,重複"}));
}

TEST_F(CatalogTest, NowButtonAsksAboutAKnownDiscButADiscThatArrivesIsSkippedSilently) {
    Prepare("catalog-now", 2);
    settings.hidden += "AutoNext=1\r\n";
    Write();
    InsertDisc("ONE", "00000001", "one");
    TracedRun run(app);
    HWND wait = WaitForNextDiscDialog(run);
    ASSERT_NE(wait, nullptr);
    Press(wait, IDOK);  // 今すぐコピー: someone is there
    ASSERT_TRUE(Closes(wait, 10000));
    ASSERT_TRUE(run.Answer(kArchived, {IDYES, IDNO}, IDNO));
    ASSERT_NE(wait = WaitForNextDiscDialog(run), nullptr);
    InsertDisc("TWO", "00000002", "two");
    ASSERT_TRUE(Closes(wait, 10000));
    ASSERT_NE(wait = WaitForNextDiscDialog(run), nullptr);
    // The first disc again, after another: it starts by itself, and nobody
    // is asked.
    InsertDisc("ONE", "00000001", "one");
    ASSERT_TRUE(Closes(wait, 10000));
    ASSERT_NE(wait = WaitForNextDiscDialog(run), nullptr);
    Press(wait, IDCANCEL);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(run.Boxes().size(), 1u) << "only the question after 今すぐコピー";
    EXPECT_EQ(Catalogue(), (std::vector<std::string>{kHeader, "001,T,ONE,0000-0001,3,14,完了",
                                                     "001,T,ONE,0000-0001,3,14,重複",
                                                     "002,T,TWO,0000-0002,3,14,完了",
                                                     "001,T,ONE,0000-0001,3,14,重複"}));
}

TEST_F(CatalogTest, ALineThatCanOnlyPartlyLandIsCutBackAndWarnedAbout) {
    Prepare("catalog-full", 0);
    MakeFolders(dest);
    std::string mount = UnixPath(dest);
    if (!RunUnixShell("mount -t tmpfs -o size=256k zolvane-full '" + mount + "'"))
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    // The catalogue's page is taken before the copy fills the rest, all but
    // a few bytes of it: the disc's line can land only in part.
    std::string before = std::string(kHeader) + "\r\n";
    while (before.size() < 4096 - 20) before += "000,2026-01-01 00:00:00,OLD,0000-0000,1,1,完了\r\n";
    before.resize(4096 - 20);
    before += "\r\n";
    WriteBytes(csv, before);
    InsertDisc("BIG", "0badf00d", std::string(400000, 'b'));
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    EXPECT_TRUE(IsBox(box, "コピーの記録を " + csv + " に書き込めませんでした。", {IDOK}));
    run.Answer(box, IDOK);
    EXPECT_EQ(run.Finish(), 1u);
    std::string after = ReadBytes(csv);
    bool pendingLeft = Exists(dest + "\\zolvane.pending.csv");
    RunUnixShell("umount '" + mount + "'");
    EXPECT_EQ(after, before) << "cut back to its last whole line";
    EXPECT_FALSE(pendingLeft);
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000030"}) << "one box, exclamation";
}
