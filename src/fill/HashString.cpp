#include "fill/HashString.h"

#include <algorithm>

#include "dictionary/Dictionary.h"

namespace tessaran {

HashString::HashString(std::string_view word, const Dictionary& dictionary) {
    for (const char ch : word) {
        const std::uint8_t letter = dictionary.letterOf(static_cast<unsigned char>(ch));
        if (letter != lxd::kNoLetter)
            m_letters.push_back(letter);
    }
}

bool HashString::equals(const std::uint8_t* letters, std::size_t length) const {
    return length == m_letters.size() && std::equal(m_letters.begin(), m_letters.end(), letters);
}

}  // namespace tessaran
