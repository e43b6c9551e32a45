// Text rules of the settings file that need no platform service.
#pragma once
#include <stddef.h>

// Full path of the settings file: folder, one backslash, "zolvane.ini".
// False, with out empty, when it does not fit outSize bytes.
bool BuildSettingsPath(const char* folder, char* out, size_t outSize);

// Command as stored in the file: inside one extra pair of double quotes, so
// that reading it back (which strips one pair) gives the text unchanged.
// False, with out empty, when it does not fit outSize bytes.
bool QuoteCommand(const char* command, char* out, size_t outSize);

// Room that QuoteCommand needs for a command of the given length: the two
// quotes, the terminator and a little slack.
inline size_t QuotedCommandSize(size_t commandLength) { return commandLength + 10; }
