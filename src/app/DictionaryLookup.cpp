#include "app/DictionaryLookup.h"

#include "app/PropertyLines.h"
#include "batch/TextEncoding.h"

namespace tessaran {
namespace {

bool isNameChar(char c, bool hyphen) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           (hyphen && c == '-');
}

// A dotted name of at least two elements, none empty or starting with a digit: a
// well-known bus name (hyphens allowed) or an interface name.
bool isDottedName(std::string_view name, bool hyphen) {
    if (name.empty() || name.size() > 255)
        return false;
    int elements = 0;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('.', start);
        if (end == std::string_view::npos)
            end = name.size();
        const std::string_view element = name.substr(start, end - start);
        if (element.empty() || (element[0] >= '0' && element[0] <= '9'))
            return false;
        for (const char c : element)
            if (!isNameChar(c, hyphen))
                return false;
        ++elements;
        start = end + 1;
    }
    return elements >= 2;
}

bool isMemberName(std::string_view name) {
    if (name.empty() || name.size() > 255 || (name[0] >= '0' && name[0] <= '9'))
        return false;
    for (const char c : name)
        if (!isNameChar(c, false))
            return false;
    return true;
}

bool isObjectPath(std::string_view path) {
    if (path == "/")
        return true;
    if (path.empty() || path[0] != '/' || path.back() == '/')
        return false;
    for (size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/') {
            if (path[i - 1] == '/')
                return false;
        } else if (!isNameChar(path[i], false)) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Replaces "%s" with the word and "%%" with "%"; notes whether the word went in.
std::string substituted(std::string_view argument, std::string_view word, bool& usedWord) {
    std::string out;
    for (size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] == '%' && i + 1 < argument.size()) {
            if (argument[i + 1] == 's') {
                out += word;
                usedWord = true;
                ++i;
                continue;
            }
            if (argument[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += argument[i];
    }
    return out;
}

}  // namespace

std::optional<BusMethod> busMethodFor(std::string_view service, std::string_view topic) {
    service = trimmed(service);
    topic = trimmed(topic);
    BusMethod method;
    method.service = std::string(service);
    std::string_view member = topic;
    if (const size_t blank = topic.find_first_of(" \t"); blank != std::string_view::npos) {
        method.path = std::string(topic.substr(0, blank));
        member = trimmed(topic.substr(blank));
    }
    if (const size_t dot = member.rfind('.'); dot != std::string_view::npos) {
        method.interface = std::string(member.substr(0, dot));
        member.remove_prefix(dot + 1);
    } else {
        method.interface = method.service;
    }
    method.method = std::string(member);
    if (method.path.empty()) {
        method.path = "/" + method.interface;
        for (char& c : method.path)
            if (c == '.')
                c = '/';
    }
    if (!isDottedName(method.service, true) || !isDottedName(method.interface, false) ||
        !isMemberName(method.method) || !isObjectPath(method.path))
        return std::nullopt;
    return method;
}

std::vector<std::string> lookupCommandArguments(std::string_view commandLine,
                                                std::string_view word) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    char quote = 0;
    for (size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\\' && quote == '"' && i + 1 < commandLine.size() &&
                     (commandLine[i + 1] == '"' || commandLine[i + 1] == '\\'))
                current += commandLine[++i];
            else
                current += c;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inArgument)
                arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inArgument = true;
        } else if (c == '\\' && i + 1 < commandLine.size()) {
            current += commandLine[++i];
            inArgument = true;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quote)
        return {};
    if (inArgument)
        arguments.push_back(std::move(current));
    if (arguments.empty() || arguments.front().empty())
        return {};

    // The program's own name is never a place for the word.
    bool usedWord = false;
    for (size_t i = 1; i < arguments.size(); ++i)
        arguments[i] = substituted(arguments[i], word, usedWord);
    if (!usedWord)
        arguments.emplace_back(word);
    return arguments;
}

std::string lookupWordOfLight(const Light& light, const Dictionary* dictionary) {
    std::string word = lightLetters(light, dictionary);
    if (word.size() > kLookupWordLimit)
        word.resize(kLookupWordLimit);
    return word;
}

bool DictionaryLookup::lookUp(std::string_view word) {
    const std::string text(word.substr(0, kLookupWordLimit));
    bool success = false;
    for (const LookupEntry& entry : m_table) {
        if (!entry.ddeService.empty() && !entry.ddeTopic.empty() &&
            callService(entry.ddeService, entry.ddeTopic, text) == ServiceCallResult::Success)
            success = true;
        if (!entry.messageWindow.empty() && entry.messageCommand != 0 &&
            sendWindowCommand(entry.messageWindow, entry.messageCommand, text))
            success = true;
        if (!entry.lookupCommand.empty()) {
            // Command lines speak the desktop's UTF-8; the word is the grid's Latin-1.
            const std::vector<std::string> arguments =
                lookupCommandArguments(entry.lookupCommand, utf8FromLatin1(text));
            if (!arguments.empty() && runCommand(arguments))
                success = true;
        }
    }
    if (!success)
        reportFailure();
    return success;
}

bool DictionaryLookup::lookUpLight(const Light* light, const Dictionary* dictionary) {
    if (!light)
        return false;
    return lookUp(lookupWordOfLight(*light, dictionary));
}

}  // namespace tessaran
