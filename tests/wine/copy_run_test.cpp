// The copy run of the real program, started with "/c", copying drive D:
// (a folder of the test machine) into numbered folders.
#include <gtest/gtest.h>

#include "tests/wine/copy_support.h"

using namespace zv;

namespace {

const char kConfirmCopy[] = "コピーを開始します。";
const char kAnotherDisc[] =
    "ファイルのコピーが終了しました。\n別のディスクをコピーします。準備が出来たらOKボタンを押してください。";
const char kSameDrive[] = "コピー先とコピー元が同じドライブです。コピー出来ません。";

struct CopyRunTest : CopyRunFixture {};

// The entries directly inside folder, folders with a trailing backslash.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> top;
    for (const std::string& e : ListTree(folder)) {
        size_t cut = e.find('\\');
        if (cut == std::string::npos || cut + 1 == e.size()) top.push_back(e);
    }
    return top;
}

}  // namespace

TEST_F(CopyRunTest, CopiesTheWholeDiscByteIdenticalIntoFolder001) {
    Prepare("copy-tree");
    FillSampleTree(kDisc);
    ASSERT_TRUE(GetFileAttributesA("D:\\hidden.dat") & FILE_ATTRIBUTE_HIDDEN);
    std::string expected = app.folder + "\\expected";
    FillSampleTree(expected);
    settings.to = dest + "\\archive";  // missing levels are made, as the shell would
    Write();

    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty()) << "no question without ConfirmCopy";
    EXPECT_EQ(CompareTrees(expected, settings.to + "\\001"), "");
    EXPECT_EQ(Entries(settings.to), std::vector<std::string>{"001\\"});
    EXPECT_EQ(run.Calls("shell32.SHFileOperationA").size(), 1u);
    EXPECT_EQ(CompareTrees(expected, kDisc), "") << "a copy leaves the disc as it was";
}

TEST_F(CopyRunTest, ADiscWithASingleFileOrASingleFolderKeepsTheNamesInside) {
    Prepare("copy-single");
    WriteBytes("D:\\only.txt", "just one file");
    Write();
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    EXPECT_TRUE(IsFolder(dest + "\\001"));
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"001\\", "001\\only.txt"}));
    EXPECT_EQ(ReadBytes(dest + "\\001\\only.txt"), "just one file");

    ClearDisc();
    WriteBytes("D:\\DCIM\\100CAMERA\\IMG_0001.JPG", "jpeg");
    WriteBytes("D:\\DCIM\\readme", "r");
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    EXPECT_EQ(ListTree(dest + "\\002"),
              (std::vector<std::string>{"DCIM\\", "DCIM\\100CAMERA\\", "DCIM\\100CAMERA\\IMG_0001.JPG",
                                        "DCIM\\readme"}));
}

TEST_F(CopyRunTest, RepeatModeAsksForAnotherDiscAndCopiesItIntoTheNextNumber) {
    Prepare("copy-repeat");
    WriteBytes("D:\\disc1.txt", "first disc");
    WriteBytes("D:\\sub\\a.txt", "a");
    settings.flags = 2;  // RepeatCopy
    ActionRunsRecorder();
    Write();

    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"001\\", "001\\disc1.txt", "001\\sub\\",
                                                        "001\\sub\\a.txt"}))
        << "the first disc is complete before the question";
    ClearDisc();
    WriteBytes("D:\\disc2.txt", "second disc");
    run.Answer(box, IDOK);

    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    run.Answer(box, IDCANCEL);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(Entries(dest), (std::vector<std::string>{"001\\", "002\\"}));
    EXPECT_EQ(ListTree(dest + "\\002"), std::vector<std::string>{"disc2.txt"});
    EXPECT_EQ(run.Calls("shell32.SHFileOperationA").size(), 2u);
    EXPECT_TRUE(ActionRan()) << "Cancel ends the passes with the end-of-copy action";
    EXPECT_EQ(run.Boxes(), (std::vector<std::string>{"00000000 00000021", "00000000 00000021"}))
        << "OK/Cancel with the question icon, no owner";
}

TEST_F(CopyRunTest, NumberingFromZeroAndTheFirstGapWins) {
    Prepare("copy-numbers");
    WriteBytes("D:\\a.txt", "a");
    settings.flags = 8;  // NumberFromZero
    Write();
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    EXPECT_EQ(Entries(dest), std::vector<std::string>{"000\\"});

    // 001 is a folder, 003 a file: both take their numbers.
    RemoveTree(dest);
    MakeFolders(dest + "\\001");
    WriteBytes(dest + "\\003", "a file");
    settings.flags = 0;
    settings.numCount = 3;
    Write();
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    EXPECT_EQ(Entries(dest), (std::vector<std::string>{"001\\", "002\\", "003"}));
    EXPECT_TRUE(Exists(dest + "\\002\\a.txt"));
}

TEST_F(CopyRunTest, NumCountIsAMinimumAndNegativeOrHugeValuesAreSafe) {
    Prepare("copy-numcount");
    WriteBytes("D:\\a.txt", "a");
    settings.numCount = 0;
    Write();
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    settings.numCount = -4;  // pads nothing
    Write();
    {
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u);
    }
    EXPECT_EQ(Entries(dest), (std::vector<std::string>{"1\\", "2\\"}));

    // A name that cannot fit copies nothing; the run still ends normally.
    settings.numCount = 1000;
    ActionRunsRecorder();
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(Entries(dest), (std::vector<std::string>{"1\\", "2\\"}));
    EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty());
    EXPECT_TRUE(ActionRan());
}

