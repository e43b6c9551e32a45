// The settings file's path from the program's folder: the whole path, or,
// when it does not fit, the empty text and never a cut one.
#include "app/settings_text.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes out(input.Below(1024));
    HeapBytes folder(input.Text());

    std::string path = std::string(folder.get()) + "\\zolvane.ini";
    bool built = BuildSettingsPath(folder.get(), out.get(), out.size());
    REQUIRE(built == (path.size() < out.size()));
    REQUIRE(built ? out.Holds(path) : out.HoldsNothing());
    return 0;
}
