#include "copy/copy_text.h"

#include <string.h>

#include "app/bounded_text.h"

namespace {

// Builds text into list so that two NULs follow it; false, list empty, when
// the text and both NULs do not fit.
class ShellListBuilder {
public:
    ShellListBuilder(char* list, size_t size)
        : list_(list), size_(size), text_(list, size > 0 ? size - 1 : 0) {}
    TextBuilder& Text() { return text_; }
    bool Finish() {
        if (size_ < 2 || !text_.Ok()) {
            if (size_ > 0) memset(list_, 0, size_ < 2 ? size_ : 2);
            return false;
        }
        list_[text_.Length() + 1] = '\0';
        return true;
    }

private:
    char* list_;
    size_t size_;
    TextBuilder text_;
};

bool BuildNumberedName(const char* to, int64_t number, int digits, char* name, size_t size) {
    ShellListBuilder builder(name, size);
    builder.Text().Append(to).AppendNumber(number, digits);
    return builder.Finish();
}

}  // namespace

bool FindFreeFolderName(const char* to, int32_t numCount, bool fromZero, NameExists exists,
                        void* context, char* name, size_t nameSize) {
    int digits = numCount < 0 ? 0 : numCount;
    for (int64_t number = fromZero ? 0 : 1; number < INT64_MAX; ++number) {
        if (!BuildNumberedName(to, number, digits, name, nameSize)) return false;
        if (!exists(name, context)) return true;
    }
    if (nameSize > 0) name[0] = '\0';
    return false;
}

bool SameDrive(const char* toFull, const char* fromFull) { return toFull[0] == fromFull[0]; }

bool AppendBackslash(char* text, size_t size, LeadByteTest isLead) {
    if (EndsWithBackslash(text, isLead)) return true;
    size_t length = BoundedLength(text, size);
    if (length + 1 >= size) return false;
    text[length] = '\\';
    text[length + 1] = '\0';
    // After a lone lead byte (a text cut inside a double-byte character) the
    // backslash would become that character's second byte.
    if (EndsWithBackslash(text, isLead)) return true;
    text[length] = '\0';
    return false;
}

bool BuildSourceList(const char* from, char* list, size_t listSize) {
    ShellListBuilder builder(list, listSize);
    builder.Text().Append(from).Append("*.*");
    return builder.Finish();
}
