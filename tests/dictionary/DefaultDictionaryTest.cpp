// The default dictionary as the build makes it from the system word list and default.lxm.

#include <gtest/gtest.h>

#include <string>

#include "dictionary/Dictionary.h"

namespace tessaran {
namespace {

TEST(DefaultDictionary, WordsUseTheTwentySixCapitalsAndPatternMarksAreNoLetters) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(TESSARAN_BINARY_DIR "/src/app/words.lxd"));
    EXPECT_EQ(dictionary.lettersInUse(), 26);
    EXPECT_EQ(dictionary.letterOf('q'), dictionary.letterOf('Q'));
    EXPECT_NE(dictionary.letterOf('Q'), lxd::kNoLetter);
    // Patterns use these as wildcards, markers and escapes; as letters no word holds
    // they would make "c?t" or an unexpanded "@" find nothing.
    for (const char mark : std::string("?7@#\\'-. [];*()"))
        EXPECT_EQ(dictionary.letterOf(static_cast<unsigned char>(mark)), lxd::kNoLetter)
            << "'" << mark << "'";
}

}  // namespace
}  // namespace tessaran
