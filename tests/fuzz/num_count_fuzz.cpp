// The digits box's text as the folder-number width: read like a decimal
// number, whatever its size, and always a width of 1 to 16 (3 for anything
// outside).
#include "ui/page_values.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes text(input.Text());

    // The standard conversion saturates a number too large for 64 bits,
    // which stays out of range.
    long long value = strtoll(text.get(), nullptr, 10);
    int32_t width = NumCountFromText(text.get());
    REQUIRE(width == (value >= 1 && value <= 16 ? value : 3));
    return 0;
}
