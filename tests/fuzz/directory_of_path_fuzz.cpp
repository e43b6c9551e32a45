// The folder of a path: everything before its last backslash that is a
// character of its own in code page 932 (not the second byte of a
// double-byte character). Without one, or when the folder does not fit, the
// destination keeps every byte it had.
#include "shell/path_text.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/unit/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes dest(input.Below(300));
    HeapBytes path(input.Text());
    const std::string text = path.get();
    const std::string before = dest.Bytes();

    size_t last = std::string::npos;
    for (size_t start : Cp932CharacterStarts(text))
        if (text[start] == '\\') last = start;

    bool found = DirectoryOfPath(path.get(), dest.get(), dest.size(), Cp932LeadByte);
    REQUIRE(found == (last != std::string::npos && last < dest.size()));
    if (found)
        REQUIRE(dest.Holds(text.substr(0, last)));
    else
        REQUIRE(dest.Bytes() == before);
    REQUIRE(std::string(path.get()) == text);
    return 0;
}
