#pragma once
// Compiles pattern text to the byte program described in CompiledPattern.h.
//
// The text is compiled as the inside of one pair of parentheses, by recursive descent:
// one level per subpattern and one per rest of a template after a star or a variable
// subpattern. Recursion is bounded (kMaxDepth) and so are the program and every length
// byte, so no pattern can overflow the stack or a byte of the program.

#include <string>
#include <string_view>

#include "wordsearch/CompiledPattern.h"
#include "wordsearch/LetterMap.h"

namespace tessaran {

namespace PatternError {
inline constexpr std::string_view kNone = "No Error";
inline constexpr std::string_view kInvalidChoice =
    "Pattern Syntax Error: invalid characters in  choice list";
inline constexpr std::string_view kTemplateTooLong =
    "Pattern Syntax Error: too many characters in template";
inline constexpr std::string_view kChoiceNotTerminated =
    "Pattern Syntax Error: choice list not terminated by ]";
inline constexpr std::string_view kSecondSemicolon =
    "Pattern Syntax Error: more than one ; in pattern";
inline constexpr std::string_view kSubpatternNotTerminated =
    "Pattern Syntax Error: subpattern not terminated by )";
inline constexpr std::string_view kUnmatchedClose =
    "Pattern Syntax Error: subpattern terminator without matching (";
inline constexpr std::string_view kUnmatchedBracket =
    "Pattern Syntax Error: choice list terminator without matching [";
// Beyond what one byte of the program can hold, or too large to match in bounded time.
inline constexpr std::string_view kPatternTooLong =
    "Pattern Syntax Error: pattern too long (at most 240 letters in any part)";
inline constexpr std::string_view kProgramTooLarge =
    "Pattern Syntax Error: pattern too long (more than 4096 bytes compiled)";
inline constexpr std::string_view kNestedTooDeeply =
    "Pattern Syntax Error: more than 64 stars and subpatterns nested in pattern";
}  // namespace PatternError

class PatternCompiler {
public:
    static constexpr int kMaxDepth = 64;        // nesting of subpatterns and star levels
    static constexpr int kMaxLength = 240;      // any F, A or rest length
    static constexpr int kMaxProgram = 4096;    // bytes of program
    static constexpr int kUnbounded = 1 << 20;  // an extra length without limit

    explicit PatternCompiler(const LetterMap& letters) : m_letters(letters) {}

    // Compiles text into out. Returns "No Error" on success, else the first error met.
    std::string_view compile(std::string_view text, CompiledPattern& out);

private:
    struct Lengths {
        int fixed = 0;
        int extra = 0;  // saturates at kUnbounded
    };
    struct BodyState {
        int lastStar = -1;  // offset of the star last met in this body's template levels
    };
    struct Choice {
        bool negated = false;
        std::string letters;
    };

    bool compileBody(size_t& i, int depth, Lengths& out, size_t& closeAt);
    bool compileTemplateLevel(size_t& i, int depth, Lengths& out, BodyState& body);
    bool compileAnagramPart(size_t& i, int depth, int& count, bool& hasStar);
    bool parseChoice(size_t& i, Choice& out);
    // Letter index of the plain item at i (an escape pair counts as one), or -1 for a
    // wildcard; width receives how many characters the item takes.
    int itemAt(size_t i, size_t& width) const;
    bool isEscape(size_t i) const { return m_text[i] == '\\' && i + 1 < m_close; }

    size_t emit(uint8_t byte);
    void countOperation(size_t offset);
    bool fail(std::string_view error);

    const LetterMap& m_letters;
    std::string m_text;  // the pattern with ")" appended
    size_t m_close = 0;  // index of the appended ")"
    CompiledPattern* m_out = nullptr;
    std::string_view m_error;
    size_t m_lastOperation = 0;
    std::vector<std::pair<size_t, int>> m_bodyOffsets;  // (code offset, body index)
    std::vector<size_t> m_memoOffsets;
};

}  // namespace tessaran
