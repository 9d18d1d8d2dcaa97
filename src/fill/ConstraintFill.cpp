#include "fill/ConstraintFill.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "dictionary/Dictionary.h"
#include "fill/FillRandom.h"
#include "fill/FillResult.h"
#include "fill/FillView.h"
#include "fill/FillWordIndex.h"
#include "grid/Cell.h"
#include "grid/Grid.h"
#include "grid/GridView.h"
#include "grid/KillList.h"
#include "grid/Light.h"

namespace tessaran {
namespace {

// Words have at most this many letters (the dictionary's longest slot).
constexpr int kLongestWord = 31;
// A placement reports as the described search's top level does (automatic mode, full
// depth budget), so every redisplay frequency shows it.
constexpr int kPlacementIndicator = 1 - INT_MAX;
// How many of a light's first words (in dictionary order) compete on what they leave
// their crossings.
constexpr int kFirstFew = 5;
// How much more the poorest crossing counts than the others when ranking those words.
constexpr double kPoorestWeight = 3;
// "Random" first word: drawn from this many of the first light's first words.
constexpr int kRandomFirstWords = 256;
// Dead ends before the first restart, and the growth of that limit at each restart.
constexpr long kFirstRestartLimit = 100;
constexpr double kRestartGrowth = 1.5;
// How much a restart's randomness may bend the choice of the next light.
constexpr double kRestartJitter = 0.1;
// The search first keeps to the commonest words: in a stage each light may take only the
// first share of the words of its length (the shipped dictionaries put the commonest
// first), and a stage that finds no fill within its dead ends gives way to the next. The
// last stage takes every word and has no limit, so whether a fill exists is still decided.
struct Stage {
    double share;
    long deadEnds;
};
constexpr Stage kStages[] = {{0.35, 300}, {0.6, 1000}, {1.0, LONG_MAX}};
constexpr std::uint32_t kNoWord = UINT32_MAX;

// Counted inline: without a population count instruction in the target the library's
// version is a call, and the search counts bits in its innermost loops.
int popcount(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// A set of letter indices (0..255).
struct LetterSet {
    std::uint64_t bits[4] = {};

    void add(int letter) { bits[letter >> 6] |= std::uint64_t{1} << (letter & 63); }
    bool has(int letter) const { return bits[letter >> 6] >> (letter & 63) & 1u; }
    bool empty() const { return !(bits[0] | bits[1] | bits[2] | bits[3]); }
    int size() const {
        return popcount(bits[0]) + popcount(bits[1]) + popcount(bits[2]) + popcount(bits[3]);
    }
    LetterSet operator&(const LetterSet& other) const {
        LetterSet r;
        for (int i = 0; i < 4; ++i)
            r.bits[i] = bits[i] & other.bits[i];
        return r;
    }
    LetterSet operator~() const {
        LetterSet r;
        for (int i = 0; i < 4; ++i)
            r.bits[i] = ~bits[i];
        return r;
    }
    bool operator==(const LetterSet&) const = default;
    template <class F>
    void forEach(F f) const {
        for (int i = 0; i < 4; ++i)
            for (std::uint64_t b = bits[i]; b; b &= b - 1)
                f(i * 64 + std::countr_zero(b));
    }
};

}  // namespace

class ConstraintFill::Search {
public:
    Search(Grid& grid, Dictionary& dictionary, FillRandom& random, Counters& counters)
        : m_grid(grid),
          m_dictionary(dictionary),
          m_random(random),
          m_counters(counters),
          m_index(dictionary),
          m_letters(dictionary.isValid() ? dictionary.lettersInUse() : 0) {}

    NormalFillOutcome run(Light* startLight);

private:
    // How a stage ended.
    enum class StageEnd { Filled, NoFill, GaveUp, Abandoned };

    // A light to fill.
    struct Slot {
        Light* light = nullptr;
        int length = 0;
        const FillWordIndex::Words* words = nullptr;
        std::uint32_t chunks = 0;
        std::size_t offset = 0;    // of its word set in m_domain
        std::uint32_t count = 0;   // words left
        int firstLink = 0;         // its positions in m_links
        std::size_t residues = 0;  // its (position, letter) entries in m_residue
        double weight = 1;         // 1 + how often it was part of a dead end
        bool assigned = false;
        std::uint32_t word = kNoWord;
    };
    // One position of a slot. cell and other are set when the cell is empty and also lies
    // in another slot.
    struct Link {
        int cell = -1;  // in m_shared
        int other = -1;
        int otherPosition = -1;
        bool given = false;  // the cell has a given letter
    };
    struct SharedCell {
        LetterSet letters;
    };
    struct ChunkSave {
        std::uint32_t slot;
        std::uint32_t chunk;
        std::uint64_t old;
    };
    struct LettersSave {
        int cell;
        LetterSet old;
    };
    struct Mark {
        std::size_t chunks = 0;
        std::size_t letters = 0;
    };
    struct Decision {
        int slot;
        std::uint32_t word;
        Mark mark;
    };

