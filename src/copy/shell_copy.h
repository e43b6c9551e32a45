// The one file operation of a pass: the shell copies or moves the source
// root's entries into a new numbered folder, with its own dialogs.
#pragma once

// Creates the folder destination, then hands the source list (ending with
// two NULs) to the shell, copying or moving into that folder. When the folder
// cannot be created, nothing is requested. The shell's result is not looked
// at: its dialogs tell the user about failures.
void CopyIntoNewFolder(const char* sourceList, const char* destination, bool move);
