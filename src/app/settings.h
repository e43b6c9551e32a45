// The settings record: all configuration of the program, one global copy,
// persisted in zolvane.ini beside the executable.
#pragma once
#include <stdint.h>

enum { PathSize = 260, CommandSize = 780 };

// Bits of Flags.
enum CopyFlags : int32_t {
    ConfirmCopy = 1,     // ask before every copy pass
    RepeatCopy = 2,      // offer another disc after every pass
    MoveFiles = 4,       // move instead of copy
    NumberFromZero = 8,  // numbered folders start at 0
};

// Values of ExitMode; any other value acts like NoAction.
enum ExitModes : int32_t {
    NoAction = 0,
    ExitWindows = 1,  // shut down, or stand by with Standby
    RunCommand = 2,   // run Command
};

// Bits of ExitFlags.
enum ExitFlagBits : int32_t {
    ConfirmExit = 1,
    Standby = 2,
    ConfirmRun = 4,
};

struct SettingsRecord {
    char From[PathSize];        // source drive root, "X:\"
    char To[PathSize];          // destination parent folder; empty: none set
    char Command[CommandSize];  // program (quoted when it holds a space) and parameters
    int32_t NumCount;           // minimum digits of the folder number
    int32_t Flags;              // CopyFlags
    int32_t ExitMode;           // ExitModes
    int32_t ExitFlags;          // ExitFlagBits
};

// True when bit is set in a Flags or ExitFlags value.
inline bool HasBit(int32_t bits, int32_t bit) { return (bits & bit) != 0; }

// The one global record, filled at start-up.
extern SettingsRecord Settings;