    // Setting up.
    void prepare();
    bool buildSlots(Light*& failedLight, double share);
    const std::vector<std::uint64_t>& usableWords(int length);
    void removeCompleteWords();

    // Word sets, with every change recorded on the trail.
    std::uint64_t* domain(const Slot& slot) { return m_domain.data() + slot.offset; }
    const std::uint8_t* letters(const Slot& slot, std::uint32_t word) const {
        return slot.words->letters.data() + static_cast<std::size_t>(word) * slot.length;
    }
    void writeChunk(int slot, std::uint32_t chunk, std::uint64_t value);
    bool narrow(int slot, int position, const LetterSet& allowed, const LetterSet& removed);
    bool removeWord(int slot, std::uint32_t word);
    void restrictTo(int slot, std::uint32_t word);
    void enqueue(int slot);
    bool propagate();
    void supports(int slot, const int* positions, int n, LetterSet* out);
    void deadEnd(int emptied, int cause);
    Mark mark() const { return {m_chunkTrail.size(), m_lettersTrail.size()}; }
    void undo(const Mark& mark);
    void newEpoch();

    // Searching.
    bool assign(int slot, std::uint32_t word);
    bool backtrack();
    void restart();
    int chooseSlot(int preferred);
    std::uint32_t chooseWord(int slot, bool firstOfRun);
    void showWord(int slot);
    void hideWord(int slot);
    int progress(const Light* light, int level, int indicator);
    StageEnd runStage(Light* startLight, const Stage& stage, Light*& failedLight);
    void clearStage();
    void finish();

    Grid& m_grid;
    Dictionary& m_dictionary;
    FillRandom& m_random;
    Counters& m_counters;
    FillWordIndex m_index;
    const int m_letters;  // S
    GridView* m_view = nullptr;
    KillList* m_killList = nullptr;
    std::unique_ptr<FillView> m_fillView;
    int m_firstWord = 0;

    std::vector<Light*> m_lights;
    std::vector<Slot> m_slots;
    std::vector<Link> m_links;
    std::vector<SharedCell> m_shared;
    std::vector<std::vector<int>> m_slotsByLength;
    // Per length: the words whose letters are all fill letters and that are not killed.
    std::vector<std::vector<std::uint64_t>> m_usable;
    // Per length: the next word with the same letters (kNoWord: none); empty when the
    // dictionary holds each word once.
    std::vector<std::vector<std::uint32_t>> m_sameLetters;

    std::vector<std::uint64_t> m_domain;
    std::vector<std::uint32_t> m_stamp;  // epoch in which a chunk was last saved
    std::uint32_t m_epoch = 1;
    std::vector<ChunkSave> m_chunkTrail;
    std::vector<LettersSave> m_lettersTrail;
    std::vector<std::uint64_t> m_scratch;
    // Per slot, position and letter: a chunk where a word with that letter there was last
    // found.
    std::vector<std::uint32_t> m_residue;

    std::vector<int> m_queue;
    std::size_t m_queueHead = 0;
    std::vector<char> m_queued;
    int m_emptied = -1;  // the slot left without words by the last dead end

