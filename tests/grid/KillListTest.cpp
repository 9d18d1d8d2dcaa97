#include <gtest/gtest.h>

#include "grid/KillListWindows.h"

namespace tessaran {
namespace {

std::vector<std::string> iterate(KillList& list) {
    std::vector<std::string> words;
    list.startIteration();
    while (auto word = list.next())
        words.push_back(*word);
    return words;
}

TEST(KillList, KeepsInsertionOrderWithoutDuplicates) {
    KillListWindows list;
    list.add("ZEBRA");
    list.add("APPLE");
    list.add("ZEBRA");
    list.add("apple");  // texts compare exactly
    EXPECT_EQ(iterate(list), (std::vector<std::string>{"ZEBRA", "APPLE", "apple"}));
    EXPECT_TRUE(list.contains("APPLE"));
    EXPECT_FALSE(list.contains("APPL"));

    list.remove("ZEBRA");
    list.remove("MISSING");
    EXPECT_EQ(iterate(list), (std::vector<std::string>{"APPLE", "apple"}));
    EXPECT_FALSE(list.contains("ZEBRA"));
    list.add("ZEBRA");
    EXPECT_EQ(iterate(list), (std::vector<std::string>{"APPLE", "apple", "ZEBRA"}));

    list.clear();
    EXPECT_TRUE(iterate(list).empty());
    EXPECT_FALSE(list.contains("APPLE"));
}

TEST(KillList, PassEndsWithNothingAndStaysEnded) {
    KillListWindows list;
    EXPECT_FALSE(list.next());  // no pass started
    list.add("ONE");
    list.startIteration();
    EXPECT_EQ(list.next(), "ONE");
    EXPECT_FALSE(list.next());
    EXPECT_FALSE(list.next());
}

}  // namespace
}  // namespace tessaran
