// The sheet's own code, run inside the test program with a stand-in for
// the system's property sheet: only a sheet ended with OK commits.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "ui/pages.h"
#include "ui/settings_sheet.h"

namespace {

INT_PTR gSheetResult;
PROPSHEETHEADERA gHeaderSeen;
struct PageSeen { DWORD size, flags; ULONG_PTR templateId, iconId; std::string title; };
std::vector<PageSeen> gPagesSeen;

// Behaves like a sheet whose pages wrote their controls back, then ended
// with gSheetResult.
INT_PTR WINAPI StandInSheet(LPCPROPSHEETHEADERA header) {
    gHeaderSeen = *header;
    // The system walks the pages with the stride of each page's dwSize.
    gPagesSeen.clear();
    const BYTE* at = reinterpret_cast<const BYTE*>(header->ppsp);
    for (UINT i = 0; i < header->nPages; ++i) {
        const PROPSHEETPAGEA* page = reinterpret_cast<const PROPSHEETPAGEA*>(at);
        gPagesSeen.push_back({page->dwSize, page->dwFlags, reinterpret_cast<ULONG_PTR>(page->pszTemplate),
                              reinterpret_cast<ULONG_PTR>(page->pszIcon), page->pszTitle});
        at += page->dwSize;
    }
    strcpy(gWorkingCopy.To, "C:\\edited");
    gWorkingCopy.NumCount = 5;
    return gSheetResult;
}

SettingsRecord Before() {
    SettingsRecord record = {};
    strcpy(record.To, "C:\\kept");
    record.ExitFlags = 0x70;
    return record;
}

int ShowWithResult(INT_PTR result) {
    gSheetResult = result;
    gRunSheet = StandInSheet;
    int shown = ShowSettingsSheet(nullptr);
    gRunSheet = PropertySheetA;
    return shown;
}

}  // namespace

TEST(SheetResult, CancelAndASheetThatCouldNotBeCreatedCommitNothing) {
    for (INT_PTR result : {INT_PTR{0}, INT_PTR{-1}}) {
        SettingsRecord before = Before();
        Settings = before;
        EXPECT_EQ(ShowWithResult(result), 0) << result;
        EXPECT_EQ(memcmp(&Settings, &before, sizeof before), 0) << result;
    }
}

TEST(SheetResult, OkCommitsTheWorkingCopy) {
    Settings = Before();
    EXPECT_EQ(ShowWithResult(1), 1);
    EXPECT_STREQ(Settings.To, "C:\\edited");
    EXPECT_EQ(Settings.NumCount, 5);
    EXPECT_EQ(Settings.ExitFlags, 0x70) << "the rest comes from the global record";
}

TEST(SheetResult, TheHeaderAndPagesAreLaidOutForTheSystem) {
    Settings = Before();
    ShowWithResult(0);
    EXPECT_EQ(gHeaderSeen.dwSize, PROPSHEETHEADERA_V1_SIZE);
    EXPECT_EQ(gHeaderSeen.dwFlags, DWORD{PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK});
    EXPECT_EQ(gHeaderSeen.nPages, 3u);
    EXPECT_EQ(gHeaderSeen.nStartPage, 0u);
    EXPECT_STREQ(gHeaderSeen.pszCaption, "Zolvane の設定");
    const ULONG_PTR templates[] = {101, 102, 115}, icons[] = {126, 114, 117};
    const char* titles[] = {"フォルダ", "各種設定", "ショートカット"};
    ASSERT_EQ(gPagesSeen.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gPagesSeen[i].size, PROPSHEETPAGEA_V1_SIZE) << i;
        EXPECT_EQ(gPagesSeen[i].flags, DWORD{PSP_USEICONID | PSP_USETITLE}) << i;
        EXPECT_EQ(gPagesSeen[i].templateId, templates[i]) << i;
        EXPECT_EQ(gPagesSeen[i].iconId, icons[i]) << i;
        EXPECT_EQ(gPagesSeen[i].title, titles[i]) << i;
    }
}
