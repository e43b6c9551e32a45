// The command that the end-of-copy action starts: a program, quoted when its
// path holds a space, then a space and the parameters.
#pragma once
#include <stddef.h>

// Splits command at the first space outside double quotes. The program is
// the part before it, without one pair of quotes that encloses the whole
// part; the parameters are everything after that space, unchanged (empty
// when there is none). Returns false, both texts empty, when either part does
// not fit its buffer: a cut command must never be started.
bool SplitCommand(const char* command, char* program, size_t programSize, char* parameters,
                  size_t parametersSize);
template <size_t P, size_t Q>
bool SplitCommand(const char* command, char (&program)[P], char (&parameters)[Q]) {
    return SplitCommand(command, program, P, parameters, Q);
}
