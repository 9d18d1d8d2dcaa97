#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "fill/HashString.h"
#include "grid/KillList.h"

namespace tessaran {

// The kill list the grid window owns: an insertion-ordered set of words. (The name is the
// windowing layer's; the class itself needs no platform service.)
class KillListWindows : public KillList {
public:
    void add(std::string_view word) override;
    bool contains(std::string_view word) const override;
    void remove(std::string_view word) override;
    void clear() override;
    void beginFill(const Dictionary& dictionary) override;
    bool isKilled(const std::uint8_t* letters, int length) const override;
    void endFill() override;
    void startIteration() override;
    std::optional<std::string> next() override;

    size_t size() const { return m_words.size(); }
    // The words in list order.
    const std::vector<std::string>& words() const { return m_words; }

private:
    // Buckets of the fill table, chosen by the hash of the letters modulo this.
    static constexpr std::size_t kBucketCount = 111;
    struct FillTable {
        const Dictionary* dictionary;
        std::vector<std::vector<HashString>> buckets;
        // No initialisers here: clang finds a nested struct with them not default
        // constructible inside its class. emplace() value-initialises every field.
        std::size_t count;
    };
    void insertIntoFillTable(std::string_view word);
    void removeFromFillTable(std::string_view word);

    std::vector<std::string> m_words;                 // list order
    std::unordered_map<std::string, size_t> m_index;  // word -> position in m_words
    std::optional<size_t> m_cursor;                   // the running pass, if any
    std::optional<FillTable> m_fillTable;             // only while a fill runs
};

}  // namespace tessaran