TEST_F(CopyRunTest, AToOf259CharactersWithoutRoomForTheBackslashCopiesNothing) {
    Prepare("copy-long-to");
    WriteBytes("D:\\a.txt", "a");
    std::string to = dest + "\\" ;
    to += std::string(259 - to.size(), 'x');
    ASSERT_EQ(to.size(), 259u);
    settings.to = to;
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty());
    EXPECT_TRUE(ListTree(app.folder + "\\dest").empty());
}

TEST_F(CopyRunTest, ADestinationFolderThatCannotBeMadeCopiesNothing) {
    Prepare("copy-no-folder");
    WriteBytes("D:\\a.txt", "a");
    WriteBytes(dest, "a file where the destination folder should be");
    ActionRunsRecorder();
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty());
    EXPECT_EQ(ReadBytes(dest), "a file where the destination folder should be");
    EXPECT_TRUE(ActionRan());
}

TEST_F(CopyRunTest, AToWithoutTrailingBackslashEndingInADoubleByteCharacter) {
    Prepare("copy-dbcs-to");
    WriteBytes("D:\\a.txt", "a");
    settings.to = dest + "\\データ\\表";  // 表 is 95 5C
    Write();
    std::string ini = ReadBytes(app.ini);
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_TRUE(Exists(settings.to + "\\001\\a.txt")) << "the copy lands inside the folder";
    EXPECT_FALSE(Exists(settings.to + "001")) << "and not beside it";
    EXPECT_EQ(ReadBytes(app.ini), ini) << "the settings file keeps To without the backslash";
}

TEST_F(CopyRunTest, MoveModeLeavesTheCopyCompleteAndTheDiscEmpty) {
    Prepare("copy-move");
    FillSampleTree(kDisc);
    std::string expected = app.folder + "\\expected";
    FillSampleTree(expected);
    settings.flags = 4;  // MoveFiles
    Write();
    TracedRun run(app);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(CompareTrees(expected, dest + "\\001"), "");
    EXPECT_TRUE(ListTree(kDisc).empty());
}

TEST_F(CopyRunTest, NoAtTheConfirmationCopiesNothingAndSkipsTheAction) {
    Prepare("copy-confirm-no");
    WriteBytes("D:\\a.txt", "a");
    settings.flags = 1;  // ConfirmCopy
    ActionRunsRecorder();
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmCopy, {IDYES, IDNO}));
    run.Answer(box, IDNO);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_FALSE(Exists(dest));
    EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty());
    EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty());
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000024"})
        << "Yes/No with the question icon, no owner";
}

TEST_F(CopyRunTest, WithConfirmAndRepeatNoAtTheSecondPassEndsWithoutTheAction) {
    Prepare("copy-confirm-repeat");
    WriteBytes("D:\\a.txt", "a");
    settings.flags = 1 | 2;  // ConfirmCopy, RepeatCopy
    ActionRunsRecorder();
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmCopy, {IDYES, IDNO}));
    run.Answer(box, IDYES);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    run.Answer(box, IDOK);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kConfirmCopy, {IDYES, IDNO})) << "asked again before every pass";
    run.Answer(box, IDNO);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(Entries(dest), std::vector<std::string>{"001\\"});
    EXPECT_EQ(run.Boxes(), (std::vector<std::string>{"00000000 00000024", "00000000 00000021",
                                                     "00000000 00000024"}));
    EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty());
    EXPECT_FALSE(ActionRan());
}

TEST_F(CopyRunTest, ASourceOnTheSameDriveIsRefusedWithEntry7) {
    Prepare("copy-same-drive");
    std::string source = app.folder + "\\source";
    WriteBytes(source + "\\a.txt", "a");
    settings.from = "c" + source.substr(1) + "\\";  // the test ignores case
    ActionRunsRecorder();
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kSameDrive, {IDOK}));
    EXPECT_EQ(run.Boxes(), std::vector<std::string>{"00000000 00000010"})
        << "OK with the error icon, no owner";
    run.Answer(box, IDOK);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_FALSE(Exists(dest));
    EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty());
    EXPECT_TRUE(run.Calls("shell32.ShellExecuteA").empty());
    EXPECT_FALSE(ActionRan());
}

TEST_F(CopyRunTest, ASourceThatIsNotReadyIsSkippedSilentlyAndTheActionStillRuns) {
    Prepare("copy-not-ready");
    WriteBytes("D:\\a.txt", "a");
    // Below a folder that does not exist, and a file where a folder should be.
    for (const char* from : {"D:\\missing\\", "D:\\a.txt"}) {
        settings.from = from;
        ActionRunsRecorder();
        Write();
        TracedRun run(app);
        EXPECT_EQ(run.Finish(), 1u) << from;
        EXPECT_FALSE(Exists(dest)) << from;
        EXPECT_TRUE(run.Calls("shell32.SHFileOperationA").empty()) << from;
        EXPECT_TRUE(run.Calls("user32.MessageBoxA").empty()) << from;
        EXPECT_TRUE(ActionRan()) << from;
    }
}

TEST_F(CopyRunTest, AfterASkippedPassTheNextDiscUsesTheSameNumber) {
    Prepare("copy-not-ready-repeat");
    settings.from = "D:\\later\\";
    settings.flags = 2;  // RepeatCopy
    Write();
    TracedRun run(app);
    MessageBoxView box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    EXPECT_FALSE(Exists(dest));
    WriteBytes("D:\\later\\b.txt", "b");
    run.Answer(box, IDOK);
    box = run.NextBox();
    ASSERT_TRUE(IsBox(box, kAnotherDisc, {IDOK, IDCANCEL}));
    run.Answer(box, IDCANCEL);
    EXPECT_EQ(run.Finish(), 1u);
    EXPECT_EQ(ListTree(dest), (std::vector<std::string>{"001\\", "001\\b.txt"}));
    EXPECT_EQ(run.Calls("shell32.SHFileOperationA").size(), 1u);
}
