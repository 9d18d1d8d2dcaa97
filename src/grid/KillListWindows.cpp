#include "grid/KillListWindows.h"

#include <algorithm>

#include "grid/TextFields.h"

namespace tessaran {

void KillListWindows::add(std::string_view word) {
    std::string text = withoutLineBreaks(word);
    if (m_index.count(text))
        return;
    m_index.emplace(text, m_words.size());
    if (m_fillTable)
        insertIntoFillTable(text);
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
    if (m_fillTable)
        removeFromFillTable(m_words[position]);
    m_words.erase(m_words.begin() + static_cast<std::ptrdiff_t>(position));
    for (size_t i = position; i < m_words.size(); ++i)
        m_index[m_words[i]] = i;
    m_cursor.reset();
}

void KillListWindows::clear() {
    m_words.clear();
    m_index.clear();
    m_cursor.reset();
    if (m_fillTable) {
        for (auto& bucket : m_fillTable->buckets)
            bucket.clear();
        m_fillTable->count = 0;
    }
}

void KillListWindows::beginFill(const Dictionary& dictionary) {
    m_fillTable.emplace();
    m_fillTable->dictionary = &dictionary;
    m_fillTable->buckets.resize(kBucketCount);
    for (const std::string& word : m_words)
        insertIntoFillTable(word);
}

bool KillListWindows::isKilled(const std::uint8_t* letters, int length) const {
    if (!m_fillTable || m_fillTable->count == 0)
        return false;
    const size_t n = static_cast<size_t>(length);
    const auto& bucket = m_fillTable->buckets[HashString::hashOf(letters, n) % kBucketCount];
    return std::any_of(bucket.begin(), bucket.end(),
                       [&](const HashString& killed) { return killed.equals(letters, n); });
}

void KillListWindows::endFill() {
    m_fillTable.reset();
}

void KillListWindows::insertIntoFillTable(std::string_view word) {
    HashString entry(word, *m_fillTable->dictionary);
    m_fillTable->buckets[entry.hash() % kBucketCount].push_back(std::move(entry));
    ++m_fillTable->count;
}

// Two listed spellings may share their letters, so only one entry of the letters goes.
void KillListWindows::removeFromFillTable(std::string_view word) {
    const HashString entry(word, *m_fillTable->dictionary);
    auto& bucket = m_fillTable->buckets[entry.hash() % kBucketCount];
    const auto& letters = entry.letters();
    auto it = std::find_if(bucket.begin(), bucket.end(), [&](const HashString& killed) {
        return killed.equals(letters.data(), letters.size());
    });
    if (it != bucket.end()) {
        bucket.erase(it);
        --m_fillTable->count;
    }
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
