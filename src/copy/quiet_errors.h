// While a QuietErrors lives, a drive without a disc or a sector that cannot
// be read fails the call that meets it instead of the system asking for a
// disc in a box of its own, which would hold up an unattended run.
#pragma once
#include <windows.h>

class QuietErrors {
public:
    QuietErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietErrors() { SetErrorMode(previous_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    UINT previous_;
};
