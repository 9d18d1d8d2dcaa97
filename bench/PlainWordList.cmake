# Writes the words of INPUT made only of ASCII letters to OUTPUT, upper-cased, sorted and
# each once, one a line: a plain alphabetical list of the kind setters feed the builder.
file(STRINGS "${INPUT}" words ENCODING UTF-8 REGEX "^[A-Za-z]+$")
list(TRANSFORM words TOUPPER)
list(REMOVE_DUPLICATES words)
list(SORT words)
list(JOIN words "\n" text)
file(WRITE "${OUTPUT}" "${text}\n")
