// Reading and writing the settings file with the private-profile functions.
#pragma once
#include <stddef.h>

#include "app/settings.h"

// Full path of zolvane.ini; empty when it could not be built, and then the
// defaults apply and nothing is written.
extern char gSettingsPath[PathSize];

// Fills the global Settings and HiddenSettings from the file (defaults for
// what is missing).
void ReadSettings();
// Writes all seven keys of the global Settings into section "General".
void WriteSettings();

// The same on an explicit record and file, for the two above.
void ReadSettingsFrom(const char* iniPath, SettingsRecord* record);
void WriteSettingsTo(const char* iniPath, const SettingsRecord& record);

// Where the temporary buffer for the quoted command comes from: the global
// heap, zero-filled. Tests replace it to see a failed allocation.
struct QuoteBufferHeap {
    void* (*alloc)(size_t size);
    void (*free)(void* block);
};
extern QuoteBufferHeap gQuoteBufferHeap;
