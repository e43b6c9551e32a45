#include "catalog/catalog_pass.h"

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "app/settings.h"
#include "copy/ask_user.h"
#include "catalog/catalog_file.h"
#include "copy/volume_identity.h"
#include "res/resource.h"

namespace {

bool ListWithFindFile(const char* pattern, EntryVisitor visit, void* walk) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        uint64_t size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        visit(found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, size, walk);
    } while (FindNextFileA(search, &found));
    bool listed = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return listed;
}

// Someone is there to answer: the run asks before each disc, or asks for
// the next one itself.
bool Attended() {
    return HasBit(Settings.Flags, ConfirmCopy) ||
           (HasBit(Settings.Flags, RepeatCopy) && !HiddenSettings.AutoNext);
}

}  // namespace

void ReadDiscRecord(const char* from, DiscRecord* record) {
    record->kept = HiddenSettings.Catalog;
    if (!record->kept) return;
    UINT errorMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    ReadVolumeIdentity(from, &record->volume);
    record->source = TallyTree(from, ListWithFindFile);
    SetErrorMode(errorMode);
}

// A disc whose volume could not be read has neither label nor serial, and is
// never taken for one archived before.
bool SkipArchivedDisc(HINSTANCE instance, DiscRecord* record) {
    char tail[CatalogLineSize];
    if (!record->kept || !record->volume.readable ||
        !BuildDiscTail(record->volume, record->source, CopyComplete, tail, ArraySize(tail)) ||
        !FindArchivedDisc(Settings.To, tail, record->folder))
        return false;
    if (Attended() &&
        ShowMessageWith(instance, IDS_ARCHIVED_DISC, record->folder, MB_YESNO | MB_ICONQUESTION) !=
            IDNO)
        return false;
    record->result = DiscDuplicate;
    return true;
}

void JudgeDiscCopy(const char* destination, const CopyOutcome& outcome, DiscRecord* record) {
    if (!record->kept) return;
    // The numbered folder's own name follows To, which ends with a backslash.
    CopyText(record->folder, destination + BoundedLength(Settings.To, PathSize));
    char folder[PathSize];
    TextBuilder(folder).Append(destination).Append('\\');  // empty when it does not fit
    TreeTally copy = TallyTree(folder, ListWithFindFile);
    record->result = JudgeCopy(outcome.folderMade, outcome.aborted, record->source, copy);
}

void AppendDiscRecord(const DiscRecord& record) {
    if (!record.kept) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    CalendarTime when = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    char tail[CatalogLineSize];
    char line[CatalogLineSize];
    if (BuildDiscTail(record.volume, record.source, record.result, tail, ArraySize(tail)) &&
        BuildCatalogLine(record.folder, when, tail, line, ArraySize(line)))
        AppendCatalogLine(Settings.To, line);
}

void WarnOfUnwrittenRecords(HINSTANCE instance, bool quiet) {
    if (!HiddenSettings.Catalog) return;
    bool unwritten = CatalogLinesUnwritten(Settings.To);  // the last try, quiet or not
    if (!unwritten || quiet) return;
    char path[PathSize];
    const char* named = CatalogPath(Settings.To, path) ? path : Settings.To;  // else its folder
    ShowMessageWith(instance, IDS_CATALOG_UNWRITTEN, named, MB_OK | MB_ICONEXCLAMATION);
}
