#include "wordsearch/MatchList.h"

#include <gtest/gtest.h>

namespace tessaran {
namespace {

using Entries = std::vector<std::string>;

TEST(MatchList, UnsortedKeepsArrivalOrder) {
    MatchList list;
    for (const char* word : {"pear", "Apple", "fig"})
        list.add(word);
    EXPECT_EQ(list.entries(), (Entries{"pear", "Apple", "fig"}));
}

TEST(MatchList, SortedIgnoresCaseAndKeepsEqualEntriesInArrivalOrder) {
    MatchList list(true);
    for (const char* word : {"pear", "Apple", "apple", "fig", "\xC9lan", "eland", "o'clock"})
        list.add(word);
    EXPECT_EQ(list.entries(),
              (Entries{"Apple", "apple", "eland", "fig", "o'clock", "pear", "\xC9lan"}));
    // Later arrivals merge into the order already listed.
    list.add("banana");
    list.add("APPLE");
    EXPECT_EQ(list.entries(), (Entries{"Apple", "apple", "APPLE", "banana", "eland", "fig",
                                       "o'clock", "pear", "\xC9lan"}));
}

}  // namespace
}  // namespace tessaran
