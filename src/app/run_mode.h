// The choice that start-up makes between the copy run and the settings sheet.
#pragma once

enum class RunMode { CopyRun, SettingsSheet };

// Lower-cases a text in place by the platform's rules (CharLowerA on Windows).
typedef void (*LowerInPlace)(char* text);

// True when any argument, index 0 included, is "/c" in any case. Every
// argument is lower-cased in place on the way, as the platform does it.
bool HasCopySwitch(int argc, char** argv, LowerInPlace lower);

// The copy run needs the switch and a configured destination folder.
RunMode ChooseRunMode(bool copySwitch, const char* to);
