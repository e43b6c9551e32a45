// The command as the settings file stores it: inside one extra pair of
// double quotes, so that the reader, which strips one enclosing pair, gives
// back the command as it was.
#include "app/settings_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

enum { CommandSize = 780 };

// What reading the key gives for a value text: one pair of double or single
// quotes that encloses the whole value is dropped.
std::string ReadBack(const std::string& value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes out(input.Below(1024));
    HeapBytes command(input.Text());
    std::string text = command.get();

    bool quoted = QuoteCommand(command.get(), out.get(), out.size());
    REQUIRE(quoted == (text.size() + 2 < out.size()));
    if (!quoted) {
        REQUIRE(out.HoldsNothing());
    } else {
        REQUIRE(out.Terminated());
        // A command that the record holds, on one line of the file, comes
        // back unchanged.
        if (text.size() < CommandSize && text.find_first_of("\r\n") == std::string::npos)
            REQUIRE(ReadBack(out.get()) == text);
    }

    // The temporary buffer that writing the file takes always has room.
    HeapBytes room(QuotedCommandSize(text.size()));
    REQUIRE(QuoteCommand(command.get(), room.get(), room.size()));
    return 0;
}
