// Verify=1: the check that follows the copy of a disc. Every file of the disc
// is read again against its copy; NNN.md5 (the copies' MD5, for checks years
// later) and NNN.errors.txt (the files not proven, and why) are written
// beside the numbered folder NNN.
#pragma once
#include <windows.h>

#include "catalog/result_rule.h"
#include "copy/shell_copy.h"

// Checks the copy in destination (to followed by the folder's name) against
// the disc at from, after a copy that made its folder and that the shell did
// not report aborted, with Verify in effect; NotChecked otherwise.
ContentCheck CheckDiscCopy(HINSTANCE instance, const char* from, const char* to,
                           const char* destination, const CopyOutcome& outcome);

// At the end of the run: gives back what the checks held for the whole run.
void EndCopyChecks();
