// The first free numbered folder name, over a stand-in lookup: the names
// taken are To followed by the texts that the input lists (numbers of any
// width, or anything else). The name found is never a taken one, it is the
// first free number padded to the width, and it ends with two NULs inside
// its buffer; when that name would not fit, the name is empty.
#include <algorithm>
#include <set>

#include "copy/copy_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

struct Lookup {
    std::set<std::string> taken;
    size_t probes = 0;
};

bool Taken(const char* name, void* context) {
    Lookup* lookup = static_cast<Lookup*>(context);
    ++lookup->probes;
    return lookup->taken.count(name) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    uint8_t flags = input.Byte();
    bool fromZero = flags & 1;
    // Mostly the widths that a settings file holds; now and then any at all.
    int32_t numCount = flags & 2 ? input.Int32() : static_cast<int8_t>(input.Byte());
    HeapBytes name(input.Below(300));
    HeapBytes to(input.Text());
    const std::string prefix = to.get();
    Lookup lookup;
    while (!input.AtEnd()) lookup.taken.insert(prefix + input.Text());

    bool found = FindFreeFolderName(to.get(), numCount, fromZero, Taken, &lookup, name.get(),
                                    name.size());

    // Walk the numbers in order up to the first free name, or the first
    // name that does not fit with its two NULs. Each step but the last
    // passes a taken name, so the walk is as short as the list.
    size_t width = numCount < 0 ? 0 : static_cast<size_t>(numCount);
    for (long long number = fromZero ? 0 : 1;; ++number) {
        std::string digits = std::to_string(number);
        size_t length = prefix.size() + std::max(width, digits.size());
        if (length + 2 > name.size()) {
            REQUIRE(!found);
            REQUIRE(name.HoldsNothing());
            break;
        }
        std::string zeros(length - prefix.size() - digits.size(), '0');
        std::string candidate = prefix + zeros + digits;
        if (lookup.taken.count(candidate) == 0) {
            REQUIRE(found);
            REQUIRE(name.Holds(candidate));
            REQUIRE(name.get()[length + 1] == '\0');
            break;
        }
    }
    // No more look-ups than the taken names and the free one.
    REQUIRE(lookup.probes <= lookup.taken.size() + 1);
    return 0;
}
