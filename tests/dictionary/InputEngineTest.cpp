// Word cursors: pattern and filter reads, the 500-word slices, non-letter bytes, and
// running out of file descriptors.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstring>
#include <memory>

#include "dictionary/TestDictionaries.h"
#include "dictionary/WordFilter.h"

namespace tessaran {
namespace {

using testing::buildDictionary;
using testing::joinLines;
using testing::ScratchFolder;
using testing::storedWords;

using Words = std::vector<std::string>;

// Four-letter words "AAAA", "AAAB", ... in base-26 order.
Words countingWords(int count) {
    Words words;
    for (int i = 0; i < count; ++i) {
        std::string word(4, 'A');
        for (int p = 3, n = i; p >= 0; --p, n /= 26)
            word[p] = static_cast<char>('A' + n % 26);
        words.push_back(word);
    }
    return words;
}

class Cursor : public ::testing::Test {
protected:
    void open(const Words& lines) {
        BuildOptions options;
        options.sort = false;
        ASSERT_TRUE(buildDictionary(joinLines(lines), path, options));
        ASSERT_TRUE(dictionary.open(path));
    }
    std::vector<lxd::LetterIndex> pattern(const std::string& text) {
        std::vector<lxd::LetterIndex> letters;
        for (char c : text)
            letters.push_back(c == '?' ? lxd::kAnyLetter : dictionary.letterOf(c));
        letters.push_back(lxd::kNoLetter);
        return letters;
    }
    std::string spell(const lxd::LetterIndex* letters) {
        std::string text;
        for (; *letters != lxd::kNoLetter; ++letters)
            text += dictionary.displayChar(*letters);
        return text;
    }

    ScratchFolder scratch;
    std::string path = scratch.file("words.lxd");
    Dictionary dictionary;
};

TEST_F(Cursor, PatternReadsReturnMatchesInStoredOrderThenTheExhaustedString) {
    open({"cart", "cord", "card", "curd", "lard", "cars"});
    for (auto next : {&InputEngine::nextByPattern, &InputEngine::nextByPatternWhole}) {
        InputEngine cursor(dictionary);
        const auto wanted = pattern("c?rd");
        ASSERT_TRUE(cursor.startPattern(wanted.data(), 4));
        Words found;
        const lxd::LetterIndex* letters;
        while ((letters = (cursor.*next)()) && letters[0] != lxd::kNoLetter)
            found.push_back(spell(letters));
        ASSERT_NE(letters, nullptr);
        EXPECT_EQ(found, (Words{"CORD", "CARD", "CURD"}));
        EXPECT_TRUE(cursor.atEnd());
        // Exhausted stays exhausted.
        ASSERT_NE((cursor.*next)(), nullptr);
        EXPECT_EQ((cursor.*next)()[0], lxd::kNoLetter);
    }
}

TEST_F(Cursor, AllWildcardPatternDeliversEveryWordOfTheLength) {
    const Words words = countingWords(1200);
    open(words);
    InputEngine cursor(dictionary);
    const auto any = pattern("????");
    ASSERT_TRUE(cursor.startPattern(any.data(), 4));
    Words found;
    for (const lxd::LetterIndex* letters; (letters = cursor.nextByPattern())[0] != 255;)
        found.push_back(spell(letters));
    EXPECT_EQ(found, words);
}

TEST_F(Cursor, ScansWithoutAMatchGiveWayEvery500Words) {
    open(countingWords(1200));
    const auto none = pattern("ZZZZ");  // beyond the 1200 words
    for (auto next : {&InputEngine::nextByPattern, &InputEngine::nextByPatternWhole}) {
        InputEngine cursor(dictionary);
        ASSERT_TRUE(cursor.startPattern(none.data(), 4));
        EXPECT_EQ((cursor.*next)(), nullptr);  // words 1..500
        EXPECT_EQ((cursor.*next)(), nullptr);  // words 501..1000
        const lxd::LetterIndex* last = (cursor.*next)();
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last[0], lxd::kNoLetter);
    }

