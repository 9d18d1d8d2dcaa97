// Opening dictionaries, and refusing files that are not sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::buildDictionary;
using testing::joinLines;
using testing::readFile;
using testing::ScratchFolder;
using testing::storedWords;
using testing::writeFile;

class DictionaryFile : public ::testing::Test {
protected:
    void SetUp() override {
        BuildOptions unsorted;
        unsorted.sort = false;
        ASSERT_TRUE(
            buildDictionary(joinLines({"ant", "bee", "cat", "do", "emu", "fig"}), good, unsorted));
        bytes = readFile(good);
    }

    // Field positions of the header, for N = 4 (longest word 3 letters).
    static constexpr int kSlots = 4;
    static constexpr std::size_t kSlotCountAt = 4;
    static constexpr std::size_t kOffsetsAt = 6;
    static constexpr std::size_t kLettersAt = kOffsetsAt + 8 * kSlots + lxd::kDescriptionSize;
    static constexpr std::size_t kRecordsAt = kLettersAt + 4;
    std::size_t recordAt(int byteValue) const { return kRecordsAt + 8 * byteValue; }

    void putU16(std::string& file, std::size_t at, std::uint16_t value) {
        file[at] = static_cast<char>(value & 0xFF);
        file[at + 1] = static_cast<char>(value >> 8);
    }
    void putU32(std::string& file, std::size_t at, std::uint32_t value) {
        putU16(file, at, value & 0xFFFF);
        putU16(file, at + 2, static_cast<std::uint16_t>(value >> 16));
    }
    // Whether the reader accepts `file`.
    bool accepts(const std::string& file) {
        writeFile(patched, file);
        Dictionary dictionary;
        return dictionary.open(patched);
    }

    ScratchFolder scratch;
    std::string good = scratch.file("good.lxd");
    std::string patched = scratch.file("patched.lxd");
    std::string bytes;
};

TEST_F(DictionaryFile, OpensOnceByNameAndRetriesAfterAFailure) {
    Dictionary dictionary;
    EXPECT_FALSE(dictionary.isValid());
    EXPECT_EQ(dictionary.slotCount(), 0);
    ASSERT_TRUE(dictionary.open(good));
    EXPECT_EQ(dictionary.fileName(), good);

    // The same name again does not touch the file, even when it has gone.
    std::filesystem::rename(good, good + ".moved");
    EXPECT_TRUE(dictionary.open(good));
    EXPECT_TRUE(dictionary.isValid());

    // Another name that fails leaves the store invalid; the first name is then loaded anew,
    // and fails while its file is away.
    EXPECT_FALSE(dictionary.open(scratch.file("missing.lxd")));
    EXPECT_EQ(dictionary.letterOf('a'), lxd::kNoLetter);
    EXPECT_STREQ(dictionary.description(), "");
    EXPECT_EQ(dictionary.entries(), 0u);
    EXPECT_FALSE(dictionary.open(good));
    std::filesystem::rename(good + ".moved", good);
    EXPECT_TRUE(dictionary.open(good));

    // No name closes the dictionary.
    EXPECT_FALSE(dictionary.open(""));
    EXPECT_FALSE(dictionary.isValid());
    EXPECT_EQ(dictionary.fileName(), "");
}

TEST_F(DictionaryFile, GuardAlertsOnlyWhileInvalid) {
    Dictionary dictionary;
    std::string caption, text;
    const auto alert = [&](std::string_view c, std::string_view t) {
        caption = c;
        text = t;
    };
    EXPECT_FALSE(dictionary.requireValid(alert));
    EXPECT_EQ(caption, "No Dictionary Available");
    EXPECT_EQ(text,
              "The current dictionary is invalid: functions requiring\nthe dictionary are "
              "disabled until a new dictionary is\nselected using the Filling Properties Dialog.");
    caption.clear();
    ASSERT_TRUE(dictionary.open(good));
    EXPECT_TRUE(dictionary.requireValid(alert));
    EXPECT_EQ(caption, "");
}

TEST_F(DictionaryFile, RejectsAnUnfinishedBuildAndEveryTruncation) {
    ASSERT_TRUE(accepts(bytes));
    std::string unfinished = bytes;
    std::memcpy(unfinished.data(), "    ", 4);
    EXPECT_FALSE(accepts(unfinished));
    EXPECT_FALSE(accepts("LXD1" + bytes.substr(4)));
    EXPECT_FALSE(accepts(""));

    // A cut inside the header is a short read, a cut before the last block puts an
    // offset outside the file: both are refused. A cut inside the last block leaves the
    // words before it readable.
    std::uint32_t lastBlock = 0;
    std::memcpy(&lastBlock, &bytes[kOffsetsAt + 4 * (kSlots - 1)], 4);
    for (std::size_t size = 0; size < lastBlock; size += size < 130 ? 1 : 29)
        EXPECT_FALSE(accepts(bytes.substr(0, size))) << "cut at " << size;
    EXPECT_FALSE(accepts(bytes.substr(0, lastBlock - 1)));
    const std::vector<std::string> all = {"ant", "bee", "cat", "emu", "fig"};
    for (std::size_t size = lastBlock; size < bytes.size(); ++size) {
        ASSERT_TRUE(accepts(bytes.substr(0, size))) << "cut at " << size;
        Dictionary dictionary;
        ASSERT_TRUE(dictionary.open(patched));
        const std::vector<std::string> words = storedWords(dictionary, 3);
        ASSERT_LE(words.size(), all.size());
        EXPECT_TRUE(std::equal(words.begin(), words.end(), all.begin())) << "cut at " << size;
    }
}

