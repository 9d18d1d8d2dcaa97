#include "builder/AlphabetMapping.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tessaran {
namespace {

MappingReadResult readText(AlphabetMapping& mapping, const std::string& text) {
    std::istringstream in(text);
    return mapping.read(in);
}

TEST(AlphabetMapping, EmptyFileLeavesEveryByteALetterOfItsOwn) {
    AlphabetMapping mapping;
    mapping.set('x', 0);
    const MappingReadResult result = readText(mapping, "");
    EXPECT_TRUE(result.success);
    const auto canonical = mapping.resolve();
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(canonical[c], c == 10 || c == 13 ? 0 : c) << "byte " << c;
}

TEST(AlphabetMapping, MalformedLinesFailWithTheirLineNumber) {
    struct Case {
        const char* text;
        int line;
    };
    for (const Case& c :
         {Case{"a=A\nb=B\ncx\n", 3}, Case{"a=A\nabcd\n", 2}, Case{"a=A\n\nb=B\n", 2},
          Case{"a\n", 1}, Case{"=\n", 1}, Case{"a=AB\n", 1}, Case{"a=A\nb=B\nc=", 0}}) {
        AlphabetMapping mapping;
        const MappingReadResult result = readText(mapping, c.text);
        EXPECT_EQ(result.success, c.line == 0) << c.text;
        if (c.line != 0) {
            EXPECT_EQ(result.line, c.line) << c.text;
        }
    }
    EXPECT_EQ(mappingErrorText({false, 3}), "Alphabet mapping file error at line 3");
    EXPECT_EQ(mappingErrorText({false, 0}), "Alphabet mapping file couldn't be opened.");

    AlphabetMapping mapping;
    const MappingReadResult missing = mapping.readFile("/nonexistent/default.lxm");
    EXPECT_FALSE(missing.success);
    EXPECT_EQ(missing.line, 0);
    // A folder opens on this system but reads as nothing; it is no mapping file.
    const MappingReadResult folder =
        mapping.readFile(std::filesystem::temp_directory_path().string());
    EXPECT_FALSE(folder.success);
    EXPECT_EQ(folder.line, 0);
}

TEST(AlphabetMapping, RulesFoldChainAndCycleAsWritten) {
    AlphabetMapping mapping;
    // Last rule wins; "=" may stand on either side; a last line without a line feed
    // counts; CR LF line ends read like LF.
    ASSERT_TRUE(readText(mapping, "a=A\r\nb=x\nb=B\n==-\n-=\nx=y\ny=x\n\xe9=e\ne=E\nq=").success);
    const auto canonical = mapping.resolve();
    EXPECT_EQ(canonical['a'], 'A');
    EXPECT_EQ(canonical['A'], 'A');
    EXPECT_EQ(canonical['b'], 'B');
    EXPECT_EQ(canonical['='], 0);  // = -> - -> not a letter
    EXPECT_EQ(canonical['-'], 0);
    EXPECT_EQ(canonical['x'], 'x');  // a cycle keeps both letters apart
    EXPECT_EQ(canonical['y'], 'y');
    EXPECT_EQ(canonical[0xe9], 'E');  // a chain ends at its canonical letter
    EXPECT_EQ(canonical['q'], 0);
}

TEST(AlphabetMapping, LineEndsAndWhatMapsToThemAreNeverLetters) {
    AlphabetMapping mapping;
    ASSERT_TRUE(readText(mapping, "\x01=\r\n").success);
    mapping.set('z', 13);
    mapping.set('y', 'z');
    mapping.set('w', 10);
    const auto canonical = mapping.resolve();
    EXPECT_EQ(canonical[0], 0);
    EXPECT_EQ(canonical[10], 0);
    EXPECT_EQ(canonical[13], 0);
    EXPECT_EQ(canonical[1], 0);
    // Otherwise they would count towards a word's length without a letter to store.
    EXPECT_EQ(canonical['z'], 0);
    EXPECT_EQ(canonical['y'], 0);
    EXPECT_EQ(canonical['w'], 0);

    ASSERT_TRUE(readText(mapping, "\r=a\nb=\r").success);
    EXPECT_EQ(mapping.resolve()[13], 0);
    EXPECT_EQ(mapping.resolve()['b'], 0);
}

}  // namespace
}  // namespace tessaran
