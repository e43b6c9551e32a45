// Settings that the settings sheet does not show: keys of section "General"
// that a user adds to zolvane.ini by hand. Each is on only when it reads 1;
// the sheet's OK leaves them as they are in the file.
#pragma once

struct HiddenSettingsRecord {
    bool Catalog;   // a line per disc in zolvane.csv, and no disc archived twice
    bool Eject;     // a CD comes out after its pass
    bool AutoNext;  // repeat mode waits for the next disc instead of asking
    bool Verify;    // every copied file compared with the disc, and NNN.md5
};

// Read at start-up with the settings record; all off before that.
extern HiddenSettingsRecord HiddenSettings;

// AutoNext waits for the next disc only in repeat mode; otherwise the run
// has no next disc.
bool AutoNextInEffect();

// Verify checks a copy only: with MoveFiles nothing is left on the disc to
// compare with.
bool VerifyInEffect();

void ReadHiddenSettingsFrom(const char* iniPath, HiddenSettingsRecord* record);
