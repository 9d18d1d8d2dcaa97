#pragma once
// Handing a word to external dictionary programs: the four entries of the Lookup table
// tried in order, each in every way it names, all of them even after one succeeded (so
// that several programs can show the same word), and one message when none did.
//
// The ways themselves are the windowing layer's (DictionaryLookupWindows): a method call
// on the session bus for a service and topic, a client message to an X window found by
// its title after the word went on the clipboard, and a command line run with the word.
// This class holds the order of attempts, the word of a light and the naming rules, so
// that plain tests can reach them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Settings.h"

namespace tessaran {

class Dictionary;
class Light;

inline constexpr std::string_view kLookupFailureCaption = "Dictionary Lookup Failure";
inline constexpr std::string_view kLookupFailureText =
    "No supported dictionary is running.\n"
    "Please start the dictionary you wish\n"
    "to use, then try the command again";

// The longest word handed over; longer words are cut.
inline constexpr size_t kLookupWordLimit = 99;

// What a service-and-topic attempt answers.
enum class ServiceCallResult {
    Success = 0,
    NoBus = 1,           // the session bus could not be reached
    NoConversation = 2,  // no such service, object, interface or method (or a name the bus
                         // cannot carry)
    CallFailed = 3,      // the call was refused, failed or timed out
};

// How long a service call may take.
inline constexpr int kServiceCallTimeoutMilliseconds = 10000;

// The method a service and topic stand for on the bus. The topic is a method name,
// optionally preceded by its interface and then by an object path and a blank:
//   "Lookup"                              org.example.Dict /org/example/Dict
//   org.example.Dict.Lookup "org.example.Words.Show"              interface org.example.Words, path
//   /org/example/Words
//   "/words org.example.Words.Show"       path /words
// where the service is org.example.Dict. A missing interface is the service's name, a
// missing path is the interface with its dots made slashes. Nothing when a part breaks
// the bus's naming rules (such a call could never be delivered).
struct BusMethod {
    std::string service;
    std::string path;
    std::string interface;
    std::string method;
    bool operator==(const BusMethod&) const = default;
};
std::optional<BusMethod> busMethodFor(std::string_view service, std::string_view topic);

// The program and arguments of a lookup command line: split at blanks, with "..." and
// '...' keeping blanks inside one argument and "\" taking the next character literally
// outside single quotes. In each argument "%s" becomes the word and "%%" a single "%";
// a line without "%s" gets the word as one more argument. The word always stays one
// argument: it is never split or interpreted, as no shell is involved. Empty when the
// line names no program or its quotes are not closed.
std::vector<std::string> lookupCommandArguments(std::string_view commandLine,
                                                std::string_view word);

// The word of a light as Lookup sends it: for each cell its shown text, else its fixed
// or (failing that) filled letter as the dictionary shows it, else "."; at most
// kLookupWordLimit characters.
std::string lookupWordOfLight(const Light& light, const Dictionary* dictionary);

class DictionaryLookup {
public:
    virtual ~DictionaryLookup() = default;

    void setTable(const LookupTable& table) { m_table = table; }
    const LookupTable& table() const { return m_table; }

    // Tries every entry, 1 to 4, each in every way it names: service and topic (both
    // needed), then window title and command (both needed, any command but 0), then its
    // command line. Reports the failure when no attempt succeeded; answers whether one
    // did. The word is cut to kLookupWordLimit characters.
    bool lookUp(std::string_view word);
    // lookUp with the word of light; does nothing (and answers false) without a light.
    bool lookUpLight(const Light* light, const Dictionary* dictionary);

protected:
    // The ways of one entry; each answers whether the word was delivered.
    virtual ServiceCallResult callService(const std::string& service, const std::string& topic,
                                          const std::string& word) = 0;
    // Finds a top-level window with exactly this title; when there is one, puts the word on
    // the clipboard and sends the window the command. False when no such window exists.
    virtual bool sendWindowCommand(const std::string& title, int command,
                                   const std::string& word) = 0;
    // Starts the program with these arguments (UTF-8, never through a shell).
    virtual bool runCommand(const std::vector<std::string>& arguments) = 0;
    // Tells the user that no dictionary program took the word.
    virtual void reportFailure() = 0;

private:
    LookupTable m_table;
};

}  // namespace tessaran
