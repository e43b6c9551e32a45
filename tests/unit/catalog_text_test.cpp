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
    EXPECT_EQ(JudgeCopy(false, false, kDisc, kDisc), CopyFailed);
    EXPECT_EQ(JudgeCopy(true, true, kDisc, empty), CopyFailed) << "nothing arrived";
    EXPECT_EQ(JudgeCopy(true, false, empty, empty), CopyComplete) << "an empty disc";
    EXPECT_EQ(JudgeCopy(true, true, kDisc, kDisc), CopyAborted);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {11, 3145728, false}), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {12, 3145727, false}), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, {12, 3145728, true}, kDisc), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {12, 3145728, true}), CopyShort);
    EXPECT_EQ(JudgeCopy(true, false, kDisc, {13, 3145729, false}), CopyComplete);

    // Above 4 GiB the totals are compared, and written, in 64 bits.
    TreeTally big = {1, 0x100000005ull, false};
    EXPECT_EQ(JudgeCopy(true, false, big, {1, 5, false}), CopyShort);
    EXPECT_EQ(Tail(Volume("", 0), big, CopyComplete), ",,0000-0000,1,4294967301,完了");
}

namespace {

// A stand-in for the folder listing: entries per pattern; a pattern that is
// not there cannot be listed.
struct Entry {
    std::string name;
    bool folder;
    uint64_t size;
};
std::map<std::string, std::vector<Entry>> gTree;

bool ListFake(const char* pattern, EntryVisitor visit, void* walk) {
    auto found = gTree.find(pattern);
    if (found == gTree.end()) return false;
    for (const Entry& e : found->second) visit(e.name.c_str(), e.folder, e.size, walk);
    return true;
}

}  // namespace

TEST(TreeTally, CountsFilesBelowEveryFolderAndMarksWhatItCannotList) {
    std::string deep(240, 'd');
    gTree = {
        {"D:\\*", {{"a.txt", false, 5}, {"sub", true, 0}, {"empty", true, 0}, {deep, true, 0}}},
        {"D:\\sub\\*", {{".", true, 0}, {"..", true, 0}, {"b", false, 1ull << 33}}},
        {"D:\\empty\\*", {}},
        {"D:\\" + deep + "\\*", {{deep, true, 0}, {"c", false, 1}}},
    };
    TreeTally tally = TallyTree("D:\\", ListFake);
    EXPECT_EQ(tally.files, 3u);
    EXPECT_EQ(tally.bytes, 6 + (1ull << 33));
    EXPECT_TRUE(tally.incomplete) << "a folder whose path is too long to list";

    gTree.erase("D:\\" + deep + "\\*");
    gTree["D:\\*"].pop_back();
    tally = TallyTree("D:\\", ListFake);
    EXPECT_EQ(tally.files, 2u);
    EXPECT_FALSE(tally.incomplete);

    gTree.erase("D:\\empty\\*");
    EXPECT_TRUE(TallyTree("D:\\", ListFake).incomplete) << "a folder that cannot be listed";
    EXPECT_TRUE(TallyTree("", ListFake).incomplete);
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
