// The lookup's choice of entries and ways, the word it sends, and the naming rules of the
// bus and command-line ways.

#include <gtest/gtest.h>

#include "app/DictionaryLookup.h"
#include "app/IniFile.h"
#include "grid/GridTestSupport.h"

#include <sstream>

namespace tessaran {
namespace {

using testing::GridFixture;

// Records every attempt; services and windows named in `answering` take the word.
class RecordingLookup : public DictionaryLookup {
public:
    std::vector<std::string> attempts;
    std::vector<std::string> answering;
    int failures = 0;

protected:
    ServiceCallResult callService(const std::string& service, const std::string& topic,
                                  const std::string& word) override {
        attempts.push_back("service " + service + " " + topic + " " + word);
        return answers(service) ? ServiceCallResult::Success : ServiceCallResult::NoConversation;
    }
    bool sendWindowCommand(const std::string& title, int command,
                           const std::string& word) override {
        attempts.push_back("window " + title + " " + std::to_string(command) + " " + word);
        return answers(title);
    }
    bool runCommand(const std::vector<std::string>& arguments) override {
        std::string line = "run";
        for (const std::string& argument : arguments)
            line += " [" + argument + "]";
        attempts.push_back(line);
        return answers(arguments.front());
    }
    void reportFailure() override { ++failures; }

private:
    bool answers(const std::string& name) const {
        return std::find(answering.begin(), answering.end(), name) != answering.end();
    }
};

LookupTable tableFromIni(const std::string& text) {
    std::istringstream in(text);
    return readLookupTable(IniFile::read(in));
}

TEST(DictionaryLookup, AnEmptyTableTriesNothingAndReportsTheFailure) {
    RecordingLookup lookup;
    lookup.setTable(tableFromIni("[Filling]\nDictionary=words.lxd\n"));
    EXPECT_FALSE(lookup.lookUp("RIVER"));
    EXPECT_TRUE(lookup.attempts.empty());
    EXPECT_EQ(lookup.failures, 1);
}

TEST(DictionaryLookup, OnlyCompleteEntriesAreTriedAndEveryOneEvenAfterASuccess) {
    RecordingLookup lookup;
    lookup.setTable(
        tableFromIni("[Lookup]\n"
                     "DDEService1=org.example.Dict\nDDETopic1=Lookup\n"  // answers
                     "MessageWindow2=Wordbook\nMessageCommand2=-7\n"  // answers, negative command
                     "DDEService3=org.example.Lonely\n"               // no topic: no attempt
                     "MessageWindow3=Thesaurus\nMessageCommand3=0\n"  // command 0: no attempt
                     "LookupCommand4=dict --db \"en gb\" %s\n"        // a command line
                     "DDETopic4=Orphan\n"));                          // no service: no attempt
    lookup.answering = {"org.example.Dict", "Wordbook"};
    EXPECT_TRUE(lookup.lookUp("RIVER"));
    EXPECT_EQ(lookup.attempts, (std::vector<std::string>{"service org.example.Dict Lookup RIVER",
                                                         "window Wordbook -7 RIVER",
                                                         "run [dict] [--db] [en gb] [RIVER]"}));
    EXPECT_EQ(lookup.failures, 0);
}

TEST(DictionaryLookup, FailedAttemptsOfEveryKindEndInOneFailureMessage) {
    RecordingLookup lookup;
    lookup.setTable(tableFromIni(
        "[Lookup]\nDDEService1=org.example.Dict\nDDETopic1=Lookup\n"
        "MessageWindow1=Wordbook\nMessageCommand1=3\nLookupCommand1=missing-program\n"));
    EXPECT_FALSE(lookup.lookUp("CAT"));
    EXPECT_EQ(lookup.attempts.size(), 3u);
    EXPECT_EQ(lookup.failures, 1);
}

TEST(DictionaryLookup, TheWordIsCutToNinetyNineCharactersAndCommandsGetItInUtf8) {
    RecordingLookup lookup;
    lookup.setTable(tableFromIni("[Lookup]\nLookupCommand1=show\n"));
    lookup.answering = {"show"};
    lookup.lookUp(std::string(150, 'A'));
    EXPECT_EQ(lookup.attempts.back(), "run [show] [" + std::string(99, 'A') + "]");
    lookup.lookUp("CAF\xE9");
    EXPECT_EQ(lookup.attempts.back(), "run [show] [CAF\xC3\xA9]");
}

TEST(DictionaryLookup, ALightWithAnEmptyMiddleCellSendsADotThere) {
    GridFixture f(3, 1);
    Light* light = f.across(0, 0, 3);
    f.at(0, 0).setText("C");
    f.at(0, 2).setText("T");
    f.grid.refresh();
    EXPECT_EQ(lookupWordOfLight(*light, nullptr), "C.T");

    RecordingLookup lookup;
    lookup.setTable(tableFromIni("[Lookup]\nMessageWindow1=Wordbook\nMessageCommand1=1\n"));
    lookup.answering = {"Wordbook"};
    EXPECT_TRUE(lookup.lookUpLight(light, nullptr));
    EXPECT_EQ(lookup.attempts.front(), "window Wordbook 1 C.T");
    // Without a selected light nothing is tried and nothing reported.
    EXPECT_FALSE(lookup.lookUpLight(nullptr, nullptr));
    EXPECT_EQ(lookup.attempts.size(), 1u);
    EXPECT_EQ(lookup.failures, 0);
}

TEST(DictionaryLookup, ServiceAndTopicNameAMethodOnTheBus) {
    EXPECT_EQ(busMethodFor("org.example.Dict", "Lookup"),
              (BusMethod{"org.example.Dict", "/org/example/Dict", "org.example.Dict", "Lookup"}));
    EXPECT_EQ(busMethodFor("org.example.Dict", " org.example.Words.Show "),
              (BusMethod{"org.example.Dict", "/org/example/Words", "org.example.Words", "Show"}));
    EXPECT_EQ(busMethodFor("org.example.Dict", "/words  org.example.Words.Show"),
              (BusMethod{"org.example.Dict", "/words", "org.example.Words", "Show"}));
    EXPECT_EQ(busMethodFor("org.my-dict.App", "/ org.my_dict.App.Find"),
              (BusMethod{"org.my-dict.App", "/", "org.my_dict.App", "Find"}));
    // Names the bus cannot carry: no call is made for them.
    EXPECT_FALSE(busMethodFor("Dictionary", "Lookup"));           // one element
    EXPECT_FALSE(busMethodFor("org.my-dict.App", "Lookup"));      // "-" in an interface
    EXPECT_FALSE(busMethodFor("org.example.Dict", "Look up"));    // "Look" is no path
    EXPECT_FALSE(busMethodFor("org.example.Dict", "/a//b Run"));  // empty path element
    EXPECT_FALSE(busMethodFor("org.example.Dict", "org.example.Dict.2nd"));
    EXPECT_FALSE(busMethodFor("org.example.Dict", ""));
}

TEST(DictionaryLookup, ACommandLineKeepsTheWordOneArgument) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(lookupCommandArguments("goldendict %s", "RIVER"), (Args{"goldendict", "RIVER"}));
    EXPECT_EQ(lookupCommandArguments("goldendict", "RIVER"), (Args{"goldendict", "RIVER"}));
    EXPECT_EQ(lookupCommandArguments("xdg-open https://example.org/w/%s?q=100%%", "A B"),
              (Args{"xdg-open", "https://example.org/w/A B?q=100%"}));
    // Shell syntax in the word or the line means nothing: no shell runs it.
    EXPECT_EQ(lookupCommandArguments("show '%s; rm -rf ~' \"a\\\"b\" c\\ d", "$(x)"),
              (Args{"show", "$(x); rm -rf ~", "a\"b", "c d"}));
    EXPECT_EQ(lookupCommandArguments("show %s %s", "IT"), (Args{"show", "IT", "IT"}));
    // "%s" in the program's own name is not a place for the word.
    EXPECT_EQ(lookupCommandArguments("%s", "IT"), (Args{"%s", "IT"}));
    EXPECT_TRUE(lookupCommandArguments("   ", "IT").empty());
    EXPECT_TRUE(lookupCommandArguments("show 'unclosed %s", "IT").empty());
    EXPECT_TRUE(lookupCommandArguments("'' %s", "IT").empty());
}

}  // namespace
}  // namespace tessaran
