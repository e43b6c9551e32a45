// The catalogue file zolvane.csv in the destination folder: the search for a
// disc archived before, and lines appended to it. Nothing in the file is
// ever rewritten; a line that cannot be written yet (the file is open in a
// program that denies writing, the folder is gone) is kept and tried again.
#pragma once
#include "app/settings.h"
#include "catalog/catalog_text.h"

// The catalogue's path in to, which ends with a backslash. False when it
// does not fit.
bool CatalogPath(const char* to, char (&path)[PathSize]);

// The folder of the latest line that ends in completeTail, the disc's tail
// with the result CopyComplete; false when there is none or the file cannot
// be read.
bool FindArchivedDisc(const char* to, const char* completeTail, char (&folder)[CatalogFolderSize]);

// Appends line (with its CRLF) after the lines still kept from before.
void AppendCatalogLine(const char* to, const char* line);

// Tries the kept lines once more; true when some are still unwritten.
bool CatalogLinesUnwritten(const char* to);
