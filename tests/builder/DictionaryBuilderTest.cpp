// The build pipeline: which lines become words, its messages, and how it fails.

#include "builder/DictionaryBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "builder/WordListReader.h"
#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::buildDictionary;
using testing::joinLines;
using testing::readFile;
using testing::RecordingMaintainer;
using testing::ScratchFolder;
using testing::storedWords;

using Words = std::vector<std::string>;

Words readLines(const std::string& text) {
    std::istringstream in(text);
    WordListReader reader(in);
    Words lines;
    WordListReader::Line line;
    while (reader.next(line))
        lines.push_back(line.usable ? std::string(line.text) : "<unusable>");
    return lines;
}

TEST(WordListReader, TakesTheLastLineWithoutALineFeed) {
    EXPECT_EQ(readLines("one\ntwo"), (Words{"one", "two"}));
    EXPECT_EQ(readLines("one\ntwo\n"), (Words{"one", "two"}));
    EXPECT_EQ(readLines("one\r\ntwo\r\n\n"), (Words{"one", "two", ""}));
    EXPECT_EQ(readLines(""), Words{});
}

TEST(WordListReader, SkipsOverlongLinesWholeAndLinesHoldingNul) {
    const std::string longest(254, 'a');
    const std::string tooLong = std::string(255, 'b') + "tail";
    EXPECT_EQ(readLines(longest + "\n" + tooLong + "\nnext\n" + std::string("a\0b\n", 4) + "end"),
              (Words{longest, "<unusable>", "next", "<unusable>", "end"}));
    EXPECT_EQ(readLines(longest + "\r\n"), Words{longest});
    // Lines far longer than the reader's buffer.
    EXPECT_EQ(readLines(std::string(200000, 'c') + "\nword"), (Words{"<unusable>", "word"}));

    std::istringstream in("first\nsecond");
    WordListReader reader(in);
    WordListReader::Line line;
    while (reader.next(line)) {
    }
    ASSERT_TRUE(reader.rewind());
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.text, "first");
}

class Build : public ::testing::Test {
protected:
    bool build(const std::string& list, BuildOptions options = {}) {
        monitor = RecordingMaintainer();
        return buildDictionary(list, path, std::move(options), testing::foldingMapping(), &monitor);
    }
    Words words(int length) {
        Dictionary dictionary;
        EXPECT_TRUE(dictionary.open(path));
        return storedWords(dictionary, length);
    }
    bool accepted() {
        Dictionary dictionary;
        return dictionary.open(path);
    }

    ScratchFolder scratch;
    std::string path = scratch.file("out.lxd");
    RecordingMaintainer monitor;
};

TEST_F(Build, ReportsEachStageAndEachNonEmptyLength) {
    ASSERT_TRUE(build("ox\ncat\ndog\n"));
    EXPECT_EQ(monitor.messages,
              (Words{"Calibrating dictionary\n", "Alphabet analysis completed OK - compressing\n",
                     "Frequency analysis completed OK\n", "2 letter words handled OK\n",
                     "3 letter words handled OK\n"}));
    EXPECT_TRUE(monitor.errors.empty());
}

TEST_F(Build, KeepsTheLastLineAndDropsOverlongLinesWhole) {
    BuildOptions options;
    options.sort = false;
    const std::string overlong = std::string(252, '-') + "abcde" + "fgh";  // 260 bytes
    ASSERT_TRUE(build("alpha\n" + overlong + "\nomega", options));
    EXPECT_EQ(words(5), (Words{"alpha", "omega"}));
    EXPECT_TRUE(words(3).empty());  // the overlong line's tail is no word of its own
}

