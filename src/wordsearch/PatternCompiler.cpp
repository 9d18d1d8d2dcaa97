#include "wordsearch/PatternCompiler.h"

#include <algorithm>
#include <array>

namespace tessaran {
namespace {

constexpr size_t kNoRun = static_cast<size_t>(-1);

int saturatingAdd(int a, int b) {
    return std::min(a + b, PatternCompiler::kUnbounded);
}

bool endsChoiceList(char c) {
    return c == '[' || c == ']' || c == '(' || c == ')' || c == ';' || c == '*';
}

}  // namespace

std::string_view PatternCompiler::compile(std::string_view text, CompiledPattern& out) {
    out = CompiledPattern{};
    m_out = &out;
    m_text.assign(text);
    m_text += ')';
    m_close = m_text.size() - 1;
    m_error = PatternError::kNone;
    m_lastOperation = 0;
    m_bodyOffsets.clear();
    m_memoOffsets.clear();

    size_t i = 0;
    size_t closeAt = 0;
    Lengths lengths;
    if (!compileBody(i, 0, lengths, closeAt))
        return m_error;
    if (closeAt != m_close) {
        fail(PatternError::kUnmatchedClose);
        return m_error;
    }
    if (out.program.size() > kMaxProgram) {
        fail(PatternError::kProgramTooLarge);
        return m_error;
    }
    out.program[0] = kHeader;
    out.fixedLength = lengths.fixed;
    out.maximumLength = std::min(lengths.fixed + std::min(lengths.extra, 32), 32);

    out.bodyAt.assign(out.program.size(), -1);
    for (const auto& [offset, index] : m_bodyOffsets)
        out.bodyAt[offset] = static_cast<int16_t>(index);
    out.memoSlot.assign(out.program.size(), -1);
    for (size_t offset : m_memoOffsets) {
        const uint8_t code = out.program[offset];
        if (code == kStar || code == kVariableSubpattern)
            out.memoSlot[offset] = static_cast<int16_t>(out.memoSlots++);
    }
    out.lastOperation = out.program[m_lastOperation];
    return m_error;
}

bool PatternCompiler::compileBody(size_t& i, int depth, Lengths& out, size_t& closeAt) {
    if (depth > kMaxDepth)
        return fail(PatternError::kNestedTooDeeply);
    CompiledPattern& p = *m_out;
    const size_t header = emit(kFixedSubpattern);
    emit(0);
    countOperation(header);
    const int index = static_cast<int>(p.bodies.size());
    p.bodies.emplace_back();
    m_bodyOffsets.emplace_back(header, index);

    if (i >= m_text.size())
        return fail(PatternError::kSubpatternNotTerminated);
    const bool hasTemplate = m_text[i] != ';' && m_text[i] != ')';
    Lengths templ;
    BodyState state;
    if (hasTemplate) {
        p.bodies[index].templatePc = static_cast<int>(p.program.size());
        if (!compileTemplateLevel(i, depth, templ, state))
            return false;
    }
    const bool hasAnagram = m_text[i] == ';';
    int count = 0;
    bool anagramStar = false;
    if (hasAnagram) {
        ++i;
        const size_t countAt = emit(kAnagram) + 1;
        emit(0);
        p.bodies[index].anagramPc = static_cast<int>(p.program.size());
        if (!compileAnagramPart(i, depth, count, anagramStar))
            return false;
        if (count > kMaxLength)
            return fail(PatternError::kPatternTooLong);
        p.program[countAt] = static_cast<uint8_t>(count);
    }
    // Both the template and the anagram part stop only at ")" (or fail before).
    emit(kEnd);
    closeAt = i++;

    const bool templateHasStar = state.lastStar >= 0;
    int extra = 0;
    if (!hasTemplate) {
        extra = anagramStar ? kUnbounded : 0;
    } else if (templateHasStar || templ.extra > 0) {
        extra =
            hasAnagram && !anagramStar && count > templ.fixed ? count - templ.fixed : templ.extra;
    }
    const int fixed = hasTemplate ? templ.fixed : count;
    if (fixed > kMaxLength)
        return fail(PatternError::kPatternTooLong);

    p.program[header] = extra == 0        ? kFixedSubpattern
                        : templateHasStar ? kStarSubpattern
                                          : kVariableSubpattern;
    p.program[header + 1] = static_cast<uint8_t>(fixed);
    if (templateHasStar)
        p.program[state.lastStar] = kLastStar;
    PatternBody& body = p.bodies[index];
    body.end = static_cast<int>(p.program.size());
    body.fixedLength = fixed;
    body.extraLength = std::min(extra, 32);
    body.anagramCount = count;
    body.arrangement =
        !hasTemplate && hasAnagram && p.program[body.anagramPc] == kDistinctLetters &&
        p.program[body.anagramPc + 1] == count && p.program[body.anagramPc + 2 + count] == kEnd;
    out.fixed = fixed;
    out.extra = extra;
    return true;
}

bool PatternCompiler::compileTemplateLevel(size_t& i, int depth, Lengths& out, BodyState& body) {
    if (depth > kMaxDepth)
        return fail(PatternError::kNestedTooDeeply);
    CompiledPattern& p = *m_out;
    size_t run = kNoRun;  // offset of the open run's code
    int position = 0;     // next position within the open run
    int highestLetter = -1;
    // Positions since the last subpattern: one run as the user wrote it, however many
    // runs its choice lists split it into.
    int stretch = 0;

    auto openRun = [&](uint8_t code) {
        run = emit(code);
        emit(0);
        countOperation(run);
        position = 0;
        highestLetter = -1;
    };
    auto closeRun = [&] {
        if (run == kNoRun)
            return;
        p.program[run + 1] = static_cast<uint8_t>(position);
        out.fixed += position;
        run = kNoRun;
    };
    // The rest of the template after a star or a variable subpattern is a level of
    // its own; this level ends with it.
    auto compileRest = [&](Lengths& rest) {
        if (!compileTemplateLevel(i, depth + 1, rest, body))
            return false;
        out.fixed += rest.fixed;
        out.extra = saturatingAdd(out.extra, rest.extra);
        emit(kEnd);
        return true;
    };

    for (;;) {
        if (i >= m_text.size())
            return fail(PatternError::kSubpatternNotTerminated);
        const char c = m_text[i];
        if (c == ';' || c == ')')
            break;
        if (c == ']')
            return fail(PatternError::kUnmatchedBracket);
        if (c == '*') {
            closeRun();
            const size_t star = emit(kStar);
            emit(0);
            countOperation(star);
            m_memoOffsets.push_back(star);
            body.lastStar = static_cast<int>(star);
            ++i;
            out.extra = kUnbounded;
            Lengths rest;
            if (!compileRest(rest))
                return false;
            if (rest.fixed > kMaxLength)
                return fail(PatternError::kPatternTooLong);
            p.program[star + 1] = static_cast<uint8_t>(rest.fixed);
            return true;
        }
        if (c == '(') {
            closeRun();
            ++i;
            const size_t header = p.program.size();
            Lengths sub;
            size_t closeAt = 0;
            if (!compileBody(i, depth + 1, sub, closeAt))
                return false;
            m_memoOffsets.push_back(header);
            out.fixed += sub.fixed;
            stretch = 0;
            if (sub.extra == 0)
                continue;
            out.extra = saturatingAdd(out.extra, sub.extra);
            Lengths rest;
            return compileRest(rest);
        }
        if (c == '[') {
            Choice choice;
            if (!parseChoice(i, choice))
                return false;
            if (stretch++ >= 240)
                return fail(PatternError::kTemplateTooLong);
            // A choice entry's position shares its byte with the entry kind, so a run
            // that cannot encode it here is split; two runs match as one.
            const int limit = choice.negated ? 48 : 128;
            if (run == kNoRun || position >= limit ||
                (p.program[run] == kRun && highestLetter >= 64)) {
                closeRun();
                openRun(kChoiceRun);
            } else {
                p.program[run] = kChoiceRun;
            }
            emit(static_cast<uint8_t>(position + (choice.negated ? 192 : 64)));
            emit(static_cast<uint8_t>(choice.letters.size()));
            for (char letter : choice.letters)
                emit(static_cast<uint8_t>(letter));
            ++position;
            continue;
        }
        size_t width = 1;
        const int letter = itemAt(i, width);
        i += width;
        if (stretch++ >= 240)
            return fail(PatternError::kTemplateTooLong);
        if (run == kNoRun)
            openRun(kRun);
        if (letter >= 0) {
            if (p.program[run] == kChoiceRun && position >= 64) {
                closeRun();
                openRun(kRun);
            }
            emit(static_cast<uint8_t>(position));
            emit(static_cast<uint8_t>(letter));
            highestLetter = position;
        }
        ++position;
    }
    closeRun();
    emit(kEnd);
    return true;
}

bool PatternCompiler::compileAnagramPart(size_t& i, int depth, int& count, bool& hasStar) {
    CompiledPattern& p = *m_out;
    const size_t start = i;

    // First the nested subpatterns, which also finds where the part ends.
    std::vector<size_t> subpatternEnds;
    size_t j = start;
    for (;;) {
        if (j >= m_text.size())
            return fail(PatternError::kSubpatternNotTerminated);
        const char c = m_text[j];
        if (isEscape(j)) {
            j += 2;
        } else if (c == '(') {
            ++j;
            Lengths sub;
            size_t closeAt = 0;
            if (!compileBody(j, depth + 1, sub, closeAt))
                return false;
            count += sub.fixed;
            if (count > kMaxLength)
                return fail(PatternError::kPatternTooLong);
            subpatternEnds.push_back(j);
        } else if (c == ';') {
            return fail(PatternError::kSecondSemicolon);
        } else if (c == ')') {
            break;
        } else {
            ++j;
        }
    }
    const size_t end = j;

    // Then the choice lists, in text order.
    std::vector<size_t> choiceEnds;
    size_t nextSubpattern = 0;
    for (j = start; j < end;) {
        const char c = m_text[j];
        if (isEscape(j)) {
            j += 2;
        } else if (c == '(') {
            j = subpatternEnds[nextSubpattern++];
        } else if (c == '[') {
            Choice choice;
            if (!parseChoice(j, choice))
                return false;
            choiceEnds.push_back(j);
            const size_t code = emit(choice.negated ? kNoneOf : kOneOf);
            countOperation(code);
            emit(static_cast<uint8_t>(choice.letters.size()));
            for (char letter : choice.letters)
                emit(static_cast<uint8_t>(letter));
            if (++count > kMaxLength)
                return fail(PatternError::kPatternTooLong);
        } else if (c == ']') {
            return fail(PatternError::kUnmatchedBracket);
        } else {
            ++j;
        }
    }

    // Last the plain letters, wildcards and stars.
    std::array<int, 256> letterCounts{};
    nextSubpattern = 0;
    size_t nextChoice = 0;
    for (j = start; j < end;) {
        const char c = m_text[j];
        if (c == '(' && !isEscape(j)) {
            j = subpatternEnds[nextSubpattern++];
        } else if (c == '[') {
            j = choiceEnds[nextChoice++];
        } else if (c == '*') {
            hasStar = true;
            ++j;
        } else {
            size_t width = 1;
            const int letter = itemAt(j, width);
            j += width;
            if (letter >= 0)
                ++letterCounts[letter];
            if (++count > kMaxLength)
                return fail(PatternError::kPatternTooLong);
        }
    }
    const bool repeats =
        std::any_of(letterCounts.begin(), letterCounts.end(), [](int n) { return n > 1; });
    const int distinct = static_cast<int>(
        std::count_if(letterCounts.begin(), letterCounts.end(), [](int n) { return n > 0; }));
    if (std::any_of(letterCounts.begin(), letterCounts.end(), [](int n) { return n >= 240; }))
        return fail(PatternError::kPatternTooLong);  // a count must stay below the codes
    if (distinct > 0) {
        countOperation(emit(repeats ? kCountedLetters : kDistinctLetters));
        if (!repeats)
            emit(static_cast<uint8_t>(distinct));
        for (int letter = 0; letter < 256; ++letter) {
            if (letterCounts[letter] == 0)
                continue;
            if (repeats)
                emit(static_cast<uint8_t>(letterCounts[letter]));
            emit(static_cast<uint8_t>(letter));
        }
    }
    if (p.program.size() > kMaxProgram)
        return fail(PatternError::kProgramTooLarge);
    i = end;
    return true;
}

bool PatternCompiler::parseChoice(size_t& i, Choice& out) {
    ++i;  // the "["
    if (m_text[i] == '^') {
        out.negated = true;
        ++i;
    }
    for (;;) {
        if (i >= m_close)
            return fail(PatternError::kChoiceNotTerminated);
        const char c = m_text[i];
        if (c == ']') {
            ++i;
            return true;
        }
        uint8_t letter = LetterMap::kNotALetter;
        if (isEscape(i)) {
            letter = m_letters.letterOf(static_cast<unsigned char>(m_text[i + 1]));
            i += 2;
        } else if (!endsChoiceList(c) && c != '.') {
            letter = m_letters.letterOf(static_cast<unsigned char>(c));
            ++i;
        }
        if (letter == LetterMap::kNotALetter)
            return fail(PatternError::kInvalidChoice);
        out.letters += static_cast<char>(letter);
        if (out.letters.size() > kMaxLength)
            return fail(PatternError::kPatternTooLong);
    }
}

int PatternCompiler::itemAt(size_t i, size_t& width) const {
    unsigned char c = static_cast<unsigned char>(m_text[i]);
    width = 1;
    if (isEscape(i)) {
        c = static_cast<unsigned char>(m_text[i + 1]);
        width = 2;
    } else if (c == '.') {
        return -1;
    }
    const uint8_t letter = m_letters.letterOf(c);
    return letter == LetterMap::kNotALetter ? -1 : letter;
}

size_t PatternCompiler::emit(uint8_t byte) {
    m_out->program.push_back(byte);
    return m_out->program.size() - 1;
}

void PatternCompiler::countOperation(size_t offset) {
    ++m_out->operationCount;
    m_lastOperation = offset;
}

bool PatternCompiler::fail(std::string_view error) {
    m_error = error;
    return false;
}

}  // namespace tessaran
