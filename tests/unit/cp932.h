// Code page 932 helpers for the native tests.
#pragma once

// Lead bytes of double-byte characters in code page 932.
inline bool Cp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Plain ASCII lower-casing, standing in for CharLowerA.
inline void AsciiLower(char* text) {
    for (; *text; ++text)
        if (*text >= 'A' && *text <= 'Z') *text = static_cast<char>(*text - 'A' + 'a');
}
