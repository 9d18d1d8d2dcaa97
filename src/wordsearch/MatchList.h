#pragma once
// The matches of a word search run, as the list shows them: each match is the word's
// raw bytes as stored in the dictionary (case, hyphens, apostrophes kept). Unsorted,
// matches keep the order they arrive in (dictionary order); sorted, each is inserted in
// alphabetical order, ignoring case, after any equal entries.

#include <string>
#include <string_view>
#include <vector>

namespace tessaran {

class MatchList {
public:
    explicit MatchList(bool sorted = false) : m_sorted(sorted) {}

    bool isSorted() const { return m_sorted; }
    void clear() {
        m_entries.clear();
        m_ordered = 0;
    }
    void add(std::string_view rawBytes) { m_entries.emplace_back(rawBytes); }

    // The entries in list order; sorting what arrived since the last call.
    const std::vector<std::string>& entries();
    size_t size() const { return m_entries.size(); }

    // The list's order: Latin-1 text compared letter by letter with case folded.
    static bool precedes(std::string_view a, std::string_view b);

private:
    bool m_sorted;
    std::vector<std::string> m_entries;
    size_t m_ordered = 0;  // leading entries already in list order
};

}  // namespace tessaran
