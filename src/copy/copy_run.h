// The unattended copy run started by "/c".
#pragma once
#include <windows.h>

// 0 when the run stopped at the same-drive refusal, 1 otherwise.
int CopyRun(HINSTANCE instance);
