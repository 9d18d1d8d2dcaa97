#pragma once
// A killed word translated into dictionary letter indices, as the kill list's fill table
// holds it, with the hash that places it in the table.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaran {

class Dictionary;

class HashString {
public:
    // Each character is mapped to its letter; characters that are not letters are dropped.
    HashString(std::string_view word, const Dictionary& dictionary);

    const std::vector<std::uint8_t>& letters() const { return m_letters; }
    std::size_t hash() const { return hashOf(m_letters.data(), m_letters.size()); }
    bool equals(const std::uint8_t* letters, std::size_t length) const;

    // FNV-1a over the letter indices: cheap and well spread for short strings.
    static std::size_t hashOf(const std::uint8_t* letters, std::size_t length) {
        std::uint32_t h = 2166136261u;
        for (std::size_t i = 0; i < length; ++i)
            h = (h ^ letters[i]) * 16777619u;
        return h;
    }

private:
    std::vector<std::uint8_t> m_letters;
};

}  // namespace tessaran
