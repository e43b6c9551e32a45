#include "catalog/asking_rule.h"
#include "catalog/catalog_text.h"
#include "discloop/disc_loop_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string.h>
#include <string>
#include <vector>

namespace {

VolumeIdentity Volume(const char* label, uint32_t serial, bool readable = true) {
    VolumeIdentity volume = {readable, "", serial};
    strcpy(volume.label, label);
    return volume;
}

std::string Tail(const VolumeIdentity& volume, TreeTally tally, CatalogResult result) {
    char tail[CatalogLineSize];
    EXPECT_TRUE(BuildDiscTail(volume, tally, result, tail, sizeof tail));
    return tail;
}

std::string Line(const char* folder, const std::string& tail) {
    CalendarTime when = {2026, 1, 2, 3, 4, 5};
    char line[CatalogLineSize];
    EXPECT_TRUE(BuildCatalogLine(folder, when, tail.c_str(), line, sizeof line));
    return line;
}

// The folder the guard finds for tail in the catalogue text, fed in pieces
// of the given size; "" when none.
std::string KnownFolder(const std::string& catalogue, const std::string& tail, size_t piece = 7) {
    KnownDiscSearch search = {tail.c_str(), false, ""};
    CatalogReader reader(NoteKnownDisc, &search);
    for (size_t at = 0; at < catalogue.size(); at += piece)
        reader.Feed(catalogue.data() + at, std::min(piece, catalogue.size() - at));
    reader.Finish();
    return search.found ? search.folder : "";
}

const TreeTally kDisc = {12, 3145728, false};

}  // namespace

TEST(CatalogLine, WritesQuotesAndReadsItsOwnLinesBack) {
    std::string complete = Tail(Volume("A,\"B\"\r\nC", 0x1234ABCD), kDisc, CopyComplete);
    EXPECT_EQ(complete, ",\"A,\"\"B\"\"  C\",1234-ABCD,12,3145728,完了");
    EXPECT_EQ(Line("001", complete), "001,2026-01-02 03:04:05" + complete + "\r\n");
    EXPECT_EQ(Tail(Volume("", 0), kDisc, DiscDuplicate), ",,0000-0000,12,3145728,重複");
    EXPECT_EQ(Tail(Volume("", 0x5A, false), kDisc, CopyFailed), ",,,12,3145728,失敗");
    EXPECT_EQ(std::string(kCatalogHeader),
              "フォルダ,日時,ボリュームラベル,シリアル番号,ファイル数,バイト数,結果\r\n");

    // The latest complete line of the disc wins, fed byte by byte too.
    std::string catalogue = kCatalogHeader + Line("001", complete) +
                            Line("002", Tail(Volume("other", 1), kDisc, CopyComplete)) +
                            Line("003", complete) +
                            Line("004", Tail(Volume("A,\"B\"\r\nC", 0x1234ABCD), kDisc, CopyShort));
    EXPECT_EQ(KnownFolder(catalogue, complete), "003");
    EXPECT_EQ(KnownFolder(catalogue, complete, 1), "003");
    EXPECT_EQ(KnownFolder(catalogue.substr(0, catalogue.size() - 2), complete), "003")
        << "a last line without its CRLF";
    EXPECT_EQ(KnownFolder(catalogue, Tail(Volume("A", 0x1234ABCD), kDisc, CopyComplete)), "");

    // An append starts its line on a line of its own: after a lone CR only
    // the LF is missing.
    EXPECT_STREQ(TextBeforeAppend(0, '\0', kCatalogHeader), kCatalogHeader);
    EXPECT_STREQ(TextBeforeAppend(0, '\0', ""), "");
    EXPECT_STREQ(TextBeforeAppend(9, '\n', kCatalogHeader), "");
    EXPECT_STREQ(TextBeforeAppend(9, '\r', kCatalogHeader), "\n");
    EXPECT_STREQ(TextBeforeAppend(9, 'x', kCatalogHeader), "\r\n");
    std::string lastCr = Line("001", complete);
    lastCr.pop_back();
    std::string other = Line("002", Tail(Volume("other", 1), kDisc, CopyComplete));
    EXPECT_EQ(KnownFolder(lastCr + TextBeforeAppend(1, '\r', "") + other, complete), "001");

    // A label that ends in a lone lead byte keeps its line's end.
    std::string lone = Tail(Volume("\x83", 7), kDisc, CopyComplete);
    EXPECT_EQ(KnownFolder(Line("005", lone) + Line("006", complete), complete), "006");
    EXPECT_EQ(KnownFolder(Line("005", lone) + Line("006", complete), lone), "005");
}

