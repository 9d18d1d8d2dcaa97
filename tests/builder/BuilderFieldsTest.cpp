// What the builder window's fields mean once typed.

#include "builder/BuilderFields.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

TEST(BuilderFields, ProposesTheDictionaryNameFromTheFileNamesOwnExtension) {
    EXPECT_EQ(dictionaryNameFor("/lists/words.txt"), "/lists/words.lxd");
    EXPECT_EQ(dictionaryNameFor("/lists/words"), "/lists/words.lxd");
    EXPECT_EQ(dictionaryNameFor("/lists/words.tar.txt"), "/lists/words.tar.lxd");
    EXPECT_EQ(dictionaryNameFor("words."), "words.lxd");
    // A dot in a folder's name is not the list's extension.
    EXPECT_EQ(dictionaryNameFor("/home/j.smith/words"), "/home/j.smith/words.lxd");
    EXPECT_EQ(dictionaryNameFor("/lists/.words"), "/lists/.words.lxd");
}

TEST(BuilderFields, ReadsTypedNumbersAndHoldsThemToTheBuildsRanges) {
    EXPECT_EQ(fieldValue("25"), 25);
    EXPECT_EQ(fieldValue(" -7 "), -7);
    EXPECT_EQ(fieldValue("+3"), 3);
    for (const char* notANumber : {"", "-", "abc", "1x", "1 2"})
        EXPECT_EQ(fieldValue(notANumber), 0) << notANumber;
    EXPECT_GT(fieldValue("99999999999999999999"), 31);
    EXPECT_LT(fieldValue("-99999999999999999999"), -20);

    EXPECT_EQ(effectiveLength(0), 1);
    EXPECT_EQ(effectiveLength(-5), 1);
    EXPECT_EQ(effectiveLength(17), 17);
    EXPECT_EQ(effectiveLength(32), 31);
    EXPECT_EQ(effectiveLength(50), 31);
    EXPECT_EQ(effectiveCommonality(25), 20);
    EXPECT_EQ(effectiveCommonality(-21), -20);
    EXPECT_EQ(effectiveCommonality(-4), -4);
}

}  // namespace
}  // namespace tessaran