    std::vector<Decision> m_stack;
    std::vector<double> m_weights;  // the slots' weights when the last stage ended
    long m_restartLimit = kFirstRestartLimit;
    long m_sinceRestart = 0;
};

// ---------------------------------------------------------------------------------------
// Setting up

// As the described search prepares: every cell's working letter from its shown text (a
// text that is not a single fill letter can hold no word), earlier filled letters dropped.
void ConstraintFill::Search::prepare() {
    m_firstWord = m_grid.settingValue(GridSetting::FirstWord);
    m_view = m_grid.observer();
    m_killList = m_grid.killList();
    for (int r = 0; r < m_grid.rows(); ++r) {
        for (int c = 0; c < m_grid.columns(); ++c) {
            Cell& cell = m_grid.cellAt(r, c);
            std::uint8_t fixed = kNoLetter;
            if (cell.shownText()) {
                const std::string& shown = *cell.shownText();
                const std::uint8_t letter =
                    shown.size() == 1 && m_dictionary.isValid()
                        ? m_dictionary.letterOf(static_cast<unsigned char>(shown[0]))
                        : kNotLetter;
                fixed = letter < m_letters ? letter : kNotLetter;
            }
            cell.setFixedLetter(fixed);
            cell.setFilledLetter(kNoLetter);
        }
    }
    m_lights = m_grid.lights();
    for (Light* light : m_lights) {
        light->updateFillState();
        light->invalidateFillEvaluation();
    }
    m_fillView = std::make_unique<FillView>(m_grid, m_dictionary);
    if (m_killList)
        m_killList->beginFill(m_dictionary);
}

const std::vector<std::uint64_t>& ConstraintFill::Search::usableWords(int length) {
    std::vector<std::uint64_t>& usable = m_usable[length];
    if (!usable.empty())
        return usable;
    const FillWordIndex::Words& words = *m_index.words(length);
    usable.assign(words.chunks, 0);
    std::vector<std::uint32_t> order;
    for (std::uint32_t w = 0; w < words.count; ++w) {
        const std::uint8_t* word = words.letters.data() + static_cast<std::size_t>(w) * length;
        if (std::any_of(word, word + length, [&](std::uint8_t c) { return c >= m_letters; }))
            continue;
        if (m_killList && m_killList->isKilled(word, length))
            continue;
        usable[w / 64] |= std::uint64_t{1} << (w % 64);
        order.push_back(w);
    }
    // A dictionary built without sorting may hold a word more than once; placing one copy
    // must rule out the others.
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto* la = words.letters.data() + static_cast<std::size_t>(a) * length;
        const auto* lb = words.letters.data() + static_cast<std::size_t>(b) * length;
        const int c = std::memcmp(la, lb, static_cast<std::size_t>(length));
        return c != 0 ? c < 0 : a < b;
    });
    std::vector<std::uint32_t>& same = m_sameLetters[length];
    for (std::size_t i = 0; i + 1 < order.size();) {
        std::size_t j = i + 1;
        const auto* first = words.letters.data() + static_cast<std::size_t>(order[i]) * length;
        while (j < order.size() &&
               std::memcmp(first,
                           words.letters.data() + static_cast<std::size_t>(order[j]) * length,
                           static_cast<std::size_t>(length)) == 0)
            ++j;
        if (j - i > 1) {
            if (same.empty())
                same.assign(words.count, kNoWord);
            for (std::size_t k = i; k < j; ++k)  // a ring through the copies
                same[order[k]] = order[k + 1 < j ? k + 1 : i];
        }
        i = j;
    }
    return usable;
}

