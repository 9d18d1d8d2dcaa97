# Copies the words of INPUT made only of ASCII letters, apostrophe, hyphen, full stop
# and blank into OUTPUT, one a line. INPUT is UTF-8; a line with any other character is
# dropped whole.
file(STRINGS "${INPUT}" words ENCODING UTF-8 REGEX "^[A-Za-z' .-]+$")
list(JOIN words "\n" text)
file(WRITE "${OUTPUT}" "${text}\n")
