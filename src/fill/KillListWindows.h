#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "fill/KillList.h"

namespace tessaran {

// The kill list the grid window owns: an insertion-ordered set of words. (The name is the
// windowing layer's; the class itself needs no platform service.)
class KillListWindows : public KillList {
public:
    void add(std::string_view word) override;
    bool contains(std::string_view word) const override;
    void remove(std::string_view word) override;
    void clear() override;
    void startIteration() override;
    std::optional<std::string> next() override;

    size_t size() const { return m_words.size(); }
    // The words in list order.
    const std::vector<std::string>& words() const { return m_words; }

private:
    std::vector<std::string> m_words;                 // list order
    std::unordered_map<std::string, size_t> m_index;  // word -> position in m_words
    std::optional<size_t> m_cursor;                   // the running pass, if any
};

}  // namespace tessaran
