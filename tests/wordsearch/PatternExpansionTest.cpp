#include "wordsearch/PatternExpansion.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

TEST(PatternExpansion, ReplacesBothCharactersButNeverInsideAnEscapePair) {
    EXPECT_EQ(expandPattern("@.#", "[aeiou]", "[^aeiou]"), "[aeiou].[^aeiou]");
    EXPECT_EQ(expandPattern("\\@@\\#", "x", "y"), "\\@x\\#");
    EXPECT_EQ(expandPattern("\\\\@", "x", ""), "\\\\x");  // an escaped backslash
    EXPECT_EQ(expandPattern("a\\", "x", "y"), "a\\");
}

TEST(PatternExpansion, AnEmptyExpansionLeavesTheCharacter) {
    EXPECT_EQ(expandPattern("@#", "", ""), "@#");
    EXPECT_EQ(expandPattern("@#", "", "z"), "@z");
}

}  // namespace
}  // namespace tessaran
