#include "wordsearch/MatchList.h"

#include <algorithm>

namespace tessaran {
namespace {

// Lower case of a Latin-1 byte: A-Z and the accented capitals (not the multiplication
// sign) fold onto their small letters.
unsigned char folded(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

}  // namespace

bool MatchList::precedes(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return folded(static_cast<unsigned char>(x)) < folded(static_cast<unsigned char>(y));
    });
}

const std::vector<std::string>& MatchList::entries() {
    if (m_sorted && m_ordered < m_entries.size()) {
        const auto middle = m_entries.begin() + static_cast<std::ptrdiff_t>(m_ordered);
        std::stable_sort(middle, m_entries.end(), precedes);
        std::inplace_merge(m_entries.begin(), middle, m_entries.end(), precedes);
    }
    m_ordered = m_entries.size();
    return m_entries;
}

}  // namespace tessaran