TEST_F(Build, UniqueKeepsTheFirstSpellingAndLeavesNoTraceOfRepeats) {
    BuildOptions options;
    options.sort = false;
    options.unique = true;
    // "Dog" and "dog" are the same letters under the folding map; "do-g" too, its hyphen
    // being no letter. A repeat of another length must not hide a shorter word.
    ASSERT_TRUE(build("Dog\ncat\ndog\ncats\ndo-g\ncat\nemu\ncats\n", options));
    EXPECT_EQ(words(3), (Words{"Dog", "cat", "emu"}));
    EXPECT_EQ(words(4), Words{"cats"});
    const std::string withRepeats = readFile(path);

    // Counts, code and letter statistics are those of the list without its repeats.
    options.unique = false;
    ASSERT_TRUE(build("Dog\ncat\ncats\nemu\n", options));
    EXPECT_EQ(withRepeats, readFile(path));

    // Sorting drops repeats already; with unique, the counts agree with the words kept.
    options.sort = true;
    options.unique = true;
    ASSERT_TRUE(build("dog\ncat\nDog\n", options));
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(storedWords(dictionary, 3).size(), 2u);
    EXPECT_EQ(dictionary.wordCount(3), 2u);
}

TEST_F(Build, LengthBoundsAreClampedAndSelectWords) {
    const std::string list = joinLines({"a", "to", std::string(31, 'z'), "abcdefghij", "abcde"});
    BuildOptions options;
    options.minLength = 0;
    options.maxLength = 40;
    ASSERT_TRUE(build(list, options));
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(dictionary.shortest(), 1);
    EXPECT_EQ(dictionary.longest(), 31);

    options.minLength = 10;
    options.maxLength = 5;  // means 10..10
    ASSERT_TRUE(build(list, options));
    Dictionary tenOnly;
    ASSERT_TRUE(tenOnly.open(path));
    EXPECT_EQ(tenOnly.entries(), 1u);
    EXPECT_EQ(tenOnly.slotCount(), 11);
    EXPECT_EQ(storedWords(tenOnly, 10), Words{"abcdefghij"});

    options.minLength = 6;
    options.maxLength = 9;
    std::filesystem::remove(path);
    EXPECT_FALSE(build(list, options));
    EXPECT_EQ(monitor.errors, Words{"No entries to process - check input file and length range\n"});
    EXPECT_FALSE(std::filesystem::exists(path));

    // A minimum beyond the longest storable word raises the maximum with it, but no line
    // of more than 31 letters is ever taken.
    options.minLength = 40;
    options.maxLength = 31;
    EXPECT_FALSE(build(joinLines({std::string(40, 'q'), std::string(32, 'r')}), options));
    EXPECT_EQ(monitor.errors, Words{"No entries to process - check input file and length range\n"});
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(Build, DescriptionKeepsAt79CharactersAndEndsAtItsTerminator) {
    BuildOptions options;
    options.description = std::string(100, 'd');
    ASSERT_TRUE(build("word\n", options));
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(path));
    EXPECT_EQ(std::string(dictionary.description()), std::string(79, 'd'));

    // The 80 description bytes follow the magic, the slot count and the two tables of
    // five (N = 5) u32 entries; everything after the terminator is 0.
    options.description = std::string("abc\0def", 7);
    ASSERT_TRUE(build("word\n", options));
    EXPECT_EQ(readFile(path).substr(4 + 2 + 8 * 5, 80), std::string("abc") + std::string(77, '\0'));
}

