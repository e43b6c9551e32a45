// The catalogue's part in a pass of the copy run: what the disc holds before
// it is copied, the guard against a disc archived whole before, what arrived,
// and the line that records it. With Catalog off every step does nothing.
#pragma once
#include <windows.h>

#include "catalog/catalog_text.h"
#include "copy/pass_start.h"
#include "copy/shell_copy.h"

struct DiscRecord {
    bool recorded;                   // Catalog is on: the pass gets a line
    VolumeIdentity volume;
    TreeTally source;
    char folder[CatalogFolderSize];  // the numbered folder, or the one matched
    CatalogResult result;
};

// Takes the disc's label and serial and counts its tree, the system's
// critical-error boxes off.
void ReadDiscRecord(const char* from, const VolumeIdentity& volume, DiscRecord* record);

// True when the disc is to be skipped: it was archived whole before, and the
// user, when the pass asks (see AsksAboutKnownDisc), chose not to copy it
// again.
bool SkipArchivedDisc(HINSTANCE instance, PassStart start, DiscRecord* record);

// Counts what arrived in destination and judges the copy, with what the
// check by content found.
void JudgeDiscCopy(const char* destination, const CopyOutcome& outcome, ContentCheck check,
                   DiscRecord* record);

// Appends the pass's line to the catalogue.
void AppendDiscRecord(const DiscRecord& record);

// Before the run ends: one warning when lines could not be written to
// either file, unless the end-of-copy action is about to run without a
// question (quiet).
void WarnOfUnwrittenRecords(HINSTANCE instance, bool quiet);
