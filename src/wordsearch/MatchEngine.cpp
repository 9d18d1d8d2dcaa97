#include "wordsearch/MatchEngine.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "wordsearch/PatternCompiler.h"

namespace tessaran {
namespace {

constexpr int kPlaces = MatchEngine::kLongestWord + 1;  // positions or extras 0..32
constexpr uint8_t kNoPlace = 255;

uint32_t positionMask(int start, int length) {
    return static_cast<uint32_t>(((uint64_t{1} << length) - 1) << start);
}

}  // namespace

MatchEngine::MatchEngine()
    : m_errorText(PatternError::kNone), m_pools(PatternCompiler::kMaxDepth + 2) {}

bool MatchEngine::compile(std::string_view text, const LetterMap& letters) {
    PatternCompiler compiler(letters);
    CompiledPattern pattern;
    m_errorText = compiler.compile(text, pattern);
    m_compiled = m_errorText == PatternError::kNone;
    m_matcher = Matcher::General;
    m_letters.clear();
    if (!m_compiled) {
        m_pattern = CompiledPattern{};
        setLength(m_length);
        return false;
    }
    m_pattern = std::move(pattern);
    m_memo.assign(static_cast<size_t>(m_pattern.memoSlots) * kPlaces * kPlaces, 0);
    m_stamp = 0;
    m_anagramCount = m_pattern.bodies[0].anagramCount;
    m_places.clear();
    m_placeTable.assign(m_pattern.bodies.size(), -1);
    for (size_t i = 0; i < m_pattern.bodies.size(); ++i) {
        const PatternBody& body = m_pattern.bodies[i];
        if (!body.arrangement)
            continue;
        m_placeTable[i] = static_cast<int>(m_places.size());
        auto& place = m_places.emplace_back();
        place.fill(kNoPlace);
        for (int k = 0; k < body.anagramCount; ++k)
            place[m_pattern.program[body.anagramPc + 2 + k]] = static_cast<uint8_t>(k);
    }

    const std::vector<uint8_t>& program = m_pattern.program;
    m_runsNeed.assign(program.size(), 0);
    m_lettersAfterChoices.assign(m_pattern.bodies.size(), -1);
    for (size_t index = 0; index < m_pattern.bodies.size(); ++index) {
        const PatternBody& body = m_pattern.bodies[index];
        if (body.anagramPc < 0)
            continue;
        std::vector<int> subpatterns;
        int pc = body.anagramPc;
        for (; program[pc] == kFixedSubpattern || program[pc] == kVariableSubpattern ||
               program[pc] == kStarSubpattern;
             pc = m_pattern.bodies[m_pattern.bodyAt[pc]].end)
            subpatterns.push_back(pc);
        int need = 0;  // at most the part's count A, which fits a byte
        for (auto at = subpatterns.rbegin(); at != subpatterns.rend(); ++at) {
            need += program[*at + 1];
            m_runsNeed[*at] = static_cast<uint8_t>(need);
        }
        while (program[pc] == kOneOf || program[pc] == kNoneOf)
            pc += 2 + program[pc + 1];
        if (pc != body.anagramPc &&
            (program[pc] == kDistinctLetters || program[pc] == kCountedLetters))
            m_lettersAfterChoices[index] = pc;
    }
    if (m_pattern.operationCount == 2) {
        // The one operation after the header is then the first of the template
        // (offset 2) or of the anagram part.
        const int anagramPc = m_pattern.bodies[0].anagramPc;
        switch (m_pattern.lastOperation) {
            case kRun:
                m_matcher = Matcher::Template;
                for (size_t q = 4; program[q] < kRun; q += 2)
                    m_letters.emplace_back(program[q], program[q + 1]);
                break;
            case kDistinctLetters:
                m_matcher = Matcher::DistinctAnagram;
                for (int i = 0; i < program[anagramPc + 1]; ++i)
                    m_letters.emplace_back(1, program[anagramPc + 2 + i]);
                break;
            case kCountedLetters:
                m_matcher = Matcher::CountedAnagram;
                for (size_t q = anagramPc + 1; program[q] < kRun; q += 2)
                    m_letters.emplace_back(program[q], program[q + 1]);
                break;
            default:
                break;
        }
    }
    setLength(m_length);
    return true;
}

int MatchEngine::effectiveShortest() const {
    return std::max(m_shortest, fixedLength());
}

int MatchEngine::effectiveLongest() const {
    return std::min(maximumLength(), m_longest);
}

void MatchEngine::setLength(int length) {
    m_length = length;
    m_extra = length - fixedLength();
}

bool MatchEngine::hasLength(const uint8_t* letters) const {
    if (m_length < 0 || m_length > kLongestWord || m_extra < 0)
        return false;
    for (int i = 0; i < m_length; ++i)
        if (letters[i] == 255)
            return false;
    return letters[m_length] == 255;
}

bool MatchEngine::matches(const lxd::LetterIndex* letters) {
    if (!m_compiled || !hasLength(letters))
        return false;
    switch (m_matcher) {
        case Matcher::Template:
            return matchTemplate(letters);
        case Matcher::DistinctAnagram:
            return matchDistinct(letters);
        case Matcher::CountedAnagram:
            return matchCounted(letters);
        case Matcher::General:
            break;
    }
    return matchesByInterpreter(letters);
}

bool MatchEngine::matchesByInterpreter(const uint8_t* letters) {
    if (!m_compiled || !hasLength(letters))
        return false;
    m_word = letters;
    m_claims = 0;
    if (++m_stamp >= (1u << 31)) {
        std::fill(m_memo.begin(), m_memo.end(), 0);
        m_stamp = 1;
    }
    return matchBody(0, 0, m_length, m_extra);
}

bool MatchEngine::matchTemplate(const uint8_t* word) const {
    for (const auto& [position, letter] : m_letters)
        if (word[position] != letter)
            return false;
    return m_extra == 0;
}

bool MatchEngine::matchDistinct(const uint8_t* word) {
    for (int i = 0; i < m_length; ++i)
        ++m_counts[word[i]];
    int slack = m_length - m_anagramCount;
    bool ok = true;
    for (const auto& entry : m_letters) {
        if (m_counts[entry.second] != 0)
            continue;
        if (slack >= 0) {
            ok = false;
            break;
        }
        ++slack;
    }
    for (int i = 0; i < m_length; ++i)
        m_counts[word[i]] = 0;
    return ok;
}

bool MatchEngine::matchCounted(const uint8_t* word) {
    for (int i = 0; i < m_length; ++i)
        ++m_counts[word[i]];
    int slack = m_length - m_anagramCount;
    bool ok = true;
    for (const auto& [count, letter] : m_letters) {
        if (count <= m_counts[letter])
            continue;
        slack += count - m_counts[letter];
        if (slack > 0) {
            ok = false;
            break;
        }
    }
    for (int i = 0; i < m_length; ++i)
        m_counts[word[i]] = 0;
    return ok;
}

bool MatchEngine::matchBody(int bodyIndex, int start, int length, int extra) {
    const PatternBody& body = m_pattern.bodies[bodyIndex];
    if (body.templatePc >= 0 && !matchLevel(body.templatePc, start, extra))
        return false;
    if (body.anagramPc >= 0)
        return matchAnagram(body, start, length);
    return true;
}

// Positions are absolute within the word; a level covers its run exactly, so p plus
// the level's remaining fixed length plus extra is always the run's end.
bool MatchEngine::matchLevel(int pc, int p, int extra) {
    const uint8_t* program = m_pattern.program.data();
    for (;;) {
        const uint8_t code = program[pc];
        switch (code) {
            case kRun: {
                int q = pc + 2;
                for (; program[q] < kRun; q += 2)
                    if (m_word[p + program[q]] != program[q + 1])
                        return false;
                p += program[pc + 1];
                pc = q;
                break;
            }
            case kChoiceRun: {
                int q = pc + 2;
                while (program[q] < kRun) {
                    const uint8_t entry = program[q];
                    if (entry < 64) {
                        if (m_word[p + entry] != program[q + 1])
                            return false;
                        q += 2;
                        continue;
                    }
                    const bool negated = entry >= 192;
                    const uint8_t letter = m_word[p + entry - (negated ? 192 : 64)];
                    const int k = program[q + 1];
                    const bool listed = std::memchr(program + q + 2, letter, k) != nullptr;
                    if (listed == negated)
                        return false;
                    q += 2 + k;
                }
                p += program[pc + 1];
                pc = q;
                break;
            }
            case kLastStar:
                pc += 2;
                p += extra;
                extra = 0;
                break;
            case kStar:
            case kVariableSubpattern: {
                // Shortest first; each (place, extra) is tried once per word.
                uint32_t& memo =
                    m_memo[(static_cast<size_t>(m_pattern.memoSlot[pc]) * kPlaces + p) * kPlaces +
                           extra];
                if (memo >> 1 == m_stamp)
                    return memo & 1;
                bool ok = false;
                if (code == kStar) {
                    for (int k = 0; k <= extra && !ok; ++k)
                        ok = matchLevel(pc + 2, p + k, extra - k);
                } else {
                    const int index = m_pattern.bodyAt[pc];
                    const int fixed = program[pc + 1];
                    const int next = m_pattern.bodies[index].end;
                    for (int e = 0; e <= extra && !ok; ++e)
                        ok = matchBody(index, p, fixed + e, e) &&
                             matchLevel(next, p + fixed + e, extra - e);
                }
                memo = m_stamp << 1 | (ok ? 1 : 0);
                return ok;
            }
            case kFixedSubpattern:
            case kStarSubpattern: {
                // A subpattern with a star in its template takes all the extra left.
                const int index = m_pattern.bodyAt[pc];
                const int taken = program[pc + 1] + (code == kStarSubpattern ? extra : 0);
                if (!matchBody(index, p, taken, code == kStarSubpattern ? extra : 0))
                    return false;
                if (code == kStarSubpattern)
                    extra = 0;
                p += taken;
                pc = m_pattern.bodies[index].end;
                break;
            }
            case kEnd:
                // Whatever extra is still unplaced would leave letters unmatched.
                return extra == 0;
            default:
                return false;
        }
    }
}

bool MatchEngine::matchAnagram(const PatternBody& body, int start, int length) {
    if (body.arrangement && length == body.anagramCount) {
        // No slack: each letter of the run must be a different one of the list.
        const uint8_t* place = m_places[m_placeTable[&body - m_pattern.bodies.data()]].data();
        uint32_t seen = 0;
        for (int i = start; i < start + length; ++i) {
            const uint8_t at = place[m_word[i]];
            if (at == kNoPlace || (seen >> at & 1) != 0)
                return false;
            seen |= 1u << at;
        }
        return true;
    }
    AnagramRun run;
    run.start = start;
    run.length = length;
    run.pool = m_pools[m_poolDepth++].data();
    for (int i = start; i < start + length; ++i) {
        const uint8_t letter = m_word[i];
        if (run.pool[letter]++ == 0)
            run.letters[run.letterCount++] = letter;
    }
    run.lettersPc = m_lettersAfterChoices[&body - m_pattern.bodies.data()];
    const int slack = length - body.anagramCount;
    const bool ok = lettersStillFit(run, slack) && matchAnagramFrom(body.anagramPc, run, slack);
    for (int i = 0; i < run.letterCount; ++i)
        run.pool[run.letters[i]] = 0;
    --m_poolDepth;
    return ok;
}

bool MatchEngine::claimed(int start, int length) const {
    return (m_claims & positionMask(start, length)) != 0;
}

// Claims inside a run are only ever those of its own anagram part.
int MatchEngine::unclaimedLetters(const AnagramRun& run) const {
    const uint32_t taken = m_claims & positionMask(run.start, run.length);
    return run.length - static_cast<int>(std::popcount(taken));
}

// What is left of the anagram part to match depends only on where it stands, the
// slack, the claimed positions and the pool.
std::string MatchEngine::stateKey(int pc, const AnagramRun& run, int slack) const {
    std::string key;
    key.reserve(8 + run.letterCount);
    for (int value : {pc, slack + 1024}) {
        key += static_cast<char>(value & 0xFF);
        key += static_cast<char>(value >> 8);
    }
    for (int shift = 0; shift < 32; shift += 8)
        key += static_cast<char>(m_claims >> shift);
    for (int i = 0; i < run.letterCount; ++i)
        key += static_cast<char>(run.pool[run.letters[i]]);
    return key;
}

// Negative slack lets that many letter and choice items go missing.
bool MatchEngine::matchAnagramFrom(int pc, AnagramRun& run, int slack) {
    constexpr int kRememberAfter = 2000;
    const uint8_t* program = m_pattern.program.data();
    for (;;) {
        const uint8_t code = program[pc];
        switch (code) {
            case kEnd:
                return true;
            case kFixedSubpattern:
            case kVariableSubpattern:
            case kStarSubpattern:
            case kOneOf:
            case kNoneOf: {
                std::string key;
                if (++run.tries > kRememberAfter) {
                    key = stateKey(pc, run, slack);
                    if (!run.failed)
                        run.failed = std::make_unique<std::unordered_set<std::string>>();
                    if (run.failed->count(key) != 0)
                        return false;
                }
                const bool ok = code == kOneOf || code == kNoneOf ? chooseLetter(pc, run, slack)
                                                                  : placeSubpattern(pc, run, slack);
                if (!ok && !key.empty())
                    run.failed->insert(std::move(key));
                return ok;
            }
            case kDistinctLetters:
            case kCountedLetters:
                pc = lettersFit(pc, run.pool, slack);
                if (pc < 0)
                    return false;
                break;
            default:
                return false;
        }
    }
}

// The letters operation at pc against the pool: the offset after it, or -1 when the
// letters missing are more than the slack lets go.
int MatchEngine::lettersFit(int pc, const uint8_t* pool, int& slack) const {
    const uint8_t* program = m_pattern.program.data();
    if (program[pc] == kDistinctLetters) {
        const int k = program[pc + 1];
        for (int i = 0; i < k; ++i) {
            if (pool[program[pc + 2 + i]] != 0)
                continue;
            if (slack >= 0)
                return -1;
            ++slack;
        }
        return pc + 2 + k;
    }
    int q = pc + 1;
    for (; program[q] < kRun; q += 2) {
        const int count = program[q];
        const int held = pool[program[q + 1]];
        if (count <= held)
            continue;
        slack += count - held;
        if (slack > 0)
            return -1;
    }
    return q;
}

// Subpatterns and choice lists only take letters from the pool and never lower the
// slack, so once the part's letters no longer fit the pool, no way of placing the rest
// makes them fit again.
bool MatchEngine::lettersStillFit(const AnagramRun& run, int slack) const {
    return run.lettersPc < 0 || lettersFit(run.lettersPc, run.pool, slack) >= 0;
}

// Longest run first, and for each length the last start first.
bool MatchEngine::placeSubpattern(int pc, AnagramRun& run, int slack) {
    // Runs that cannot all fit side by side need no placing to fail.
    if (unclaimedLetters(run) < m_runsNeed[pc])
        return false;
    const int index = m_pattern.bodyAt[pc];
    const PatternBody& body = m_pattern.bodies[index];
    const int fixed = body.fixedLength;
    const int longest = m_pattern.program[pc] == kFixedSubpattern
                            ? fixed
                            : std::min(run.length, fixed + body.extraLength);
    for (int length = longest; length >= fixed; --length) {
        for (int s = run.start + run.length - length; s >= run.start; --s) {
            if (claimed(s, length) || !matchBody(index, s, length, length - fixed))
                continue;
            const uint32_t mask = positionMask(s, length);
            m_claims |= mask;
            for (int i = s; i < s + length; ++i)
                --run.pool[m_word[i]];
            const bool ok = lettersStillFit(run, slack) && matchAnagramFrom(body.end, run, slack);
            for (int i = s; i < s + length; ++i)
                ++run.pool[m_word[i]];
            m_claims &= ~mask;
            if (ok)
                return true;
        }
    }
    return false;
}

// The item missing first (when the slack allows), then each letter it may take.
bool MatchEngine::chooseLetter(int pc, AnagramRun& run, int slack) {
    const uint8_t* program = m_pattern.program.data();
    const int k = program[pc + 1];
    const uint8_t* listed = program + pc + 2;
    const int next = pc + 2 + k;
    if (slack < 0 && matchAnagramFrom(next, run, slack + 1))
        return true;
    auto tryLetter = [&](uint8_t letter) {
        if (run.pool[letter] == 0)
            return false;
        --run.pool[letter];
        const bool ok = lettersStillFit(run, slack) && matchAnagramFrom(next, run, slack);
        ++run.pool[letter];
        return ok;
    };
    if (program[pc] == kOneOf) {
        for (int i = 0; i < k; ++i)
            if (tryLetter(listed[i]))
                return true;
        return false;
    }
    int highest = -1;  // the pool holds nothing above the run's highest letter
    for (int i = 0; i < run.letterCount; ++i)
        highest = std::max<int>(highest, run.letters[i]);
    for (int letter = highest; letter >= 0; --letter)
        if (std::memchr(listed, letter, k) == nullptr && tryLetter(static_cast<uint8_t>(letter)))
            return true;
    return false;
}

}  // namespace tessaran
