// The text rules of the archive catalogue zolvane.csv: one comma-separated
// line per disc in code page 932 with CRLF, and the reader that finds a disc
// archived before.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "catalog/result_rule.h"
#include "catalog/tree_walk.h"
#include "copy/volume_identity.h"

enum {
    CatalogFolderSize = 270,  // the folder field of a line read back
    CatalogLineSize = 1024,   // a whole line, quotes and CRLF included
};

// The first line of a new catalogue, with its CRLF.
extern const char kCatalogHeader[];

// What follows the folder and the time in a line: ",label,serial,files,
// bytes,result". The label is written with a CR or LF as a space, the serial
// as XXXX-XXXX in upper-case hex; both are empty when the volume could not be
// read. A field holding a comma or a double quote is quoted, its quotes
// doubled. False, tail empty, when it does not fit.
bool BuildDiscTail(const VolumeIdentity& volume, const TreeTally& tally, CatalogResult result,
                   char* tail, size_t size);

struct CalendarTime {
    int year, month, day, hour, minute, second;
};

// folder, "YYYY-MM-DD hh:mm:ss", the tail and CRLF. False, line empty, when
// it does not fit.
bool BuildCatalogLine(const char* folder, const CalendarTime& when, const char* tail, char* line,
                      size_t size);

// What an append writes before its first line, so that the line starts a
// line of its own: header in a file of size 0, nothing after a line feed, LF
// after a CR, CRLF after any other last byte.
const char* TextBeforeAppend(uint64_t size, char lastByte, const char* header);

// One line of the catalogue, without its CR and LF.
typedef void (*CatalogLineFound)(const char* line, void* context);

// Reads a catalogue fed in pieces of any size. Lines end at a line feed,
// which is never a byte of a double-byte character in code page 932. A line
// too long for CatalogLineSize, or holding a NUL, is passed over up to its
// line feed.
class CatalogReader {
public:
    CatalogReader(CatalogLineFound found, void* context);
    void Feed(const char* bytes, size_t count);
    void Finish();  // the last line, when the file does not end with a line feed

private:
    void EndLine();
    CatalogLineFound found_;
    void* context_;
    char line_[CatalogLineSize];
    size_t length_;
    bool skipped_;
};

// Collects the folder of the latest line that has exactly the disc's tail
// with the result CopyComplete. Folder and time hold no comma and no quote
// as the program writes them; a line whose first two fields do is passed
// over, like any line that differs from the tail by a byte.
struct KnownDiscSearch {
    const char* tail;
    bool found;
    char folder[CatalogFolderSize];
};
void NoteKnownDisc(const char* line, void* search);
