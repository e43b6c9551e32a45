// The one file operation of a pass: the shell copies or moves the source
// root's entries into a new numbered folder, with its own dialogs.
#pragma once

struct CopyOutcome {
    bool folderMade;  // false: nothing was requested of the shell
    bool aborted;     // the shell reports the operation aborted
};

// Creates the folder destination, then hands the source list (ending with
// two NULs) to the shell, copying or moving into that folder. When the folder
// cannot be created, nothing is requested. The run acts on no failure: the
// shell's dialogs tell the user about them.
CopyOutcome CopyIntoNewFolder(const char* sourceList, const char* destination, bool move);
