#include "builder/AlphabetMapping.h"

#include <filesystem>
#include <fstream>
#include <istream>
#include <system_error>

namespace tessaran {

void AlphabetMapping::reset() {
    for (int i = 0; i < 256; ++i)
        m_table[i] = static_cast<std::uint8_t>(i);
}

MappingReadResult AlphabetMapping::read(std::istream& in) {
    reset();
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        // A file written with CR LF line ends reads as it would in text mode; a carriage
        // return can never be a letter, so "X=\r" and "X=" mean the same anyway.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if ((line.size() != 2 && line.size() != 3) || line[1] != '=')
            return {false, lineNumber};
        const auto from = static_cast<std::uint8_t>(line[0]);
        m_table[from] = line.size() == 3 ? static_cast<std::uint8_t>(line[2]) : 0;
    }
    return {true, lineNumber};
}

MappingReadResult AlphabetMapping::readFile(const std::string& fileName) {
    // A folder opens here but reads as an empty file, which would load as success.
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored))
        return {false, 0};
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return {false, 0};
    return read(in);
}

std::array<std::uint8_t, 256> AlphabetMapping::resolve() const {
    std::array<std::uint8_t, 256> canonical{};
    for (int start = 0; start < 256; ++start) {
        std::array<bool, 256> visited{};
        int value = start;
        while (value != 0 && !visited[value]) {
            visited[value] = true;
            if (m_table[value] == value)
                break;
            value = m_table[value];
        }
        canonical[start] = static_cast<std::uint8_t>(value);
    }
    // Line ends and the end code are never letters; a byte value that resolves to one of
    // them is no letter either, or it would count towards a word's length without a
    // letter index to store.
    for (std::uint8_t& value : canonical)
        if (value == 10 || value == 13)
            value = 0;
    canonical[10] = canonical[13] = 0;
    return canonical;
}

std::string mappingErrorText(const MappingReadResult& result) {
    if (result.line == 0)
        return kMappingOpenFailedText;
    return kMappingLineErrorText + std::to_string(result.line);
}

}  // namespace tessaran
