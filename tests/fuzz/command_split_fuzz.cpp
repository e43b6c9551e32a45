// The end-of-copy command split into the program and its parameters: the
// two parts as the rule gives them, or, when either does not fit, both texts
// empty, so that no cut command is ever started.
#include "copy/command_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

struct Parts {
    std::string program, parameters;
};

// The rule in plain terms: the first space outside double quotes separates;
// a program part enclosed in quotes loses that one pair.
Parts Expected(const std::string& command) {
    size_t end = 0;
    for (bool quoted = false; end < command.size(); ++end) {
        if (command[end] == '"') quoted = !quoted;
        if (command[end] == ' ' && !quoted) break;
    }
    Parts parts{command.substr(0, end), end < command.size() ? command.substr(end + 1) : ""};
    std::string& program = parts.program;
    if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
        program = program.substr(1, program.size() - 2);
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes program(input.Below(1100));
    HeapBytes parameters(input.Below(1100));
    HeapBytes command(input.Text());

    Parts want = Expected(command.get());
    bool fits = want.program.size() < program.size() && want.parameters.size() < parameters.size();
    bool split = SplitCommand(command.get(), program.get(), program.size(), parameters.get(),
                              parameters.size());
    REQUIRE(split == fits);
    if (split) {
        REQUIRE(program.Holds(want.program));
        REQUIRE(parameters.Holds(want.parameters));
    } else {
        REQUIRE(program.HoldsNothing());
        REQUIRE(parameters.HoldsNothing());
    }
    return 0;
}
