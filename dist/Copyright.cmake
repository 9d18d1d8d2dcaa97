# cmake -DHEADER=copyright -DWORD_LISTS=file -DOUTPUT=file -P Copyright.cmake
# Tessaran's own notice, then the notice of the word lists the dictionaries come from.
file(READ ${HEADER} text)
if(WORD_LISTS AND EXISTS ${WORD_LISTS})
    file(READ ${WORD_LISTS} word_lists)
    string(APPEND text "\n"
           "The shipped dictionaries (the .lxd files in share/tessaran) are built from\n"
           "the SCOWL word lists as packaged by Debian. Their copyright file follows,\n"
           "unchanged.\n"
           "\n" "${word_lists}")
endif()
file(WRITE ${OUTPUT} "${text}")