TEST_F(DictionaryFile, RejectsFilesBreakingTheFormatLimits) {
    std::string file = bytes;
    putU16(file, kSlotCountAt, 33);
    EXPECT_FALSE(accepts(file)) << "slot count over 32";
    file = bytes;
    putU16(file, kSlotCountAt, 1);
    EXPECT_FALSE(accepts(file)) << "slot count below 2";

    file = bytes;
    putU16(file, recordAt('A') + 2, 255);
    EXPECT_FALSE(accepts(file)) << "letter index 255";
    file = bytes;
    putU16(file, recordAt('A') + 2, static_cast<std::uint16_t>(-2));
    EXPECT_FALSE(accepts(file)) << "negative letter index";
    file = bytes;
    putU16(file, kLettersAt + 2, 300);
    EXPECT_FALSE(accepts(file)) << "alphabet over 254 letters";
    file = bytes;
    putU16(file, kLettersAt, 40);
    EXPECT_FALSE(accepts(file)) << "more letters in use than the alphabet";

    file = bytes;
    file[recordAt('b') + 1] = 33;
    EXPECT_FALSE(accepts(file)) << "code longer than 32 bits";
    file = bytes;
    file[recordAt(0) + 1] = 0;
    EXPECT_FALSE(accepts(file)) << "no end code";
    file = bytes;
    file[recordAt('b') + 1] = file[recordAt('a') + 1];
    std::memcpy(&file[recordAt('b') + 4], &file[recordAt('a') + 4], 4);
    EXPECT_FALSE(accepts(file)) << "two byte values with one code";
    file = bytes;
    file[recordAt('b') + 1] = static_cast<char>(file[recordAt('a') + 1] + 1);
    putU32(file, recordAt('b') + 4,
           static_cast<std::uint8_t>(file[recordAt('a') + 4]) << 1);  // A's code as a prefix
    EXPECT_FALSE(accepts(file)) << "not a prefix code";

    // 256 codes of 32 bits each would need far more than 255 internal nodes.
    file = bytes;
    for (int c = 0; c < 256; ++c) {
        file[recordAt(c) + 1] = 32;
        putU32(file, recordAt(c) + 4, static_cast<std::uint32_t>(c) * 0x01010101u);
    }
    EXPECT_FALSE(accepts(file)) << "too many internal nodes";

    file = bytes;
    putU32(file, kOffsetsAt + 4 * 2, static_cast<std::uint32_t>(bytes.size() + 1));
    EXPECT_FALSE(accepts(file)) << "block beyond the end of the file";
    file = bytes;
    putU32(file, kOffsetsAt + 4 * 1, 10);
    EXPECT_FALSE(accepts(file)) << "block inside the header";
    file = bytes;
    std::uint32_t third;
    std::memcpy(&third, &file[kOffsetsAt + 4 * 3], 4);
    putU32(file, kOffsetsAt + 4 * 2, third + 2);
    EXPECT_FALSE(accepts(file)) << "blocks out of order";
}

TEST_F(DictionaryFile, ReaderSurvivesGarbageInsideTheBlocks) {
    // Overwrite the 3-letter block with bytes that decode to nonsense: every read ends
    // within the block, and a word never exceeds its length.
    std::uint32_t start = 0;
    std::memcpy(&start, &bytes[kOffsetsAt + 4 * 3], 4);
    for (unsigned char fill : {0x00, 0xFF, 0x5A, 0xA5}) {
        std::string file = bytes;
        for (std::size_t i = start; i < file.size(); ++i)
            file[i] = static_cast<char>(fill ^ static_cast<unsigned char>(i * 37));
        writeFile(patched, file);
        Dictionary dictionary;
        ASSERT_TRUE(dictionary.open(patched));
        for (const std::string& word : storedWords(dictionary, 3))
            EXPECT_LE(testing::lettersOf(dictionary, word).size(), 3u);
        EXPECT_EQ(storedWords(dictionary, 2), std::vector<std::string>{"do"});
    }
}

}  // namespace
}  // namespace tessaran