// Lights to fill become slots, each with the words its given letters allow among the
// first share of the words of its length. Answers false, with failedLight set, when a
// light can hold no word at all.
bool ConstraintFill::Search::buildSlots(Light*& failedLight, double share) {
    const int s = m_letters;
    m_slotsByLength.assign(kLongestWord + 1, {});
    if (m_usable.empty()) {  // kept from stage to stage
        m_usable.assign(kLongestWord + 1, {});
        m_sameLetters.assign(kLongestWord + 1, {});
    }
    std::vector<int> slotOfLight(m_lights.size(), -1);
    std::size_t domainSize = 0;
    std::size_t residues = 0;
    std::uint32_t widest = 0;
    for (std::size_t i = 0; i < m_lights.size(); ++i) {
        Light* light = m_lights[i];
        if (light->fillState() != 3)
            continue;
        const int length = light->length();
        const FillWordIndex::Words* words =
            length <= kLongestWord ? m_index.words(length) : nullptr;
        bool fits = words && words->count > 0;
        for (int p = 0; fits && p < length; ++p) {
            const std::uint8_t fixed = light->cell(p).fixedLetter();
            fits = fixed == kNoLetter || fixed < s;
        }
        if (!fits) {
            failedLight = light;
            return false;
        }
        Slot slot;
        slot.light = light;
        slot.length = length;
        slot.words = words;
        slot.chunks = words->chunks;
        slot.offset = domainSize;
        domainSize += words->chunks;
        widest = std::max(widest, words->chunks);
        slot.firstLink = static_cast<int>(m_links.size());
        slot.residues = residues;
        residues += static_cast<std::size_t>(length) * s;
        m_links.resize(m_links.size() + static_cast<std::size_t>(length));
        slotOfLight[i] = static_cast<int>(m_slots.size());
        m_slotsByLength[length].push_back(static_cast<int>(m_slots.size()));
        m_slots.push_back(slot);
    }

    // Cells shared by two slots: one letter set each, linked from both sides.
    std::unordered_map<const Light*, int> slotOf;
    for (std::size_t i = 0; i < m_lights.size(); ++i)
        if (slotOfLight[i] >= 0)
            slotOf[m_lights[i]] = slotOfLight[i];
    std::vector<int> sharedOfCell(static_cast<std::size_t>(m_grid.rows()) * m_grid.columns(), -1);
    LetterSet all;
    for (int c = 0; c < s; ++c)
        all.add(c);
    for (int x = 0; x < static_cast<int>(m_slots.size()); ++x) {
        Slot& slot = m_slots[x];
        for (int p = 0; p < slot.length; ++p) {
            Cell& cell = slot.light->cell(p);
            Link& link = m_links[slot.firstLink + p];
            link.given = cell.fixedLetter() != kNoLetter;
            if (link.given)
                continue;
            Light* otherLight = cell.lightA() == slot.light ? cell.lightB() : cell.lightA();
            const auto found = otherLight ? slotOf.find(otherLight) : slotOf.end();
            if (found == slotOf.end())
                continue;
            const int other = found->second;
            int& shared = sharedOfCell[static_cast<std::size_t>(cell.row()) * m_grid.columns() +
                                       cell.column()];
            if (shared < 0) {
                shared = static_cast<int>(m_shared.size());
                m_shared.push_back({all});
            }
            link.cell = shared;
            link.other = other;
            link.otherPosition = cell.indexIn(otherLight);
        }
    }

    // Each slot starts with the usable words that fit its given letters.
    m_domain.assign(domainSize, 0);
    m_stamp.assign(domainSize, 0);
    m_scratch.assign(widest, 0);
    m_residue.assign(residues, 0);
    m_queued.assign(m_slots.size(), 0);
    for (Slot& slot : m_slots) {
        const std::vector<std::uint64_t>& usable = usableWords(slot.length);
        std::uint64_t* d = domain(slot);
        std::copy(usable.begin(), usable.end(), d);
        if (share < 1) {
            const auto first = static_cast<std::uint32_t>(std::ceil(share * slot.words->count));
            for (std::uint32_t w = first; w < slot.chunks * 64; w = (w | 63) + 1)
                d[w / 64] &= (std::uint64_t{1} << (w % 64)) - 1;
        }
        for (int p = 0; p < slot.length; ++p) {
            const std::uint8_t fixed = slot.light->cell(p).fixedLetter();
            if (fixed == kNoLetter)
                continue;
            const std::uint64_t* set = slot.words->set(p, fixed, s);
            for (std::uint32_t i = 0; i < slot.chunks; ++i)
                d[i] &= set[i];
        }
    }
    removeCompleteWords();
    for (Slot& slot : m_slots) {
        const std::uint64_t* d = domain(slot);
        slot.count = 0;
        for (std::uint32_t i = 0; i < slot.chunks; ++i)
            slot.count += static_cast<std::uint32_t>(popcount(d[i]));
        if (slot.count == 0) {
            failedLight = slot.light;
            return false;
        }
    }
    return true;
}

// A word that a light already spells with given letters is in the grid: no other light
// may take it.
void ConstraintFill::Search::removeCompleteWords() {
    const int s = m_letters;
    for (Light* light : m_lights) {
        const int length = light->length();
        if (light->fillState() != 1 || length > kLongestWord || m_slotsByLength[length].empty())
            continue;
        const Slot& some = m_slots[m_slotsByLength[length].front()];
        std::fill(m_scratch.begin(), m_scratch.begin() + some.chunks, ~std::uint64_t{0});
        bool letters = true;
        for (int p = 0; p < length && letters; ++p) {
            const std::uint8_t c = light->cell(p).fixedLetter();
            letters = c < s;
            if (letters) {
                const std::uint64_t* set = some.words->set(p, c, s);
                for (std::uint32_t i = 0; i < some.chunks; ++i)
                    m_scratch[i] &= set[i];
            }
        }
        if (!letters)
            continue;
        for (int x : m_slotsByLength[length]) {
            std::uint64_t* d = domain(m_slots[x]);
            for (std::uint32_t i = 0; i < some.chunks; ++i)
                d[i] &= ~m_scratch[i];
        }
    }
}

// ---------------------------------------------------------------------------------------
// Word sets and propagation

void ConstraintFill::Search::newEpoch() {
    if (++m_epoch == 0) {  // wrapped: no chunk counts as saved any more
        std::fill(m_stamp.begin(), m_stamp.end(), 0);
        m_epoch = 1;
    }
}

void ConstraintFill::Search::writeChunk(int slot, std::uint32_t chunk, std::uint64_t value) {
    Slot& x = m_slots[slot];
    const std::size_t at = x.offset + chunk;
    std::uint64_t& current = m_domain[at];
    if (current == value)
        return;
    // One save per chunk between two marks is enough to undo back to the earlier mark.
    if (m_stamp[at] != m_epoch) {
        m_chunkTrail.push_back({static_cast<std::uint32_t>(slot), chunk, current});
        m_stamp[at] = m_epoch;
    }
    x.count -= static_cast<std::uint32_t>(popcount(current & ~value));  // value is a subset
    current = value;
}

