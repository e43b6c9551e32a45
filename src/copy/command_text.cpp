#include "copy/command_text.h"

#include "app/bounded_text.h"

namespace {

// Index of the separating space, or of the terminator. No byte of a
// double-byte character in code page 932 is a space or a double quote, so a
// byte-wise scan is safe.
size_t ProgramPartLength(const char* command) {
    bool quoted = false;
    size_t i = 0;
    for (; command[i] != '\0'; ++i) {
        if (command[i] == '"') quoted = !quoted;
        else if (command[i] == ' ' && !quoted) break;
    }
    return i;
}

}  // namespace

bool SplitCommand(const char* command, char* program, size_t programSize, char* parameters,
                  size_t parametersSize) {
    size_t end = ProgramPartLength(command);
    const char* part = command;
    size_t partLength = end;
    if (partLength >= 2 && part[0] == '"' && part[partLength - 1] == '"') {
        part += 1;
        partLength -= 2;
    }
    const char* rest = command[end] == ' ' ? command + end + 1 : "";

    TextBuilder programText(program, programSize);
    TextBuilder parameterText(parameters, parametersSize);
    programText.Append(part, partLength);
    parameterText.Append(rest);
    if (programText.Ok() && parameterText.Ok()) return true;
    if (programSize > 0) program[0] = '\0';
    if (parametersSize > 0) parameters[0] = '\0';
    return false;
}
