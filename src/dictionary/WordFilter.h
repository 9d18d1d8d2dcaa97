#pragma once
// The predicate a filter-driven InputEngine asks about every word it decodes (the word
// search's matcher implements it).

#include "dictionary/DictionaryFormat.h"

namespace tessaran {

class WordFilter {
public:
    virtual ~WordFilter() = default;

    // Whether the word fits. `letters` holds the word's letter indices, one per letter of
    // the cursor's length, ended by 255; it stays valid only for the duration of the call.
    virtual bool matches(const lxd::LetterIndex* letters) = 0;
};

}  // namespace tessaran
