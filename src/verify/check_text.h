// The text rules of the content check (Verify=1): what each file of the disc
// came to, the lines of NNN.md5 and NNN.errors.txt beside the numbered
// folder, and the UTF-8 that the checksum file's names are written in.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <wchar.h>

#include "app/bounded_text.h"

extern const char kChecksumSuffix[];  // ".md5"
extern const char kErrorsSuffix[];    // ".errors.txt"

// What the check found out about one file of the disc.
struct FileComparison {
    bool copyMissing;  // the copy does not exist, or its path would not fit
    bool cancelled;    // the user ended the check before the file was proven
    bool unreadable;   // the disc's file or the copy could not be read to its end
    bool differs;      // their lengths or their bytes differ
};

enum FileVerdict { FileProven, FileMissing, FileNotChecked, FileUnreadable, FileDiffers };

// The first that applies, in the order of the fields.
FileVerdict JudgeFile(const FileComparison& comparison);

// Appends the UTF-8 form of count UTF-16 units (in wchar_t, as Windows holds
// them): a surrogate pair as one character, a lone surrogate as U+FFFD.
void AppendUtf8(TextBuilder& text, const wchar_t* units, size_t count);

// "<32 lower-case hex digits> *<path in UTF-8>\r\n". False, line empty, when
// it does not fit.
bool BuildChecksumLine(const uint8_t (&digest)[16], const wchar_t* path, char* line, size_t size);

// "<reason>\t<path>\r\n" in code page 932, for a file not proven. False, line
// empty, when it does not fit.
bool BuildErrorLine(FileVerdict verdict, const char* path, char* line, size_t size);