TEST(CatalogLine, OverLongBinaryAndMalformedLinesArePassedOver) {
    std::string complete = Tail(Volume("DISC", 0xFFFF0000), kDisc, CopyComplete);
    std::string good = Line("009", complete);
    std::string longLine = "001," + std::string(CatalogLineSize, 'x') + complete + "\r\n";
    std::string binary = std::string("002,2026-01-02 03:04:05\0", 24) + complete + "\r\n";
    const std::string bad[] = {
        longLine,
        binary,
        "\"001\",2026-01-02 03:04:05" + complete + "\r\n",  // quoted folder
        "0,01,2026-01-02 03:04:05" + complete + "\r\n",     // a third field before the tail
        "001,2026-01-02 03:04:05" + complete + ",x\r\n",    // an eighth field
        "001" + complete + "\r\n",                           // no time
        "001,2026-01-02 03:04:05,DISC,FFFF-0000,12,3145728,\"完了\r\n",
    };
    for (const std::string& line : bad) {
        EXPECT_EQ(KnownFolder(line, complete), "") << line.substr(0, 60);
        EXPECT_EQ(KnownFolder(line + good, complete), "009") << "skipped up to its line feed";
    }
}

TEST(CatalogResultRule, TheFirstRuleThatAppliesWins) {
    TreeTally empty = {0, 0, false};
    EXPECT_EQ(JudgeCopy(false, false, kDisc, kDisc, NotChecked), CopyFailed);
    EXPECT_EQ(JudgeCopy(true, true, kDisc, empty, NotChecked), CopyFailed) << "nothing arrived";
    EXPECT_EQ(JudgeCopy(true, false, empty, empty, NotChecked), CopyComplete) << "an empty disc";
    EXPECT_EQ(JudgeCopy(true, true, kDisc, kDisc, NotChecked), CopyAborted);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {11, 3145728, false}, NotChecked), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {12, 3145727, false}, NotChecked), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, {12, 3145728, true}, kDisc, NotChecked), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {12, 3145728, true}, NotChecked), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {13, 3145729, false}, NotChecked), CopyComplete);

    // The check by content: a file not proven, or a cancelled check, spoils
    // only a copy whose counts agree.
    EXPECT_EQ(JudgeCopy(true, false, kDisc, kDisc, AllProven), CopyComplete);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, kDisc, SomeNotProven), CopyUnverified);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, kDisc, CheckCancelled), CopyAborted);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {11, 3145728, false}, SomeNotProven), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {11, 3145728, false}, CheckCancelled), CopyShort);
    EXPECT_EQ(Tail(Volume("", 0), kDisc, CopyUnverified), ",,0000-0000,12,3145728,照合エラー");

    // Above 4 GiB the totals are compared, and written, in 64 bits.
    TreeTally big = {1, 0x100000005ull, false};
    EXPECT_EQ(JudgeCopy(true, false, big, {1, 5, false}, NotChecked), CopyShort);
    EXPECT_EQ(Tail(Volume("", 0), big, CopyComplete), ",,0000-0000,1,4294967301,完了");
}

namespace {

// A stand-in for the folder listing: entries per pattern, and how the
// listing ends; a pattern that is not there cannot be listed.
struct Entry {
    std::wstring name;
    bool folder;
    uint64_t size;
};
struct Listing {
    std::vector<Entry> entries;
    ListingEnd end = {false, ErrorNoMoreFiles};
};
std::map<std::wstring, Listing> gTree;

ListingEnd ListFake(const wchar_t* pattern, WalkVisit visit, void* walk) {
    auto found = gTree.find(pattern);
    if (found == gTree.end()) return ListingEnd{true, 3};  // ERROR_PATH_NOT_FOUND
    for (const Entry& e : found->second.entries) visit(e.name.c_str(), e.folder, e.size, walk);
    return found->second.end;
}

void NoteFile(const wchar_t* folder, const wchar_t* name, uint64_t, void* context) {
    static_cast<std::vector<std::wstring>*>(context)->push_back(std::wstring(folder) + name);
}

}  // namespace

