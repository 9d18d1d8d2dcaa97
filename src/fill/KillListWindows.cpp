#include "fill/KillListWindows.h"

#include "grid/TextFields.h"

namespace tessaran {

void KillListWindows::add(std::string_view word) {
    std::string text = withoutLineBreaks(word);
    if (m_index.count(text))
        return;
    m_index.emplace(text, m_words.size());
    m_words.push_back(std::move(text));
    m_cursor.reset();
}

bool KillListWindows::contains(std::string_view word) const {
    return m_index.count(std::string(word)) != 0;
}

void KillListWindows::remove(std::string_view word) {
    auto it = m_index.find(std::string(word));
    if (it == m_index.end())
        return;
    const size_t position = it->second;
    m_index.erase(it);
    m_words.erase(m_words.begin() + static_cast<std::ptrdiff_t>(position));
    for (size_t i = position; i < m_words.size(); ++i)
        m_index[m_words[i]] = i;
    m_cursor.reset();
}

void KillListWindows::clear() {
    m_words.clear();
    m_index.clear();
    m_cursor.reset();
}

void KillListWindows::startIteration() {
    m_cursor = 0;
}

std::optional<std::string> KillListWindows::next() {
    if (!m_cursor || *m_cursor >= m_words.size()) {
        m_cursor.reset();
        return std::nullopt;
    }
    return m_words[(*m_cursor)++];
}

}  // namespace tessaran