TEST_F(Build, FailsWithoutAWordListOrAnOutputAndWritesNothing) {
    DictionaryBuilder builder(monitor, testing::foldingMapping(), {});
    EXPECT_FALSE(builder.build(scratch.file("missing.txt"), path));
    EXPECT_EQ(monitor.errors,
              Words{"Couldn't open input file \"" + scratch.file("missing.txt") + "\"\n"});
    EXPECT_FALSE(std::filesystem::exists(path));

    testing::writeFile(scratch.file("words.txt"), "word\n");
    monitor.errors.clear();
    const std::string unwritable = scratch.file("no/such/folder/out.lxd");
    EXPECT_FALSE(builder.build(scratch.file("words.txt"), unwritable));
    EXPECT_EQ(monitor.errors, Words{"Couldn't open \"" + unwritable + "\"\n"});

    // A folder is no word list, though the system lets it be opened.
    monitor.errors.clear();
    monitor.messages.clear();
    const std::string folder = scratch.file("");
    EXPECT_FALSE(builder.build(folder, path));
    EXPECT_EQ(monitor.errors, Words{"Couldn't open input file \"" + folder + "\"\n"});
    EXPECT_TRUE(monitor.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(path));

    // Writing over the word list being read would destroy it and store nothing.
    monitor.errors.clear();
    const std::string sameFile = scratch.folderPath() + "/./words.txt";
    EXPECT_FALSE(builder.build(scratch.file("words.txt"), sameFile));
    EXPECT_EQ(monitor.errors, Words{"Couldn't open \"" + sameFile + "\"\n"});
    EXPECT_EQ(readFile(scratch.file("words.txt")), "word\n");
}

TEST_F(Build, AbandoningLeavesNoFileOrOneWithoutTheMagic) {
    std::string list;
    for (int i = 0; i < 1000; ++i)
        list += "word" + std::string(1, static_cast<char>('a' + i % 26)) + "\n";

    // 1000 lines give 15 progress calls per analysis pass: the 20th is in the second.
    RecordingMaintainer abandoning;
    abandoning.abandonAfter = 20;
    EXPECT_FALSE(buildDictionary(list, path, {}, testing::foldingMapping(), &abandoning));
    EXPECT_EQ(abandoning.errors, Words{"Dictionary creation abandoned\n"});
    EXPECT_FALSE(std::filesystem::exists(path));

    RecordingMaintainer late;
    late.abandonAfter = 35;  // while writing the block
    EXPECT_FALSE(buildDictionary(list, path, {}, testing::foldingMapping(), &late));
    EXPECT_EQ(late.errors, Words{"Dictionary creation abandoned\n"});
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(readFile(path).substr(0, 4), "    ");
    EXPECT_FALSE(accepted());
}

TEST_F(Build, ProgressCyclesWhileAnalysingAndCountsUpWhileWriting) {
    std::string list;
    for (int i = 0; i < 640; ++i)
        list += "abc\n";
    ASSERT_TRUE(build(list));
    // 10 calls in each analysis pass (1..10), then 10, 20, ... 100 while writing.
    Words shown;
    std::vector<int> expected;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 1; i <= 10; ++i)
            expected.push_back(i);
    for (int i = 1; i <= 10; ++i)
        expected.push_back(i * 10);
    EXPECT_EQ(monitor.percents, expected);
}

// Accepts a given number of bytes, then fails every write.
class FullDisk : public std::streambuf {
public:
    explicit FullDisk(std::size_t room) : m_room(room) {}

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        if (static_cast<std::size_t>(count) > m_room)
            return 0;
        m_room -= static_cast<std::size_t>(count);
        return count;
    }
    int overflow(int c) override { return xsputn(nullptr, 1) == 1 ? c : EOF; }
    pos_type seekoff(off_type, std::ios_base::seekdir, std::ios_base::openmode) override {
        return 0;
    }
    pos_type seekpos(pos_type, std::ios_base::openmode) override { return 0; }

private:
    std::size_t m_room;
};

TEST_F(Build, AFailedWriteIsReportedAsAFullDisk) {
    for (std::size_t room : {std::size_t{0}, std::size_t{100}, std::size_t{3000}}) {
        FullDisk disk(room);
        std::ostream out(&disk);
        std::istringstream words("alpha\nbeta\ngamma\n");
        RecordingMaintainer failing;
        DictionaryBuilder builder(failing, testing::foldingMapping(), {});
        EXPECT_FALSE(builder.build(
            words, [&]() { return &out; }, "words.txt", "full.lxd"));
        EXPECT_EQ(failing.errors, Words{"Couldn't output \"full.lxd\" - out of disk space?\n"})
            << "room " << room;
    }
}

}  // namespace
}  // namespace tessaran
