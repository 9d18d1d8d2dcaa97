// The dictionaries the build ships beside gridsmith, made from the SCOWL lists with
// default.lxm: what they hold and the order the fill meets their words in.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/TestDictionaries.h"

namespace tessaran {
namespace {

using testing::storedWords;

const std::string kFolder = TESSARAN_BINARY_DIR "/src/app/";
const int kSizes[] = {10, 20, 35, 40, 50, 55, 60, 70};

// Where an entry first stands in the SCOWL lists: the rank of its size, then 0 for a
// word and 1 for a name, so that a smaller place means more common.
struct Place {
    int size = 0;
    int kind = 0;
    bool operator<=(const Place& other) const {
        return size != other.size ? size < other.size : kind <= other.kind;
    }
};

bool madeOf(const std::string& entry, bool capitalsToo) {
    for (char c : entry)
        if (!(c >= 'a' && c <= 'z') && !(capitalsToo && c >= 'A' && c <= 'Z'))
            return false;
    return !entry.empty();
}

// Every entry of the lists (WORDS.size, then NAMES.size for each size) that the
// dictionary may hold, at its first place; `rejected` gets the entries it must not hold.
std::map<std::string, Place> sourceEntries(const std::vector<std::string>& wordLists,
                                           const std::vector<std::string>& nameLists,
                                           std::set<std::string>* rejected = nullptr) {
    std::map<std::string, Place> places;
    for (int rank = 0; rank < static_cast<int>(std::size(kSizes)); ++rank) {
        for (int kind = 0; kind < 2; ++kind) {
            for (const std::string& list : kind == 0 ? wordLists : nameLists) {
                std::ifstream in(TESSARAN_SCOWL_DIR "/" + list + "." +
                                 std::to_string(kSizes[rank]));
                for (std::string entry; std::getline(in, entry);) {
                    if (madeOf(entry, kind == 1))
                        places.emplace(entry, Place{rank, kind});
                    else if (rejected)
                        rejected->insert(entry);
                }
            }
        }
    }
    return places;
}

// The dictionary's words of every length, as their bytes, in stored order.
std::vector<std::vector<std::string>> wordsByLength(const std::string& name) {
    Dictionary dictionary;
    EXPECT_TRUE(dictionary.open(kFolder + name)) << name;
    EXPECT_EQ(dictionary.lettersInUse(), 26) << name;
    EXPECT_GT(std::string(dictionary.description()).size(), 20u) << name;
    std::vector<std::vector<std::string>> words(32);
    for (int length = 1; length < dictionary.slotCount(); ++length)
        words[length] = storedWords(dictionary, length);
    return words;
}

// Holds each source entry once, nothing else, and in each length the commoner first.
void expectListedInCommonOrder(const std::string& name,
                               const std::map<std::string, Place>& places) {
    const auto words = wordsByLength(name);
    std::set<std::string> seen;
    for (std::size_t length = 1; length < words.size(); ++length) {
        Place previous;
        for (const std::string& word : words[length]) {
            const auto place = places.find(word);
            ASSERT_NE(place, places.end()) << name << " holds " << word;
            ASSERT_TRUE(seen.insert(word).second) << name << " repeats " << word;
            ASSERT_TRUE(previous <= place->second) << name << ": " << word << " out of order";
            previous = place->second;
        }
    }
    // Names that are also words stand once, as the word; no word is longer than 31.
    std::set<std::string> distinct;
    for (const auto& [entry, place] : places) {
        if (entry.size() > lxd::kMaxWordLetters)
            continue;
        std::string folded = entry;
        for (char& c : folded)
            c = static_cast<char>(c | 0x20);
        distinct.insert(folded);
    }
    EXPECT_EQ(seen.size(), distinct.size()) << name;
}

std::size_t position(const std::vector<std::string>& words, const std::string& word) {
    return static_cast<std::size_t>(std::find(words.begin(), words.end(), word) - words.begin());
}

TEST(ShippedDictionaries, BritishHoldsCommonPlainWordsMostCommonFirst) {
    std::set<std::string> rejected;
    const auto places = sourceEntries({"english-words", "british-words"}, {}, &rejected);
    ASSERT_GT(places.size(), 80000u);
    expectListedInCommonOrder("words.lxd", places);

    const auto words = wordsByLength("words.lxd");
    // Abbreviations in capitals and possessives of the source lists stay out, and so do
    // proper names, which have lists of their own.
    EXPECT_EQ(position(words[5], "Chris"), words[5].size());
    for (const std::string entry : {"OK", "ability's"}) {
        ASSERT_TRUE(rejected.count(entry)) << entry;
        std::string letters;
        for (char c : entry)
            if (c != '\'')
                letters += static_cast<char>(c | 0x20);
        const auto& block = words[letters.size()];
        EXPECT_EQ(position(block, letters), block.size()) << entry;
        EXPECT_EQ(position(block, entry), block.size()) << entry;
    }
    // Size 10 before size 70; British spelling only.
    ASSERT_EQ(places.at("ability").size, 0);
    ASSERT_EQ(places.at("abacist").size, 7);
    EXPECT_LT(position(words[7], "ability"), position(words[7], "abacist"));
    EXPECT_LT(position(words[6], "colour"), words[6].size());
    EXPECT_EQ(position(words[5], "color"), words[5].size());
}

TEST(ShippedDictionaries, AmericanSpellsTheAmericanWay) {
    expectListedInCommonOrder("words-american.lxd",
                              sourceEntries({"english-words", "american-words"}, {}));
    const auto words = wordsByLength("words-american.lxd");
    EXPECT_LT(position(words[5], "color"), words[5].size());
    EXPECT_EQ(position(words[6], "colour"), words[6].size());
}

TEST(ShippedDictionaries, NamesFollowTheWordsOfTheirSize) {
    const auto places = sourceEntries({"english-words", "british-words"},
                                      {"english-proper-names", "british-proper-names"});
    expectListedInCommonOrder("words-names.lxd", places);
    const auto words = wordsByLength("words-names.lxd");
    EXPECT_LT(position(words[5], "Chris"), words[5].size());
    // A name that is also a common word is the word, at the word's place.
    EXPECT_LT(position(words[5], "amber"), words[5].size());
    EXPECT_EQ(position(words[5], "Amber"), words[5].size());
}

TEST(ShippedDictionaries, PatternMarksAreNoLetters) {
    Dictionary dictionary;
    ASSERT_TRUE(dictionary.open(kFolder + "words.lxd"));
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
