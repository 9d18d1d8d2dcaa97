// What the builder's typed fields mean where the window tests do not reach.

#include "builder/BuilderFields.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

TEST(BuilderFields, DictionaryNameTakesOnlyTheFileNamesOwnExtension) {
    EXPECT_EQ(dictionaryNameFor("/lists/words.tar.txt"), "/lists/words.tar.lxd");
    EXPECT_EQ(dictionaryNameFor("words."), "words.lxd");
    EXPECT_EQ(dictionaryNameFor("/lists/.words"), "/lists/.words.lxd");
}

TEST(BuilderFields, NumberFieldsReadAsTheBuildTakesThem) {
    EXPECT_EQ(fieldValue(" -7 "), -7);
    EXPECT_EQ(fieldValue("+3"), 3);
    for (const char* notANumber : {"", "-", "abc", "1x", "1 2"})
        EXPECT_EQ(fieldValue(notANumber), 0) << notANumber;
    // Too long for an int, yet still past the end of the range it points to.
    EXPECT_EQ(effectiveLength(fieldValue("99999999999999999999")), 31);
    EXPECT_EQ(effectiveCommonality(fieldValue("-99999999999999999999")), -20);
}

}  // namespace
}  // namespace tessaran
