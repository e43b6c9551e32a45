#include "app/settings_file.h"

#include <windows.h>

#include "app/bounded_text.h"
#include "app/hidden_settings.h"
#include "app/settings_text.h"

SettingsRecord Settings;
char gSettingsPath[PathSize];

static void* GlobalHeapAlloc(size_t size) { return GlobalAlloc(GPTR, size); }
static void GlobalHeapFree(void* block) { GlobalFree(block); }
QuoteBufferHeap gQuoteBufferHeap = {GlobalHeapAlloc, GlobalHeapFree};

static const char kSection[] = "General";

void ReadSettingsFrom(const char* ini, SettingsRecord* s) {
    GetPrivateProfileStringA(kSection, "To", "", s->To, ArraySize(s->To), ini);
    GetPrivateProfileStringA(kSection, "From", "", s->From, ArraySize(s->From), ini);
    GetPrivateProfileStringA(kSection, "Command", "", s->Command, ArraySize(s->Command), ini);
    s->Flags = GetPrivateProfileIntA(kSection, "Flags", 0, ini);
    s->ExitMode = GetPrivateProfileIntA(kSection, "ExitMode", 0, ini);
    s->ExitFlags = GetPrivateProfileIntA(kSection, "ExitFlags", 0, ini);
    s->NumCount = GetPrivateProfileIntA(kSection, "NumCount", 0, ini);
}

namespace {

// The command goes into the file inside one extra pair of quotes. When no
// buffer can be had for that, the key keeps what the file holds rather than
// being overwritten with an empty command.
void WriteCommand(const char* ini, const char* command) {
    size_t size = QuotedCommandSize(BoundedLength(command, CommandSize));
    char* quoted = static_cast<char*>(gQuoteBufferHeap.alloc(size));
    if (!quoted) return;
    if (QuoteCommand(command, quoted, size))
        WritePrivateProfileStringA(kSection, "Command", quoted, ini);
    gQuoteBufferHeap.free(quoted);
}

void WriteNumber(const char* ini, const char* key, int32_t value) {
    char text[256];
    TextBuilder(text).AppendNumber(value);
    WritePrivateProfileStringA(kSection, key, text, ini);
}

}  // namespace

void WriteSettingsTo(const char* ini, const SettingsRecord& s) {
    WritePrivateProfileStringA(kSection, "To", s.To, ini);
    WritePrivateProfileStringA(kSection, "From", s.From, ini);
    WriteCommand(ini, s.Command);
    WriteNumber(ini, "Flags", s.Flags);
    WriteNumber(ini, "ExitMode", s.ExitMode);
    WriteNumber(ini, "ExitFlags", s.ExitFlags);
    WriteNumber(ini, "NumCount", s.NumCount);
}

void ReadSettings() {
    if (gSettingsPath[0] == '\0') return;  // the record keeps its all-zero defaults
    ReadSettingsFrom(gSettingsPath, &Settings);
    ReadHiddenSettingsFrom(gSettingsPath, &HiddenSettings);
}

void WriteSettings() {
    if (gSettingsPath[0] == '\0') return;
    WriteSettingsTo(gSettingsPath, Settings);
}
