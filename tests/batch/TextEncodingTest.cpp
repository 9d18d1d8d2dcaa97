#include "batch/TextEncoding.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

TEST(TextEncoding, Latin1RoundTripsThroughUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    const auto back = latin1FromUtf8(utf8FromLatin1(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(utf8FromLatin1("caf\xE9"), "caf\xC3\xA9");
}

TEST(TextEncoding, RejectsWhatLatin1CannotHold) {
    EXPECT_FALSE(latin1FromUtf8("\xE2\x82\xAC").has_value());  // euro sign
    EXPECT_FALSE(latin1FromUtf8("\xC3").has_value());          // cut short
    EXPECT_FALSE(latin1FromUtf8("\xC3\x41").has_value());      // bad continuation
    EXPECT_FALSE(latin1FromUtf8("\xC0\x80").has_value());      // overlong NUL
}

}  // namespace
}  // namespace tessaran
