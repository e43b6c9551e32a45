// What every fuzz target shares: the input read as the arguments of a rule,
// buffers that AddressSanitizer watches to the byte, and the property check.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

// A property that must hold; a failure aborts, so libFuzzer keeps the input.
#define REQUIRE(condition) \
    ((condition) ? (void)0 : PropertyFailed(#condition, __FILE__, __LINE__))
[[noreturn]] inline void PropertyFailed(const char* what, const char* file, int line) {
    fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
    abort();
}

// Reads the fuzz input front to back; past its end every read gives zeros
// and empty texts.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // Two bytes, little end first, taken modulo limit.
    size_t Below(size_t limit) {
        size_t low = Byte();
        return (low | static_cast<size_t>(Byte()) << 8) % limit;
    }
    int32_t Int32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
        return static_cast<int32_t>(value);
    }
    // The bytes up to the next NUL, which is used up too, or to the end.
    std::string Text() {
        size_t start = at_;
        while (at_ < size_ && data_[at_] != 0) ++at_;
        std::string text(reinterpret_cast<const char*>(data_) + start, at_ - start);
        if (at_ < size_) ++at_;
        return text;
    }
    bool AtEnd() const { return at_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Exactly size bytes on the heap, so that any access past them is reported.
class HeapBytes {
public:
    // Filled with bytes other than NUL, so that a missing terminator shows.
    explicit HeapBytes(size_t size) : size_(size), data_(static_cast<char*>(malloc(size))) {
        for (size_t i = 0; i < size; ++i) data_[i] = static_cast<char>(0xA0 + i % 7);
    }
    // A text and its terminator, nothing more.
    explicit HeapBytes(const std::string& text) : HeapBytes(text.size() + 1) {
        memcpy(data_, text.c_str(), text.size() + 1);
    }
    ~HeapBytes() { free(data_); }
    HeapBytes(const HeapBytes&) = delete;
    HeapBytes& operator=(const HeapBytes&) = delete;

    char* get() { return data_; }
    size_t size() const { return size_; }
    std::string Bytes() const { return std::string(data_, size_); }
    // True when a terminator lies inside the buffer.
    bool Terminated() const { return memchr(data_, 0, size_) != nullptr; }
    // True when the buffer holds text, terminator included.
    bool Holds(const std::string& text) const {
        return text.size() < size_ && memcmp(data_, text.c_str(), text.size() + 1) == 0;
    }
    // The empty text, as a failed builder leaves; a buffer of no bytes
    // cannot hold even that and must stay untouched, which ASan sees.
    bool HoldsNothing() const { return size_ == 0 || data_[0] == '\0'; }

private:
    size_t size_;
    char* data_;
};
