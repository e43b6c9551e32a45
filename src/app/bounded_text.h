// Bounded text building over fixed char buffers: no write past the end and
// no silently shortened result. A builder that ran out of room reports it and
// leaves the buffer holding the empty text, so a cut path can never be used.
#pragma once
#include <stddef.h>
#include <stdint.h>

// Number of elements of a real array; refuses pointers at compile time.
template <typename T, size_t N>
constexpr size_t ArraySize(T (&)[N]) { return N; }

class TextBuilder {
public:
    TextBuilder(char* buffer, size_t size);
    template <size_t N>
    explicit TextBuilder(char (&buffer)[N]) : TextBuilder(buffer, N) {}

    TextBuilder& Append(const char* text);
    TextBuilder& Append(const char* text, size_t length);
    TextBuilder& Append(char c);
    // Decimal number, padded with leading zeros to at least minDigits digits.
    TextBuilder& AppendNumber(int64_t value, int minDigits = 0);

    // True when everything appended so far fits with its terminator.
    // On false the buffer holds the empty text.
    bool Ok() const { return ok_; }
    size_t Length() const { return length_; }

private:
    void Fail();
    char* buffer_;
    size_t size_;
    size_t length_;
    bool ok_;
};

// Length of a NUL-terminated text, looking at most at limit bytes; returns
// limit when no terminator lies within them.
size_t BoundedLength(const char* text, size_t limit);

// Writes format into dest with its one "%s" replaced by text and each "%%" by
// "%". False, with dest holding the empty text, when the result does not fit
// in destSize bytes, or the format lacks its "%s" or holds any other
// conversion or a second "%s". ('%' is never the second byte of a double-byte
// character, so the format can be read byte by byte.)
bool FormatWithText(const char* format, const char* text, char* dest, size_t destSize);
template <size_t N>
bool FormatWithText(const char* format, const char* text, char (&dest)[N]) {
    return FormatWithText(format, text, dest, N);
}

// Copies text into a buffer when it fits with its terminator; otherwise
// leaves the buffer untouched and returns false.
bool CopyText(char* dest, size_t destSize, const char* text);
template <size_t N>
bool CopyText(char (&dest)[N], const char* text) { return CopyText(dest, N, text); }
