// Bounded random inputs, hand-edited-file style, through the portable code
// that takes settings text; the sanitizers catch any overflow.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/bounded_text.h"
#include "app/settings_text.h"
#include "shell/path_text.h"
#include "tests/unit/cp932.h"

namespace {

// Random bytes of a random length up to maxLength, biased towards the bytes
// that matter here: backslashes, quotes, spaces and lead bytes.
std::string RandomText(std::mt19937& rng, size_t maxLength) {
    static const unsigned char interesting[] = {'\\', '"', ' ', 0x95, 0x5C, 0x81, 0xFC, 'a', ':'};
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255), pick(0, 3);
    std::string text(length(rng), 'x');
    for (char& c : text)
        c = static_cast<char>(pick(rng) == 0 ? interesting[byte(rng) % sizeof interesting] : byte(rng));
    return text;
}

}  // namespace

TEST(Fuzz, SettingsTextAndPathRulesStayWithinTheirBuffers) {
    std::mt19937 rng(20261209);
    for (int round = 0; round < 20000; ++round) {
        std::string text = RandomText(rng, 1200);
        size_t size = 1 + rng() % 800;
        std::string out(size, '\x7f');

        if (BuildSettingsPath(text.c_str(), &out[0], size))
            EXPECT_LT(strlen(out.c_str()), size);
        else
            EXPECT_EQ(out[0], '\0');

        if (QuoteCommand(text.c_str(), &out[0], size)) {
            EXPECT_EQ(strlen(out.c_str()), text.size() + 2);
        }

        out.assign(size, '\x7f');
        if (DirectoryOfPath(text.c_str(), &out[0], size, Cp932LeadByte)) {
            size_t n = strlen(out.c_str());
            EXPECT_LT(n, text.size());
            EXPECT_EQ(text.compare(0, n, out.c_str()), 0);
            EXPECT_EQ(text[n], '\\');
        } else {
            EXPECT_EQ(out, std::string(size, '\x7f')) << "untouched on refusal";
        }
        EndsWithBackslash(text.c_str(), Cp932LeadByte);

        TextBuilder b(&out[0], size);
        b.Append(text.c_str()).AppendNumber(static_cast<int32_t>(rng()), static_cast<int32_t>(rng()) % 2000);
        EXPECT_LT(strlen(out.c_str()), size);
    }
}
