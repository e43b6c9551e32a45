// Random hand-edited settings through the copy run's portable rules; the
// sanitizers catch any write past a buffer.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "copy/command_text.h"
#include "copy/copy_text.h"
#include "tests/unit/cp932.h"

namespace {

std::string RandomText(std::mt19937& rng, size_t maxLength) {
    static const unsigned char interesting[] = {'\\', '"', ' ', 0x95, 0x5C, 0x83, 'a', ':'};
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(1, 255), pick(0, 2);
    std::string text(length(rng), 'x');
    for (char& c : text)
        c = static_cast<char>(pick(rng) ? interesting[byte(rng) % sizeof interesting] : byte(rng));
    return text;
}

struct Taken {
    int left;
};
bool FirstFewTaken(const char*, void* context) { return static_cast<Taken*>(context)->left-- > 0; }

}  // namespace

TEST(CopyFuzz, TheCommandSplitNeverCutsAPart) {
    std::mt19937 rng(4);
    for (int round = 0; round < 20000; ++round) {
        std::string command = RandomText(rng, 779);
        char program[260];
        char parameters[520];
        if (!SplitCommand(command.c_str(), program, parameters)) {
            EXPECT_STREQ(program, "");
            continue;
        }
        // Program text and parameters are whole pieces of the command.
        std::string p = program, q = parameters;
        size_t at = command.compare(0, 1, "\"") == 0 && command.find(p, 1) == 1 ? 1 : 0;
        EXPECT_EQ(command.compare(at, p.size(), p), 0) << command;
        EXPECT_EQ(command.compare(command.size() - q.size(), q.size(), q), 0) << command;
    }
}

TEST(CopyFuzz, NamesAndBackslashesStayWithinTheirBuffers) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int32_t> width(-50, 400);
    for (int round = 0; round < 20000; ++round) {
        std::string text = RandomText(rng, 300);
        char to[260];
        if (text.size() >= sizeof to) text.resize(sizeof to - 1);
        memcpy(to, text.c_str(), text.size() + 1);
        if (AppendBackslash(to, sizeof to, Cp932LeadByte)) {
            EXPECT_TRUE(EndsWithBackslash(to, Cp932LeadByte)) << text;
        } else {
            EXPECT_EQ(std::string(to), text);
        }
        EXPECT_LT(strlen(to), sizeof to);

        std::vector<char> name(ShellListSize, 'x');
        Taken taken = {static_cast<int>(rng() % 20)};
        int32_t numCount = width(rng);
        if (FindFreeFolderName(to, numCount, rng() % 2, FirstFewTaken, &taken, name.data(),
                               name.size())) {
            size_t length = strlen(name.data());
            ASSERT_LE(length + 2, name.size());
            EXPECT_EQ(name[length + 1], '\0');
            EXPECT_EQ(std::string(name.data()).compare(0, strlen(to), to), 0);
            EXPECT_GE(static_cast<int32_t>(length - strlen(to)), numCount);
        } else {
            EXPECT_EQ(name[0], '\0');
        }
    }
}
