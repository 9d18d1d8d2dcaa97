#include "wordsearch/SearchRun.h"

namespace tessaran {

SearchRun::SearchRun(Dictionary& dictionary, MatchEngine& engine)
    : m_dictionary(dictionary),
      m_engine(engine),
      m_cursor(std::make_unique<InputEngine>(dictionary, &engine)) {}

bool SearchRun::start() {
    m_matches = 0;
    m_examinedBefore = 0;
    if (!m_dictionary.isValid() || !m_engine.isCompiled()) {
        m_length = 1;
        m_lastLength = 0;
        return false;
    }
    m_lastLength = m_engine.effectiveLongest();
    settleOn(m_engine.effectiveShortest());
    return true;
}

void SearchRun::settleOn(int length) {
    m_length = length;
    while (m_length <= m_lastLength &&
           (m_length >= m_dictionary.slotCount() || m_dictionary.wordCount(m_length) == 0 ||
            !m_cursor->start(m_length)))
        ++m_length;
    if (m_length <= m_lastLength)
        m_engine.setLength(m_length);
}

SearchRun::Step SearchRun::step() {
    if (isComplete())
        return Step::Complete;
    const lxd::LetterIndex* word = m_cursor->nextByFilter();
    if (word == nullptr)
        return Step::NothingYet;
    if (word[0] != lxd::kNoLetter) {
        ++m_matches;
        return Step::Match;
    }
    m_examinedBefore += m_cursor->wordsExamined();
    settleOn(m_length + 1);
    return isComplete() ? Step::Complete : Step::LengthDone;
}

std::uint32_t SearchRun::wordCount() const {
    return !isComplete() && m_length < m_dictionary.slotCount() ? m_dictionary.wordCount(m_length)
                                                                : 0;
}

}  // namespace tessaran