void ConstraintFill::Search::undo(const Mark& mark) {
    while (m_chunkTrail.size() > mark.chunks) {
        const ChunkSave& save = m_chunkTrail.back();
        Slot& x = m_slots[save.slot];
        std::uint64_t& current = m_domain[x.offset + save.chunk];
        x.count += static_cast<std::uint32_t>(popcount(save.old & ~current));
        current = save.old;
        m_chunkTrail.pop_back();
    }
    while (m_lettersTrail.size() > mark.letters) {
        m_shared[m_lettersTrail.back().cell].letters = m_lettersTrail.back().old;
        m_lettersTrail.pop_back();
    }
    newEpoch();
}

void ConstraintFill::Search::enqueue(int slot) {
    if (!m_queued[slot]) {
        m_queued[slot] = 1;
        m_queue.push_back(slot);
    }
}

// Keeps only the slot's words whose letter at position is one of allowed; removed are the
// letters just taken from the cell, which no word of the slot had any other reason to
// lack (a slot's words always fit its cells' letter sets). False when no word is left.
bool ConstraintFill::Search::narrow(int slot, int position, const LetterSet& allowed,
                                    const LetterSet& removed) {
    Slot& y = m_slots[slot];
    const int s = m_letters;
    const std::uint32_t chunks = y.chunks;
    const std::uint64_t* d = domain(y);
    // Keep the words of the allowed letters, or drop those of the removed letters,
    // whichever reads fewer sets.
    const bool dropping = removed.size() < allowed.size();
    const std::uint64_t* sets[256];
    int n = 0;
    (dropping ? removed : allowed).forEach([&](int c) {
        if (c < s)
            sets[n++] = y.words->set(position, c, s);
    });
    bool changed = false;
    for (std::uint32_t i = 0; i < chunks; ++i) {
        if (!d[i])
            continue;
        std::uint64_t with = 0;
        for (int k = 0; k < n; ++k)
            with |= sets[k][i];
        const std::uint64_t value = d[i] & (dropping ? ~with : with);
        if (value != d[i]) {
            writeChunk(slot, i, value);
            changed = true;
        }
    }
    if (y.count == 0)
        return false;
    if (changed)
        enqueue(slot);
    return true;
}

// Takes word (and any copy of it) from the slot's words. False when no word is left.
bool ConstraintFill::Search::removeWord(int slot, std::uint32_t word) {
    Slot& y = m_slots[slot];
    const std::vector<std::uint32_t>& same = m_sameLetters[y.length];
    std::uint32_t w = word;
    bool changed = false;
    do {
        const std::uint64_t value = domain(y)[w / 64];
        const std::uint64_t bit = std::uint64_t{1} << (w % 64);
        if (value & bit) {
            writeChunk(slot, w / 64, value & ~bit);
            changed = true;
        }
        w = same.empty() ? word : same[w];
    } while (w != word && w != kNoWord);
    if (y.count == 0)
        return false;
    if (changed)
        enqueue(slot);
    return true;
}

void ConstraintFill::Search::restrictTo(int slot, std::uint32_t word) {
    const Slot& x = m_slots[slot];
    for (std::uint32_t i = 0; i < x.chunks; ++i)
        writeChunk(slot, i, i == word / 64 ? std::uint64_t{1} << (word % 64) : 0);
}

// The letters the slot's words still have at each of the given positions.
void ConstraintFill::Search::supports(int slot, const int* positions, int n, LetterSet* out) {
    const Slot& x = m_slots[slot];
    const std::uint64_t* d = domain(x);
    for (int j = 0; j < n; ++j)
        out[j] = LetterSet{};
    // Few words: read their letters. Many: ask, letter by letter, whether any word has it
    // (most letters find one in the first chunks).
    if (x.count <= 4 * x.chunks) {
        if (m_letters <= 64) {  // the usual alphabets: one word of bits per set
            std::uint64_t seen[kLongestWord] = {};
            for (std::uint32_t i = 0; i < x.chunks; ++i) {
                for (std::uint64_t b = d[i]; b; b &= b - 1) {
                    const std::uint8_t* word =
                        letters(x, i * 64 + static_cast<std::uint32_t>(std::countr_zero(b)));
                    for (int j = 0; j < n; ++j)
                        seen[j] |= std::uint64_t{1} << word[positions[j]];
                }
            }
            for (int j = 0; j < n; ++j)
                out[j].bits[0] = seen[j];
            return;
        }
        for (std::uint32_t i = 0; i < x.chunks; ++i) {
            for (std::uint64_t b = d[i]; b; b &= b - 1) {
                const std::uint32_t w = i * 64 + static_cast<std::uint32_t>(std::countr_zero(b));
                const std::uint8_t* word = letters(x, w);
                for (int j = 0; j < n; ++j)
                    out[j].add(word[positions[j]]);
            }
        }
        return;
    }
    const int s = m_letters;
    for (int j = 0; j < n; ++j) {
        const int p = positions[j];
        const LetterSet& now = m_shared[m_links[x.firstLink + p].cell].letters;
        std::uint32_t* residue = m_residue.data() + x.residues + static_cast<std::size_t>(p) * s;
        now.forEach([&](int c) {
            const std::uint64_t* set = x.words->set(p, c, s);
            // The chunk where this letter was last found usually still holds a word with it.
            if (d[residue[c]] & set[residue[c]]) {
                out[j].add(c);
                return;
            }
            for (std::uint32_t i = 0; i < x.chunks; ++i) {
                if (d[i] && (d[i] & set[i])) {
                    out[j].add(c);
                    residue[c] = i;
                    break;
                }
            }
        });
    }
}

