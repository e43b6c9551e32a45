// Settings that the settings sheet does not show: keys of section "General"
// that a user adds to zolvane.ini by hand. Each is on only when it reads 1;
// the sheet's OK leaves them as they are in the file.
#pragma once

struct HiddenSettingsRecord {
    bool Catalog;   // a line per disc in zolvane.csv, and no disc archived twice
    bool Eject;     // a CD comes out after its pass
    bool AutoNext;  // repeat mode waits for the next disc instead of asking
};

// Read at start-up with the settings record; all off before that.
extern HiddenSettingsRecord HiddenSettings;

// AutoNext waits for the next disc only in repeat mode; otherwise the run
// has no next disc.
bool AutoNextInEffect();

void ReadHiddenSettingsFrom(const char* iniPath, HiddenSettingsRecord* record);
