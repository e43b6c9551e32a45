// The catalogue read from a hand-edited, cut or binary file, fed in pieces
// of any size: the guard finds a disc only on a line that ends in exactly
// its tail, and the folder it names is that line's first field.
#include "catalog/catalog_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

struct Check {
    std::string tail;
    KnownDiscSearch search;
};

void CheckLine(const char* line, void* context) {
    Check* check = static_cast<Check*>(context);
    size_t length = strlen(line);
    REQUIRE(length < CatalogLineSize);
    REQUIRE(memchr(line, '\n', length) == nullptr);
    bool before = check->search.found;
    check->search.found = false;
    NoteKnownDisc(line, &check->search);
    if (check->search.found) {
        const std::string text(line);
        std::string folder = check->search.folder;
        REQUIRE(text.size() > check->tail.size());
        REQUIRE(text.compare(text.size() - check->tail.size(), std::string::npos, check->tail) == 0);
        REQUIRE(text.compare(0, folder.size() + 1, folder + ",") == 0);
        REQUIRE(folder.find_first_of(",\"") == std::string::npos);
    }
    check->search.found = check->search.found || before;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    Check check;
    check.tail = input.Text();
    check.search = {check.tail.c_str(), false, ""};
    size_t piece = 1 + input.Below(64);
    CatalogReader reader(CheckLine, &check);
    while (!input.AtEnd()) {
        std::string bytes;
        for (size_t i = 0; i < piece && !input.AtEnd(); ++i) bytes += static_cast<char>(input.Byte());
        HeapBytes exact(bytes.size());
        memcpy(exact.get(), bytes.data(), bytes.size());
        reader.Feed(exact.get(), exact.size());
    }
    reader.Finish();
    return 0;
}