void ConstraintFill::Search::deadEnd(int emptied, int cause) {
    ++m_counters.deadEnds;
    m_emptied = emptied;
    m_slots[emptied].weight += 1;
    if (cause >= 0)
        m_slots[cause].weight += 1;
    for (int x : m_queue)
        m_queued[x] = 0;
    m_queue.clear();
    m_queueHead = 0;
}

// Narrows letters and words until nothing changes. False at a dead end: some slot, or
// some shared cell, has nothing left.
bool ConstraintFill::Search::propagate() {
    int positions[kLongestWord];
    LetterSet support[kLongestWord];
    while (m_queueHead < m_queue.size()) {
        const int x = m_queue[m_queueHead++];
        m_queued[x] = 0;
        const Slot& slot = m_slots[x];
        if (slot.count == 0) {
            deadEnd(x, -1);
            return false;
        }
        int n = 0;
        for (int p = 0; p < slot.length; ++p) {
            const Link& link = m_links[slot.firstLink + p];
            if (link.cell >= 0 && !m_slots[link.other].assigned)
                positions[n++] = p;
        }
        if (n == 0)
            continue;
        supports(x, positions, n, support);
        for (int j = 0; j < n; ++j) {
            const Link& link = m_links[slot.firstLink + positions[j]];
            LetterSet& now = m_shared[link.cell].letters;
            const LetterSet narrowed = now & support[j];
            if (narrowed == now)
                continue;
            const LetterSet removed = now & ~narrowed;
            m_lettersTrail.push_back({link.cell, now});
            now = narrowed;
            if (narrowed.empty()) {
                deadEnd(x, link.other);
                return false;
            }
            if (!narrow(link.other, link.otherPosition, narrowed, removed)) {
                deadEnd(link.other, x);
                return false;
            }
        }
    }
    m_queue.clear();
    m_queueHead = 0;
    return true;
}

// ---------------------------------------------------------------------------------------
// Searching

// Places word in the slot and propagates: its crossings narrow, and no other light of the
// length may take the word again. False at a dead end.
bool ConstraintFill::Search::assign(int slot, std::uint32_t word) {
    restrictTo(slot, word);
    enqueue(slot);
    for (int other : m_slotsByLength[m_slots[slot].length]) {
        if (other == slot || m_slots[other].assigned)
            continue;
        if (!removeWord(other, word)) {
            deadEnd(other, slot);
            return false;
        }
    }
    return propagate();
}

// Goes back from a dead end: the last placement is undone and its word ruled out where it
// stood, which may be a dead end in turn. False when the dead end reaches the top: there
// is no fill.
bool ConstraintFill::Search::backtrack() {
    for (;;) {
        ++m_sinceRestart;
        if (m_stack.empty())
            return false;
        const Decision decision = m_stack.back();
        m_stack.pop_back();
        undo(decision.mark);
        hideWord(decision.slot);
        m_slots[decision.slot].assigned = false;
        m_slots[decision.slot].word = kNoWord;
        if (removeWord(decision.slot, decision.word) && propagate())
            return true;
        if (m_slots[decision.slot].count == 0)
            deadEnd(decision.slot, -1);
    }
}

// Starts again from the top, keeping what was ruled out there and the slots' weights.
void ConstraintFill::Search::restart() {
    const Mark top = m_stack.front().mark;
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        hideWord(it->slot);
        m_slots[it->slot].assigned = false;
        m_slots[it->slot].word = kNoWord;
    }
    m_stack.clear();
    undo(top);
    ++m_counters.restarts;
    m_sinceRestart = 0;
    m_restartLimit = static_cast<long>(static_cast<double>(m_restartLimit) * kRestartGrowth);
}

