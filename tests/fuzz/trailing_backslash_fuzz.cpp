// The trailing backslash that the copy run gives To and From: a text whose
// last character (in code page 932) is a backslash stays as it is; any other
// gets one, as a character of its own. Without room for it, or after a lone
// lead byte that would take it as its second byte, the text stays as it was.
#include "copy/copy_text.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/unit/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    size_t room = 1 + input.Below(300);
    std::string text = input.Text().substr(0, room - 1);
    HeapBytes buffer(room);
    memcpy(buffer.get(), text.c_str(), text.size() + 1);

    std::vector<size_t> starts = Cp932CharacterStarts(text);
    bool endsWithOne = !starts.empty() && text[starts.back()] == '\\';
    bool merges = Cp932CharacterStarts(text + "\\").size() == starts.size();
    REQUIRE(EndsWithBackslash(buffer.get(), Cp932LeadByte) == endsWithOne);

    bool appended = AppendBackslash(buffer.get(), buffer.size(), Cp932LeadByte);
    bool fits = text.size() + 1 < room;
    REQUIRE(appended == (endsWithOne || (fits && !merges)));
    REQUIRE(buffer.Holds(appended && !endsWithOne ? text + "\\" : text));
    return 0;
}
