# Writes a word list for the dictionary builder from the SCOWL lists, most common words
# first:
#
#   cmake -DSCOWL_DIR=/usr/share/dict/scowl -DSIZES=10,20,35 -DWORDS=english-words,british-words
#         [-DNAMES=english-proper-names] -DOUTPUT=list.txt -P ScowlWordList.cmake
#
# For each size in SIZES, in the order given, it takes the lists WORDS.size (entries
# made only of the letters a to z: no proper names, abbreviations in capitals,
# possessives, digits or accented words) and then NAMES.size (entries made only of ASCII
# letters, capitals allowed). A list missing for a size is passed over. Repeats stay:
# the builder's --unique keeps each word at its first, most common, place.
#
# An entry holding any other byte is dropped whole, whatever the list's encoding, so a
# word with an accent never loses just its accented letter.

foreach(required SCOWL_DIR SIZES WORDS OUTPUT)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "ScowlWordList.cmake needs -D${required}=...")
    endif()
endforeach()
string(REPLACE "," ";" sizes "${SIZES}")
string(REPLACE "," ";" words_lists "${WORDS}")
string(REPLACE "," ";" names_lists "${NAMES}")

# The entries of FILE made only of the bytes in LETTERS, one a line, appended to the
# variable named by OUT.
function(append_entries file letters out)
    file(READ "${file}" text)
    string(REPLACE "\r" "" text "${text}")
    # Blank out every line holding another byte, then drop the empty lines left.
    string(REGEX REPLACE "[^\n]*[^${letters}\n][^\n]*" "" text "${text}")
    string(REGEX REPLACE "\n\n+" "\n" text "${text}")
    string(REGEX REPLACE "^\n" "" text "${text}")
    if(NOT text STREQUAL "" AND NOT text MATCHES "\n$")
        string(APPEND text "\n")
    endif()
    set(${out} "${${out}}${text}" PARENT_SCOPE)
endfunction()

set(result "")
set(used 0)
foreach(size IN LISTS sizes)
    foreach(kind words names)
        set(letters a-z)
        if(kind STREQUAL names)
            set(letters A-Za-z)
        endif()
        foreach(source IN LISTS ${kind}_lists)
            set(file "${SCOWL_DIR}/${source}.${size}")
            if(EXISTS "${file}")
                append_entries("${file}" "${letters}" result)
                math(EXPR used "${used} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()
if(used EQUAL 0)
    message(FATAL_ERROR "No SCOWL list found in ${SCOWL_DIR} (install the scowl package)")
endif()
file(WRITE "${OUTPUT}" "${result}")