// The open slot with the fewest words for its weight; a slot with one word left first.
int ConstraintFill::Search::chooseSlot(int preferred) {
    if (preferred >= 0 && !m_slots[preferred].assigned)
        return preferred;
    int best = -1;
    double bestScore = 0;
    const bool jitter = m_counters.restarts > 0;
    for (int x = 0; x < static_cast<int>(m_slots.size()); ++x) {
        const Slot& slot = m_slots[x];
        if (slot.assigned)
            continue;
        if (slot.count == 1)
            return x;
        double score = slot.count / slot.weight;
        if (jitter)
            score *= 1 + kRestartJitter * m_random.next() / 32768.0;
        if (best < 0 || score < bestScore) {
            best = x;
            bestScore = score;
        }
    }
    return best;
}

// The slot's next word: the best of its first few in dictionary order by how many words
// they leave their open crossings, the earlier among equals. The measure is the product of
// the counts with the poorest crossing counted kPoorestWeight more times: a word that
// starves one crossing is a likely dead end however rich the others are.
std::uint32_t ConstraintFill::Search::chooseWord(int slot, bool firstOfRun) {
    const Slot& x = m_slots[slot];
    const std::uint64_t* d = domain(x);
    const bool random = firstOfRun && m_firstWord == 1;
    const std::uint32_t wanted = random ? std::min<std::uint32_t>(x.count, kRandomFirstWords)
                                        : std::min<std::uint32_t>(x.count, kFirstFew);
    const std::uint32_t pick = random ? static_cast<std::uint32_t>(m_random.next()) % wanted : 0;
    std::uint32_t candidates[kFirstFew];
    std::uint32_t found = 0;
    for (std::uint32_t i = 0; i < x.chunks && found < wanted; ++i) {
        for (std::uint64_t b = d[i]; b && found < wanted; b &= b - 1) {
            const std::uint32_t w = i * 64 + static_cast<std::uint32_t>(std::countr_zero(b));
            if (random) {
                if (found == pick)
                    return w;
                ++found;
            } else {
                candidates[found++] = w;
            }
        }
    }
    if (found <= 1)
        return candidates[0];

    const int s = m_letters;
    double bestScore = -1;
    std::uint32_t best = candidates[0];
    for (std::uint32_t k = 0; k < found; ++k) {
        const std::uint8_t* word = letters(x, candidates[k]);
        long least = LONG_MAX;
        double score = 0;
        for (int p = 0; p < x.length; ++p) {
            const Link& link = m_links[x.firstLink + p];
            if (link.cell < 0 || m_slots[link.other].assigned)
                continue;
            const Slot& y = m_slots[link.other];
            const std::uint64_t* dy = domain(y);
            const std::uint64_t* set = y.words->set(link.otherPosition, word[p], s);
            long left = 0;
            for (std::uint32_t i = 0; i < y.chunks; ++i)
                left += popcount(dy[i] & set[i]);
            least = std::min(least, left);
            score += std::log(static_cast<double>(left) + 1);
        }
        if (least != LONG_MAX)
            score += kPoorestWeight * std::log(static_cast<double>(least) + 1);
        if (score > bestScore) {
            bestScore = score;
            best = candidates[k];
        }
    }
    return best;
}

// The placed word's letters stand in the working letters while it stands, so that the
// redisplay shows the search path.
void ConstraintFill::Search::showWord(int slot) {
    const Slot& x = m_slots[slot];
    const std::uint8_t* word = letters(x, x.word);
    for (int p = 0; p < x.length; ++p)
        if (!m_links[x.firstLink + p].given)
            x.light->cell(p).setFixedLetter(word[p]);
}

void ConstraintFill::Search::hideWord(int slot) {
    const Slot& x = m_slots[slot];
    for (int p = 0; p < x.length; ++p) {
        const Link& link = m_links[x.firstLink + p];
        if (!link.given && (link.other < 0 || !m_slots[link.other].assigned))
            x.light->cell(p).setFixedLetter(kNoLetter);
    }
}

int ConstraintFill::Search::progress(const Light* light, int level, int indicator) {
    return m_view ? m_view->fillProgress(m_fillView.get(), light, level, indicator) : 0;
}

// The placed words become the provisional fill; working letters are cleared.
void ConstraintFill::Search::finish() {
    for (const Slot& slot : m_slots) {
        if (!slot.assigned)
            continue;
        slot.light->setFillState(2);
        const std::uint8_t* word = letters(slot, slot.word);
        for (int p = 0; p < slot.length; ++p)
            slot.light->cell(p).setFilledLetter(word[p]);
    }
    for (int r = 0; r < m_grid.rows(); ++r)
        for (int c = 0; c < m_grid.columns(); ++c)
            m_grid.cellAt(r, c).setFixedLetter(kNoLetter);
    for (Light* light : m_lights)
        light->invalidateFillEvaluation();
    progress(nullptr, 0, kFillRedisplayOnly);
    if (m_killList)
        m_killList->endFill();
    m_fillView.reset();
}

