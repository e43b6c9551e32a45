#include "app/bounded_text.h"
#include "app/growing_text.h"

#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

#include <string>

TEST(TextBuilder, AppendsTextCharactersAndPaddedNumbers) {
    char out[32];
    TextBuilder b(out);
    b.Append("C:\\x\\").AppendNumber(7, 3).Append('-').AppendNumber(-42).AppendNumber(1000, 3);
    EXPECT_TRUE(b.Ok());
    EXPECT_STREQ(out, "C:\\x\\007--421000");
    EXPECT_EQ(b.Length(), strlen(out));
}

TEST(TextBuilder, FillsExactlyToTheTerminatorAndFailsOneByteLater) {
    char out[4];
    EXPECT_TRUE(TextBuilder(out).Append("abc").Ok());
    EXPECT_STREQ(out, "abc");
    TextBuilder over(out);
    over.Append("abc").Append('d');
    EXPECT_FALSE(over.Ok());
    EXPECT_STREQ(out, "") << "a text that does not fit is never left cut";
    over.Append("x");  // stays failed
    EXPECT_FALSE(over.Ok());
    EXPECT_STREQ(out, "");
}

TEST(TextBuilder, NumbersAtTheLimits) {
    char out[64];
    EXPECT_TRUE(TextBuilder(out).AppendNumber(INT64_MIN).Ok());
    EXPECT_STREQ(out, "-9223372036854775808");
    EXPECT_TRUE(TextBuilder(out).AppendNumber(0, 0).Ok());
    EXPECT_STREQ(out, "0");
    EXPECT_TRUE(TextBuilder(out).AppendNumber(5, -9).Ok()) << "negative width pads nothing";
    EXPECT_STREQ(out, "5");
    EXPECT_FALSE(TextBuilder(out).AppendNumber(1, 0x7fffffff).Ok()) << "huge width cannot fit";
    EXPECT_STREQ(out, "");
}

TEST(CopyText, CopiesOnlyWhatFits) {
    char dest[4] = "old";
    EXPECT_FALSE(CopyText(dest, "abcd"));
    EXPECT_STREQ(dest, "old");
    EXPECT_TRUE(CopyText(dest, "abc"));
    EXPECT_STREQ(dest, "abc");
    EXPECT_EQ(BoundedLength("abcdef", 3), 3u);
    EXPECT_EQ(BoundedLength("ab", 3), 2u);
}

TEST(GrowingText, KeepsEveryLineInOrderAsItGrows) {
    GrowingText text = {};
    std::string expected;
    for (int i = 0; i < 500; ++i) {
        std::string line = std::to_string(i) + std::string(i % 7, 'x') + "\r\n";
        ASSERT_TRUE(text.Add(line.data(), line.size()));
        expected += line;
    }
    EXPECT_EQ(std::string(text.bytes, text.length), expected);
    EXPECT_FALSE(text.lost);
    EXPECT_FALSE(text.Add("x", SIZE_MAX)) << "more than the heap can ever give";
    EXPECT_TRUE(text.lost);
    EXPECT_EQ(text.length, expected.size());
    text.Free();
    EXPECT_EQ(text.length, 0u);
    EXPECT_FALSE(text.lost);
}
