// The catalogue file zolvane.csv in the destination folder: the search for a
// disc archived before, and lines appended to it. Nothing in the file is
// ever rewritten, and no line is lost or written twice: a line that the
// catalogue cannot take (a program holds it and denies writing, the disk is
// full) goes at once to zolvane.pending.csv beside it, whose lines join the
// catalogue by themselves at a later append; only a line that fits in
// neither file waits in memory and is tried again.
#pragma once
#include "app/settings.h"
#include "catalog/catalog_text.h"

// The catalogue's path in to, which ends with a backslash. False when it
// does not fit.
bool CatalogPath(const char* to, char (&path)[PathSize]);

// The folder of the latest line that ends in completeTail, the disc's tail
// with the result CopyComplete, in the catalogue, then the pending file, then
// the lines waiting in memory; false when there is none.
bool FindArchivedDisc(const char* to, const char* completeTail, char (&folder)[CatalogFolderSize]);

// Appends line (with its CRLF) after the lines that wait from before.
void AppendCatalogLine(const char* to, const char* line);

// Tries the waiting lines once more; true when some are still in memory only,
// or were lost.
bool CatalogLinesUnwritten(const char* to);
