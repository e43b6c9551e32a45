#include "copy/copy_run.h"

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "app/settings.h"
#include "copy/ask_user.h"
#include "catalog/catalog_pass.h"
#include "copy/copy_text.h"
#include "copy/destination.h"
#include "discloop/eject_disc.h"
#include "copy/end_of_copy.h"
#include "discloop/next_disc_dialog.h"
#include "copy/shell_copy.h"
#include "copy/source_ready.h"
#include "res/resource.h"
#include "shell/path_services.h"

namespace {

enum PassEnd { Declined, Refused, Done };

// The source is ready: what the disc holds, the guard against a disc
// archived before, the copy, the line that records it; then the disc comes
// out.
void CopyReadyDisc(HINSTANCE instance, const char* sourceList, const char* destination) {
    DiscRecord record;
    ReadDiscRecord(Settings.From, &record);
    if (!SkipArchivedDisc(instance, &record)) {
        CopyOutcome outcome =
            CopyIntoNewFolder(sourceList, destination, HasBit(Settings.Flags, MoveFiles));
        JudgeDiscCopy(destination, outcome, &record);
    }
    AppendDiscRecord(record);
    NoteFinishedDisc(Settings.From);
    EjectDisc(Settings.From);
}

// Copies the source into the next free numbered folder when everything for
// it can be built and the source is ready; otherwise the pass copies nothing.
void CopyDisc(HINSTANCE instance, bool toHasBackslash, bool fromHasBackslash) {
    if (!toHasBackslash || !fromHasBackslash) return;
    char destination[ShellListSize];
    if (!FindFreeDestination(Settings.To, Settings.NumCount, HasBit(Settings.Flags, NumberFromZero),
                             destination, ArraySize(destination)))
        return;
    char sourceList[ShellListSize];
    if (!BuildSourceList(Settings.From, sourceList, ArraySize(sourceList))) return;
    if (!SourceIsReady(Settings.From)) return;
    CopyReadyDisc(instance, sourceList, destination);
}

// One disc: the confirmation, the trailing backslashes (kept in the record,
// never written to the file), the same-drive refusal, the copy.
PassEnd RunPass(HINSTANCE instance) {
    if (HasBit(Settings.Flags, ConfirmCopy) && UserRefuses(instance, IDS_CONFIRM_COPY)) return Declined;
    bool toHasBackslash = AppendBackslash(Settings.To, ArraySize(Settings.To), IsSystemLeadByte);
    bool fromHasBackslash =
        AppendBackslash(Settings.From, ArraySize(Settings.From), IsSystemLeadByte);
    if (OnSameDrive(Settings.To, Settings.From)) {
        ShowMessage(instance, IDS_SAME_DRIVE, MB_OK | MB_ICONERROR);
        return Refused;
    }
    CopyDisc(instance, toHasBackslash, fromHasBackslash);
    return Done;
}

bool AnotherDisc(HINSTANCE instance) {
    if (!HasBit(Settings.Flags, RepeatCopy)) return false;
    if (HiddenSettings.AutoNext) return NextDiscArrives(instance, Settings.From);
    return ShowMessage(instance, IDS_ANOTHER_DISC, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

}  // namespace

int CopyRun(HINSTANCE instance) {
    do {
        PassEnd end = RunPass(instance);
        if (end == Declined) {
            WarnOfUnwrittenRecords(instance, false);
            return 1;
        }
        if (end == Refused) return 0;
    } while (AnotherDisc(instance));
    WarnOfUnwrittenRecords(instance, EndOfCopyRunsUnasked());
    EndOfCopyAction(instance);
    return 1;
}
