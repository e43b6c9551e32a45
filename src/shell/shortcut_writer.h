// Writes shell shortcut (.lnk) files through the shell's link object.
#pragma once
#include <windows.h>
#include <shlobj.h>

// Saves a shortcut at linkPath that starts targetPath in the target's own
// folder, shown normally; iconPath and arguments are set only when given and
// not empty. 1 when the file was saved, 0 otherwise (also when a path does
// not fit in MAX_PATH bytes, in which case nothing is written). COM must be
// initialised on the thread.
int WriteShortcut(const char* linkPath, const char* targetPath, const char* iconPath,
                  const char* arguments);

// The same over a link object the caller created; it is released before the
// call returns, whatever the outcome.
int WriteShortcutWith(IShellLinkA* link, const char* linkPath, const char* targetPath,
                      const char* iconPath, const char* arguments);
