// Who is asked about a disc that the catalogue knows as archived whole.
#pragma once
#include "copy/pass_start.h"

// True when the run asks whether to copy the disc again: it asks before each
// disc anyway (confirmCopy), the user has just pressed 今すぐコピー, or a
// person began the pass and is there to answer: in repeat mode, and without
// it when the end-of-copy action asks too. A disc that started its pass by
// itself, and a single pass that ends in an action nobody confirms, are
// skipped without a question, so that an unattended run never waits.
bool AsksAboutKnownDisc(bool confirmCopy, bool repeat, bool endRunsUnasked, PassStart start);