    // After a match the next call goes on with the following word; the budget counts
    // from the start of each call.
    const auto third = pattern("??B?");  // words 26..51 and 702..727
    Words expected;
    for (const std::string& word : countingWords(1200))
        if (word[2] == 'B')
            expected.push_back(word);
    InputEngine cursor(dictionary);
    ASSERT_TRUE(cursor.startPattern(third.data(), 4));
    Words found;
    int slices = 0;
    for (;;) {
        const lxd::LetterIndex* letters = cursor.nextByPattern();
        if (!letters) {
            ++slices;
            continue;
        }
        if (letters[0] == lxd::kNoLetter)
            break;
        found.push_back(spell(letters));
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(slices, 1);  // words 52..551 hold no match; 552..701 end at a match
}

class AcceptEveryNth : public WordFilter {
public:
    explicit AcceptEveryNth(int n) : m_n(n) {}
    bool matches(const lxd::LetterIndex* letters) override {
        ++seen;
        lastFirstLetter = letters[0];
        return seen % m_n == 0;
    }
    int seen = 0;
    lxd::LetterIndex lastFirstLetter = 0;

private:
    int m_n;
};

TEST_F(Cursor, FilterReadsCountTheWordsExaminedAcrossSlices) {
    open(countingWords(1100));
    AcceptEveryNth filter(700);
    InputEngine cursor(dictionary, &filter);
    ASSERT_TRUE(cursor.start(4));
    EXPECT_EQ(cursor.nextByFilter(), nullptr);
    EXPECT_EQ(cursor.wordsExamined(), 500);
    const lxd::LetterIndex* letters = cursor.nextByFilter();
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(cursor.rawBytes(), countingWords(700)[699]);
    EXPECT_EQ(cursor.wordsExamined(), 700);
    EXPECT_EQ(cursor.nextByFilter()[0], lxd::kNoLetter);
    EXPECT_EQ(cursor.wordsExamined(), 1100);
    EXPECT_EQ(filter.seen, 1100);
    // Restarting clears the count and reads from the first word again.
    ASSERT_TRUE(cursor.start(4));
    EXPECT_EQ(cursor.wordsExamined(), 0);
}

TEST_F(Cursor, NonLetterBytesTakeNoPositionButStayInTheRawBytes) {
    open({"o'clock", "oxlock", "ad-hoc", "adhoc"});
    InputEngine cursor(dictionary);
    const auto wanted = pattern("oclock");
    ASSERT_TRUE(cursor.startPattern(wanted.data(), 6));
    const lxd::LetterIndex* letters = cursor.nextByPatternWhole();
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(spell(letters), "OCLOCK");
    EXPECT_STREQ(cursor.rawBytes(), "o'clock");
    char text[32];
    std::strcpy(text, cursor.rawBytes());
    cursor.toDisplayText(text);
    EXPECT_STREQ(text, "OCLOCK");
    EXPECT_EQ(cursor.nextByPatternWhole()[0], lxd::kNoLetter);

    const auto adhoc = pattern("a?h??");
    ASSERT_TRUE(cursor.startPattern(adhoc.data(), 5));
    EXPECT_EQ(spell(cursor.nextByPattern()), "ADHOC");
    EXPECT_EQ(spell(cursor.nextByPattern()), "ADHOC");
    EXPECT_EQ(cursor.nextByPattern()[0], lxd::kNoLetter);
}

TEST_F(Cursor, ReopeningTheStoreEndsLiveCursors) {
    open(countingWords(100));
    InputEngine cursor(dictionary);
    ASSERT_TRUE(cursor.start(4));
    ASSERT_NE(cursor.nextByFilter(), nullptr);
    EXPECT_FALSE(dictionary.open(scratch.file("other.lxd")));
    const lxd::LetterIndex* letters = cursor.nextByFilter();
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters[0], lxd::kNoLetter);
    EXPECT_FALSE(cursor.start(4));
    EXPECT_TRUE(dictionary.open(path));
    EXPECT_TRUE(cursor.start(4));
}

// Lowers the soft limit on open files for the life of the object.
class FileLimit {
public:
    explicit FileLimit(rlim_t limit) {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        m_ok = setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~FileLimit() { setrlimit(RLIMIT_NOFILE, &m_saved); }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    bool m_ok = false;
};

// Lowest descriptor number free now: roughly how many the process has open.
int openDescriptors() {
    std::FILE* probe = std::fopen("/dev/null", "r");
    const int fd = fileno(probe);
    std::fclose(probe);
    return fd;
}

TEST_F(Cursor, MoreCursorsThanFileDescriptorsStillReadTheirBlocksCompletely) {
    Words lines = countingWords(3000);  // about 12 chunks of 2048 bytes
    for (const std::string& word : countingWords(800))
        lines.push_back(word + "X");
    open(lines);
    const Words fours = storedWords(dictionary, 4);
    const Words fives = storedWords(dictionary, 5);
    ASSERT_EQ(fours.size(), 3000u);
    ASSERT_EQ(fives.size(), 800u);

    constexpr int kCursors = 40;
    const FileLimit limit(static_cast<rlim_t>(openDescriptors() + 4));
    ASSERT_TRUE(limit.ok());
    std::vector<std::unique_ptr<InputEngine>> cursors;
    std::vector<Words> read(kCursors);
    for (int i = 0; i < kCursors; ++i) {
        cursors.push_back(std::make_unique<InputEngine>(dictionary));
        ASSERT_TRUE(cursors.back()->start(i % 2 ? 5 : 4)) << "cursor " << i;
    }
    // Round robin, one word each, so every cursor keeps needing chunks.
    bool reading = true;
    while (reading) {
        reading = false;
        for (int i = 0; i < kCursors; ++i) {
            if (cursors[i]->atEnd())
                continue;
            const lxd::LetterIndex* letters = cursors[i]->nextByFilter();
            if (letters && letters[0] != lxd::kNoLetter)
                read[i].push_back(cursors[i]->rawBytes());
            reading = true;
        }
    }
    for (int i = 0; i < kCursors; ++i)
        EXPECT_EQ(read[i], i % 2 ? fives : fours) << "cursor " << i;
    // With no descriptor left and none to borrow, a cursor cannot start.
    {
        const FileLimit exhausted(static_cast<rlim_t>(openDescriptors()));
        ASSERT_TRUE(exhausted.ok());
        InputEngine lonely(dictionary);
        EXPECT_FALSE(lonely.start(4));
        EXPECT_EQ(lonely.nextByFilter()[0], lxd::kNoLetter);
    }
    // Cursors destroyed out of creation order leave the list sound.
    cursors.erase(cursors.begin() + 3);
    cursors.erase(cursors.begin());
    ASSERT_TRUE(cursors.back()->start(4));
    EXPECT_EQ(spell(cursors.back()->nextByFilter()), "AAAA");
}

}  // namespace
}  // namespace tessaran
