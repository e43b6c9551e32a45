// The shortcut's path from the string table's format and a folder: the one
// "%s" replaced by the folder and each "%%" by "%". Any other conversion, a
// second or no "%s", or a path that does not fit gives the empty text.
#include "ui/shortcut_path_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// The path the format asks for, or false when the format is not one.
bool Expected(const std::string& format, const std::string& folder, std::string* path) {
    bool placed = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            *path += format[i];
        } else if (format.compare(i, 2, "%%") == 0) {
            *path += '%';
            ++i;
        } else if (format.compare(i, 2, "%s") == 0 && !placed) {
            *path += folder;
            placed = true;
            ++i;
        } else {
            return false;
        }
    }
    return placed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    HeapBytes dest(input.Below(600));
    HeapBytes format(input.Text());
    HeapBytes folder(input.Text());

    std::string path;
    bool valid = Expected(format.get(), folder.get(), &path);
    bool made = FormatShortcutPath(format.get(), folder.get(), dest.get(), dest.size());
    REQUIRE(made == (valid && path.size() < dest.size()));
    REQUIRE(made ? dest.Holds(path) : dest.HoldsNothing());
    return 0;
}
