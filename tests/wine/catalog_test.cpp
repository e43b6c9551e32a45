// The archive catalogue (Catalog=1): zolvane.csv in the destination folder,
// one line per disc, and the guard against a disc archived before. The disc
// D: takes its label and serial from .windows-label and .windows-serial.
#include <gtest/gtest.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

const char kAnotherDisc[] =
    "ファイルのコピーが終了しました。\n別のディスクをコピーします。準備が出来たらOKボタンを押してください。";
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
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    run.Answer(box, IDCANCEL);
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
        box = run.NextBox();
        ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
        run.Answer(box, IDOK);
        box = run.NextBox();
        ASSERT_TRUE(IsBox(box, "このディスクは既に 001 にコピーされています。\nもう一度コピーしますか？",
                          {IDYES, IDNO}));
        run.Answer(box, answer);
    }
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    run.Answer(box, IDCANCEL);
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

TEST_F(CatalogTest, ACatalogueHeldOpenByAnotherProgramGivesOneWarningAndTheCopyLands) {
    Prepare("catalog-held", 0);
    InsertDisc("HELD", "12345678", "held");
    WriteBytes(csv, std::string(kHeader) + "\r\n");
    HANDLE held = CreateFileA(csv.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    EXPECT_TRUE(IsBox(box, "コピーの記録を " + csv + " に書き込めませんでした。", {IDOK}));
    run.Answer(box, IDOK);
    EXPECT_EQ(run.Finish(), 1u);
    CloseHandle(held);
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000030"}) << "one box, exclamation";
    EXPECT_EQ(ReadBytes(dest + "\\001\\data.bin"), "held");
    EXPECT_EQ(ReadBytes(csv), std::string(kHeader) + "\r\n");
}

TEST_F(CatalogTest, ADestinationThatFillsUpIsRecordedAsShort) {
    Prepare("catalog-full", 0);
    MakeFolders(dest);
    std::string mount = UnixPath(dest);
    if (!RunUnixShell("mount -t tmpfs -o size=256k zolvane-full '" + mount + "'"))
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    // The catalogue's page is taken before the copy fills the rest.
    WriteBytes(csv, std::string(kHeader) + "\r\n");
    InsertDisc("BIG", "0badf00d", std::string(400000, 'b'));
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    std::vector<std::string> lines = Catalogue();
    RunUnixShell("umount '" + mount + "'");
    EXPECT_EQ(lines, (std::vector<std::string>{kHeader, "001,T,BIG,0BAD-F00D,3,400011,不足"}));
}
