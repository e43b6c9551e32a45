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

struct CopyRunTest : ::testing::Test {
    Installed app;
    std::string dest;
    std::string recorderFolder;
    RunSettings settings;

    void Prepare(const char* name) {
        app = Install(name);
        dest = app.folder + "\\dest";
        settings.to = dest;
        ClearDisc();
    }
    // The end-of-copy action runs the recorder, so a test can see whether
    // the action happened.
    void ActionRunsRecorder() {
        recorderFolder = app.folder + "\\action";
        settings.command = InstallRecorder(recorderFolder);
        settings.exitMode = 2;
    }
    bool ActionRan() { return !Recorded(recorderFolder, 5000).empty(); }
    void Write() { WriteRunSettings(app.ini, settings); }
};

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
