// Code page 932 helpers for the native tests.
#pragma once
#include <string>
#include <vector>

// Lead bytes of double-byte characters in code page 932.
inline bool Cp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Where each character of text starts: a lead byte and the byte after it
// make one character; a lead byte at the very end stands alone.
inline std::vector<size_t> Cp932CharacterStarts(const std::string& text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        starts.push_back(i);
        if (Cp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
    }
    return starts;
}

// Plain ASCII lower-casing, standing in for CharLowerA.
inline void AsciiLower(char* text) {
    for (; *text; ++text)
        if (*text >= 'A' && *text <= 'Z') *text = static_cast<char>(*text - 'A' + 'a');
}
