#include "app/bounded_text.h"

#include <string.h>

TextBuilder::TextBuilder(char* buffer, size_t size)
    : buffer_(buffer), size_(size), length_(0), ok_(size > 0) {
    if (ok_) buffer_[0] = '\0';
}

void TextBuilder::Fail() {
    ok_ = false;
    length_ = 0;
    if (size_ > 0) buffer_[0] = '\0';
}

TextBuilder& TextBuilder::Append(const char* text, size_t length) {
    if (!ok_) return *this;
    if (length >= size_ - length_) {
        Fail();
        return *this;
    }
    memcpy(buffer_ + length_, text, length);
    length_ += length;
    buffer_[length_] = '\0';
    return *this;
}

TextBuilder& TextBuilder::Append(const char* text) {
    return Append(text, strlen(text));
}

TextBuilder& TextBuilder::Append(char c) {
    return Append(&c, 1);
}

namespace {

// Takes one decimal digit off value: value becomes value / 10, and the
// remainder is returned. Worked in 16-bit steps, so that 32-bit x86 needs no
// library routine for a 64-bit division.
unsigned TakeLastDigit(uint64_t* value) {
    uint64_t quotient = 0;
    uint32_t rest = 0;
    for (int shift = 48; shift >= 0; shift -= 16) {
        uint32_t part = (rest << 16) | static_cast<uint32_t>((*value >> shift) & 0xFFFF);
        quotient |= static_cast<uint64_t>(part / 10) << shift;
        rest = part % 10;
    }
    *value = quotient;
    return rest;
}

}  // namespace

TextBuilder& TextBuilder::AppendNumber(int64_t value, int minDigits) {
    char digits[24];
    size_t count = 0;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value)
                                   : static_cast<uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + TakeLastDigit(&magnitude));
    } while (magnitude != 0);
    if (value < 0) Append('-');
    for (int pad = minDigits - static_cast<int>(count); pad > 0 && ok_; --pad) Append('0');
    while (count > 0 && ok_) Append(digits[--count]);
    return *this;
}

size_t BoundedLength(const char* text, size_t limit) {
    const void* end = memchr(text, '\0', limit);
    return end ? static_cast<size_t>(static_cast<const char*>(end) - text) : limit;
}

bool CopyText(char* dest, size_t destSize, const char* text) {
    size_t length = BoundedLength(text, destSize);
    if (length >= destSize) return false;
    memcpy(dest, text, length + 1);
    return true;
}

bool FormatWithText(const char* format, const char* text, char* dest, size_t destSize) {
    TextBuilder result(dest, destSize);
    bool textPlaced = false;
    for (const char* p = format; *p != '\0'; ++p) {
        if (*p != '%') {
            result.Append(*p);
            continue;
        }
        ++p;
        if (*p == '%') {
            result.Append('%');
        } else if (*p == 's' && !textPlaced) {
            result.Append(text);
            textPlaced = true;
        } else {
            if (destSize > 0) dest[0] = '\0';
            return false;
        }
    }
    if (textPlaced) return result.Ok();
    if (destSize > 0) dest[0] = '\0';
    return false;
}
