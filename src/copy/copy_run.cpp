#include "copy/copy_run.h"

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "app/settings.h"
#include "catalog/catalog_pass.h"
#include "copy/ask_user.h"
#include "copy/copy_text.h"
#include "copy/destination.h"
#include "copy/end_of_copy.h"
#include "copy/shell_copy.h"
#include "copy/source_ready.h"
#include "copy/volume_reader.h"
#include "discloop/eject_disc.h"
#include "discloop/next_disc_dialog.h"
#include "res/resource.h"
#include "shell/path_services.h"
#include "verify/check_pass.h"

namespace {

enum PassEnd { Declined, Refused, Done };

// The source is ready: which disc it is, what it holds, the guard against
// a disc archived before, the copy and its check, the line that records it;
// then the disc comes out.
void CopyReadyDisc(HINSTANCE instance, PassStart start, const char* sourceList,
                   const char* destination) {
    VolumeIdentity volume = {};
    if (HiddenSettings.Catalog || AutoNextInEffect()) volume = ReadVolumeIdentity(Settings.From);
    DiscRecord record;
    ReadDiscRecord(Settings.From, volume, &record);
    if (!SkipArchivedDisc(instance, start, &record)) {
        CopyOutcome outcome =
            CopyIntoNewFolder(sourceList, destination, HasBit(Settings.Flags, MoveFiles));
        ContentCheck check = CheckDiscCopy(instance, Settings.From, Settings.To, destination, outcome);
        JudgeDiscCopy(destination, outcome, check, &record);
    }
    AppendDiscRecord(record);
    NoteFinishedDisc(volume);
    EjectDisc(Settings.From);
}

// Copies the source into the next free numbered folder when everything for
// it can be built and the source is ready; otherwise the pass copies nothing.
void CopyDisc(HINSTANCE instance, PassStart start, bool toHasBackslash, bool fromHasBackslash) {
    if (!toHasBackslash || !fromHasBackslash) return;
    char destination[ShellListSize];
    if (!FindFreeDestination(Settings.To, Settings.NumCount, HasBit(Settings.Flags, NumberFromZero),
                             VerifyInEffect(), destination, ArraySize(destination)))
        return;
    char sourceList[ShellListSize];
    if (!BuildSourceList(Settings.From, sourceList, ArraySize(sourceList))) return;
    if (!SourceIsReady(Settings.From)) return;
    CopyReadyDisc(instance, start, sourceList, destination);
}

// One disc: the confirmation, the trailing backslashes (kept in the record,
// never written to the file), the same-drive refusal, the copy.
PassEnd RunPass(HINSTANCE instance, PassStart start) {
    if (HasBit(Settings.Flags, ConfirmCopy) && UserRefuses(instance, IDS_CONFIRM_COPY)) return Declined;
    bool toHasBackslash = AppendBackslash(Settings.To, ArraySize(Settings.To), IsSystemLeadByte);
    bool fromHasBackslash =
        AppendBackslash(Settings.From, ArraySize(Settings.From), IsSystemLeadByte);
    if (OnSameDrive(Settings.To, Settings.From)) {
        ShowMessage(instance, IDS_SAME_DRIVE, MB_OK | MB_ICONERROR);
        return Refused;
    }
    CopyDisc(instance, start, toHasBackslash, fromHasBackslash);
    return Done;
}

// In repeat mode the next disc: asked for, or waited for with AutoNext.
bool AnotherDisc(HINSTANCE instance, PassStart* start) {
    if (!HasBit(Settings.Flags, RepeatCopy)) return false;
    if (AutoNextInEffect()) return NextDiscArrives(instance, Settings.From, start);
    *start = Person;
    return ShowMessage(instance, IDS_ANOTHER_DISC, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

}  // namespace

int CopyRun(HINSTANCE instance) {
    PassStart start = Person;
    do {
        PassEnd end = RunPass(instance, start);
        if (end == Declined) {
            EndCopyChecks();
            WarnOfUnwrittenRecords(instance, false);
            return 1;
        }
        if (end == Refused) return 0;
    } while (AnotherDisc(instance, &start));
    EndCopyChecks();
    WarnOfUnwrittenRecords(instance, EndRunsUnasked());
    EndOfCopyAction(instance);
    return 1;
}