NormalFillOutcome ConstraintFill::Search::run(Light* startLight) {
    NormalFillOutcome outcome;
    prepare();
    for (const Stage& stage : kStages) {
        Light* failedLight = nullptr;
        const StageEnd end = runStage(startLight, stage, failedLight);
        const bool last = stage.share >= 1;
        if (!last && (end == StageEnd::GaveUp || end == StageEnd::NoFill))
            continue;
        outcome.result = end == StageEnd::Filled ? 1 : end == StageEnd::Abandoned ? 2 : 0;
        outcome.failedLight = failedLight;
        break;
    }
    finish();
    return outcome;
}

// Forgets the last stage's slots and search, keeping what it learnt of the hard lights.
void ConstraintFill::Search::clearStage() {
    m_weights.clear();
    for (const Slot& slot : m_slots)
        m_weights.push_back(slot.weight);
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        hideWord(it->slot);
        m_slots[it->slot].assigned = false;
    }
    m_stack.clear();
    m_slots.clear();
    m_links.clear();
    m_shared.clear();
    m_chunkTrail.clear();
    m_lettersTrail.clear();
    m_queue.clear();
    m_queueHead = 0;
    m_emptied = -1;
    m_restartLimit = kFirstRestartLimit;
    m_sinceRestart = 0;
}

// One stage: the search among the stage's share of the words, until a fill, a proof that
// there is none among them, the stage's dead ends used up, or Abandon. failedLight is set
// when propagation alone proves that a light can hold none of the stage's words.
ConstraintFill::Search::StageEnd ConstraintFill::Search::runStage(Light* startLight,
                                                                  const Stage& stage,
                                                                  Light*& failedLight) {
    clearStage();
    if (!buildSlots(failedLight, stage.share))
        return StageEnd::NoFill;
    if (m_weights.size() == m_slots.size())
        for (std::size_t x = 0; x < m_slots.size(); ++x)
            m_slots[x].weight = m_weights[x];
    for (int x = 0; x < static_cast<int>(m_slots.size()); ++x)
        enqueue(x);
    if (!propagate()) {
        failedLight = m_slots[m_emptied].light;
        return StageEnd::NoFill;
    }
    // Nothing below this point is ever undone.
    m_chunkTrail.clear();
    m_lettersTrail.clear();
    newEpoch();

    int start = -1;
    for (int x = 0; x < static_cast<int>(m_slots.size()); ++x)
        if (m_slots[x].light == startLight)
            start = x;

    const long deadEndLimit =
        stage.deadEnds == LONG_MAX ? LONG_MAX : m_counters.deadEnds + stage.deadEnds;
    bool firstOfRun = true;
    for (;;) {
        if (m_counters.deadEnds >= deadEndLimit)
            return StageEnd::GaveUp;
        const int x = chooseSlot(firstOfRun ? start : -1);
        if (x < 0)
            return StageEnd::Filled;  // every light holds a word
        const std::uint32_t word = chooseWord(x, firstOfRun);
        firstOfRun = false;
        Slot& slot = m_slots[x];
        // A word killed while the fill runs (the kill list is consulted again here).
        if (m_killList && m_killList->isKilled(letters(slot, word), slot.length)) {
            if (!(removeWord(x, word) && propagate())) {
                if (slot.count == 0)
                    deadEnd(x, -1);
                if (!backtrack())
                    return StageEnd::NoFill;
            }
            continue;
        }
        m_stack.push_back({x, word, mark()});
        newEpoch();
        slot.assigned = true;
        slot.word = word;
        showWord(x);
        ++m_counters.placements;
        if (progress(slot.light, static_cast<int>(m_stack.size()) - 1, kPlacementIndicator) == 3)
            return StageEnd::Abandoned;
        if (!assign(x, word) && !backtrack())
            return StageEnd::NoFill;
        if (m_sinceRestart >= m_restartLimit && !m_stack.empty()) {
            restart();
            firstOfRun = true;
        }
    }
}

// ---------------------------------------------------------------------------------------

ConstraintFill::ConstraintFill(Grid& grid, Dictionary& dictionary, FillRandom& random)
    : m_grid(grid), m_dictionary(dictionary), m_random(random) {}

ConstraintFill::~ConstraintFill() = default;

NormalFillOutcome ConstraintFill::normalFill(Light* startLight) {
    m_counters = Counters{};
    Search search(m_grid, m_dictionary, m_random, m_counters);
    return search.run(startLight);
}

}  // namespace tessaran
