#include "catalog/catalog_pass.h"

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "app/settings.h"
#include "catalog/asking_rule.h"
#include "catalog/catalog_file.h"
#include "catalog/tree_listing.h"
#include "copy/ask_user.h"
#include "copy/end_of_copy.h"
#include "copy/quiet_errors.h"
#include "res/resource.h"

void ReadDiscRecord(const char* from, const VolumeIdentity& volume, DiscRecord* record) {
    record->recorded = HiddenSettings.Catalog;
    if (!record->recorded) return;
    record->volume = volume;
    QuietErrors quiet;
    record->source = TallyFolder(from);
}

// A disc whose volume could not be read has neither label nor serial, and is
// never taken for one archived before.
bool SkipArchivedDisc(HINSTANCE instance, PassStart start, DiscRecord* record) {
    char tail[CatalogLineSize];
    if (!record->recorded || !record->volume.readable ||
        !BuildDiscTail(record->volume, record->source, CopyComplete, tail, ArraySize(tail)) ||
        !FindArchivedDisc(Settings.To, tail, record->folder))
        return false;
    if (AsksAboutKnownDisc(HasBit(Settings.Flags, ConfirmCopy), HasBit(Settings.Flags, RepeatCopy),
                           EndRunsUnasked(), start) &&
        ShowMessageWith(instance, IDS_ARCHIVED_DISC, record->folder, MB_YESNO | MB_ICONQUESTION) !=
            IDNO)
        return false;
    record->result = DiscDuplicate;
    return true;
}

void JudgeDiscCopy(const char* destination, const CopyOutcome& outcome, ContentCheck check,
                   DiscRecord* record) {
    if (!record->recorded) return;
    // The numbered folder's own name follows To, which ends with a backslash.
    CopyText(record->folder, destination + BoundedLength(Settings.To, PathSize));
    char folder[PathSize];
    TextBuilder(folder).Append(destination).Append('\\');  // empty when it does not fit
    TreeTally copy = TallyFolder(folder);
    record->result = JudgeCopy(outcome.folderMade, outcome.aborted, record->source, copy, check);
}

void AppendDiscRecord(const DiscRecord& record) {
    if (!record.recorded) return;
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