TEST(TreeWalk, CountsFilesBelowEveryFolderAndMarksWhatItCannotList) {
    std::wstring deep(240, L'd');
    gTree = {
        {L"D:\\*", {{{L"a.txt", false, 5}, {L"sub", true, 0}, {L"empty", true, 0}, {deep, true, 0}}}},
        {L"D:\\sub\\*", {{{L".", true, 0}, {L"..", true, 0}, {L"b", false, 1ull << 33}}}},
        {L"D:\\empty\\*", {{}, {true, ErrorFileNotFound}}},
        {L"D:\\" + deep + L"\\*", {{{deep, true, 0}, {L"c", false, 1}}}},
    };
    TreeTally tally = TallyTree(L"D:\\", ListFake);
    EXPECT_EQ(tally.files, 3u);
    EXPECT_EQ(tally.bytes, 6 + (1ull << 33));
    EXPECT_TRUE(tally.incomplete) << "a folder whose path is too long to list";

    // Each file with its place relative to the root, for the checks that
    // walk the same tree again.
    std::vector<std::wstring> files;
    EXPECT_FALSE(WalkTree(L"D:\\", ListFake, NoteFile, &files));
    EXPECT_EQ(files, (std::vector<std::wstring>{L"a.txt", L"sub\\b", deep + L"\\c"}));

    gTree.erase(L"D:\\" + deep + L"\\*");
    gTree[L"D:\\*"].entries.pop_back();
    tally = TallyTree(L"D:\\", ListFake);
    EXPECT_EQ(tally.files, 2u);
    EXPECT_FALSE(tally.incomplete);

    // An empty root answers either code from the first call (9x: no more
    // files); a listing that breaks off later is not whole.
    gTree[L"D:\\empty\\*"].end = {true, ErrorNoMoreFiles};
    EXPECT_FALSE(TallyTree(L"D:\\", ListFake).incomplete);
    gTree[L"D:\\sub\\*"].end = {false, ErrorFileNotFound};
    EXPECT_TRUE(TallyTree(L"D:\\", ListFake).incomplete);
    gTree.erase(L"D:\\empty\\*");
    EXPECT_TRUE(TallyTree(L"D:\\", ListFake).incomplete) << "a folder that cannot be listed";
    EXPECT_TRUE(TallyTree(L"", ListFake).incomplete);
}

TEST(KnownDiscQuestion, AskedWhenSomeoneIsThereAndNeverHoldsUpAnUnattendedPass) {
    struct Row {
        bool confirmCopy, repeat, endRunsUnasked;
        PassStart start;
        bool asks;
    };
    const Row rows[] = {
        // One disc (AutoNext=1 without repeat mode is not in effect: the
        // pass always begins with the program's start).
        {false, false, false, Person, true},        // the end-of-copy action asks
        {false, false, true, Person, false},        // an unasked shutdown follows
        {true, false, true, Person, true},          // asks before each disc anyway
        {false, true, true, Person, true},          // repeat mode: someone presses OK
        {false, true, true, NowButton, true},       // AutoNext: 今すぐコピー
        {false, true, false, DiscArrived, false},   // AutoNext: the disc started itself
        {false, true, true, DiscArrived, false},
        {true, true, true, DiscArrived, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(AsksAboutKnownDisc(r.confirmCopy, r.repeat, r.endRunsUnasked, r.start), r.asks)
            << r.confirmCopy << r.repeat << r.endRunsUnasked << " start " << r.start;
}

TEST(DiscChange, OnlyAReadyDiscOtherThanTheOneSeenIsTheNext) {
    VolumeIdentity seen = Volume("ONE", 1), none = Volume("", 0, false);
    EXPECT_FALSE(IsAnotherDisc(seen, Volume("ONE", 1))) << "the same disc put back";
    EXPECT_TRUE(IsAnotherDisc(seen, Volume("ONE", 2)));
    EXPECT_TRUE(IsAnotherDisc(seen, Volume("TWO", 1)));
    EXPECT_FALSE(IsAnotherDisc(seen, none)) << "an empty drive";
    EXPECT_TRUE(IsAnotherDisc(none, Volume("ONE", 1))) << "nothing was seen";
    EXPECT_FALSE(IsAnotherDisc(none, none));

    // The disc came out before the wait began: putting it back is no change.
    EXPECT_FALSE(IsAnotherDisc(DiscNotToStart(none, seen), Volume("ONE", 1)));
    EXPECT_TRUE(IsAnotherDisc(DiscNotToStart(Volume("TWO", 2), seen), Volume("ONE", 1)));
    EXPECT_TRUE(IsAnotherDisc(DiscNotToStart(none, none), Volume("ONE", 1)));
}
