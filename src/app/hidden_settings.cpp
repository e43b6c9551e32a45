#include "app/hidden_settings.h"

#include <windows.h>

#include "app/settings.h"

HiddenSettingsRecord HiddenSettings;

static bool KeyIsOn(const char* key, const char* ini) {
    return GetPrivateProfileIntA("General", key, 0, ini) == 1;
}

bool AutoNextInEffect() { return HiddenSettings.AutoNext && HasBit(Settings.Flags, RepeatCopy); }

bool VerifyInEffect() { return HiddenSettings.Verify && !HasBit(Settings.Flags, MoveFiles); }

void ReadHiddenSettingsFrom(const char* ini, HiddenSettingsRecord* record) {
    record->Catalog = KeyIsOn("Catalog", ini);
    record->Eject = KeyIsOn("Eject", ini);
    record->AutoNext = KeyIsOn("AutoNext", ini);
    record->Verify = KeyIsOn("Verify", ini);
}
