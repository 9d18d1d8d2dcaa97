#include "wordsearch/LetterMap.h"

#include "dictionary/Dictionary.h"

namespace tessaran {

LetterMap LetterMap::fromDictionary(const Dictionary& dictionary) {
    LetterMap map;
    if (!dictionary.isValid())
        return map;
    for (int c = 0; c < 256; ++c)
        map.set(static_cast<unsigned char>(c), dictionary.letterOf(static_cast<unsigned char>(c)));
    map.setSizes(dictionary.lettersInUse(), dictionary.alphabetSize());
    return map;
}

}  // namespace tessaran
