#include "verify/check_pass.h"

#include <string.h>

#include "app/bounded_text.h"
#include "app/growing_text.h"
#include "app/hidden_settings.h"
#include "app/settings.h"
#include "catalog/tree_listing.h"
#include "copy/quiet_errors.h"
#include "verify/check_progress.h"
#include "verify/file_compare.h"
#include "verify/md5_hash.h"

namespace {

// A file's path relative to to: the numbered folder's name, its folder on
// the disc and its name.
enum { RelativeUnits = 2 * WalkPathUnits, LineSize = 1700 };

struct DiscCheck {
    wchar_t disc[WalkPathUnits];    // the disc's root
    wchar_t copy[WalkPathUnits];    // the numbered folder, with a backslash
    wchar_t folder[WalkPathUnits];  // its name, with a backslash
    bool hashing;                   // every proven file so far has its MD5 line
    bool allProven;
    bool cancelled;
    GrowingText checksums;          // lines of NNN.md5
    GrowingText errors;             // lines of NNN.errors.txt
};

// first, then folder and name; false, path empty, when it does not fit.
bool JoinPath(wchar_t* path, size_t size, const wchar_t* first, const wchar_t* folder,
              const wchar_t* name) {
    size_t a = wcslen(first), b = wcslen(folder), c = wcslen(name);
    path[0] = 0;
    if (a + b + c >= size) return false;
    memcpy(path, first, a * sizeof(wchar_t));
    memcpy(path + a, folder, b * sizeof(wchar_t));
    memcpy(path + a + b, name, (c + 1) * sizeof(wchar_t));
    return true;
}

void NoteProven(DiscCheck* check, const wchar_t* relative, const char* shown,
                const uint8_t (&digest)[16]) {
    // The checksum file is UTF-8, so that every name fits; a 9x name is
    // first read in its code page.
    wchar_t wide[RelativeUnits];
    if (!SystemIsNt() && !MultiByteToWideChar(CP_ACP, 0, shown, -1, wide, RelativeUnits)) {
        check->hashing = false;
        return;
    }
    char line[LineSize];
    if (BuildChecksumLine(digest, SystemIsNt() ? relative : wide, line, sizeof line))
        check->checksums.Add(line, strlen(line));
    else
        check->hashing = false;  // a checksum file without it would not be whole
}

void CheckFile(const wchar_t* folder, const wchar_t* name, uint64_t size, void* context) {
    DiscCheck* check = static_cast<DiscCheck*>(context);
    wchar_t disc[MAX_PATH], copy[MAX_PATH], relative[RelativeUnits];
    bool discFits = JoinPath(disc, MAX_PATH, check->disc, folder, name);
    bool copyFits = JoinPath(copy, MAX_PATH, check->copy, folder, name);
    JoinPath(relative, RelativeUnits, check->folder, folder, name);
    char shown[2 * RelativeUnits];
    if (!FromWalkPath(relative, shown, sizeof shown)) shown[0] = '\0';
    ShowCheckedFile(shown);

    ULONG_PTR hash = check->hashing ? BeginMd5() : 0;
    FileComparison comparison = {false, true, false, false};
    if (!check->cancelled)
        comparison = CompareFile(discFits ? disc : NULL, copyFits ? copy : NULL, size, &hash);
    check->cancelled = comparison.cancelled;
    uint8_t digest[16];
    bool hashed = EndMd5(hash, digest);
    FileVerdict verdict = JudgeFile(comparison);
    if (verdict == FileProven) {
        check->hashing = check->hashing && hashed;
        if (check->hashing) NoteProven(check, relative, shown, digest);
        return;
    }
    check->allProven = false;
    char line[LineSize];
    if (BuildErrorLine(verdict, shown, line, sizeof line)) check->errors.Add(line, strlen(line));
}

// Written whole at the end of the check, as a new file; one that cannot be
// made is not written, and one that could not be written whole is removed.
void WriteNewFile(const char* destination, const char* suffix, const GrowingText& text) {
    char path[PathSize];
    if (!TextBuilder(path).Append(destination).Append(suffix).Ok()) return;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    bool whole = WriteFile(file, text.bytes, static_cast<DWORD>(text.length), &written, NULL) &&
                 written == text.length;
    CloseHandle(file);
    if (!whole) DeleteFileA(path);
}

// The check's paths as the walk holds them; false when one does not fit.
bool StartCheck(const char* from, const char* to, const char* destination, DiscCheck* check) {
    char copy[PathSize];
    char folder[PathSize];
    return TextBuilder(copy).Append(destination).Append('\\').Ok() &&
           TextBuilder(folder).Append(destination + BoundedLength(to, PathSize)).Append('\\').Ok() &&
           ToWalkPath(from, check->disc) && ToWalkPath(copy, check->copy) &&
           ToWalkPath(folder, check->folder);
}

}  // namespace

ContentCheck CheckDiscCopy(HINSTANCE instance, const char* from, const char* to,
                           const char* destination, const CopyOutcome& outcome) {
    if (!VerifyInEffect() || !outcome.folderMade || outcome.aborted) return NotChecked;
    QuietErrors quiet;
    DiscCheck check = {};
    check.hashing = check.allProven = true;
    if (!StartCheck(from, to, destination, &check)) return SomeNotProven;
    OpenCheckProgress(instance, TallyTree(check.disc, ListFolder).bytes);
    if (!WalkTree(check.disc, ListFolder, CheckFile, &check)) check.allProven = false;
    CloseCheckProgress();
    if (check.hashing && check.checksums.length > 0 && !check.checksums.lost)
        WriteNewFile(destination, kChecksumSuffix, check.checksums);
    if (check.errors.length > 0) WriteNewFile(destination, kErrorsSuffix, check.errors);
    check.checksums.Free();
    check.errors.Free();
    if (check.cancelled) return CheckCancelled;
    return check.allProven ? AllProven : SomeNotProven;
}

void EndCopyChecks() {
    EndHashing();
    FreeCompareBuffers();
}
