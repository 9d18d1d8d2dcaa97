# cmake -DINPUT=file -DOUTPUT=file.gz -P Compress.cmake
# Compresses as Debian wants its manual pages and changelogs: best compression, and no
# name or time stamp in the header, so that the same input always gives the same bytes.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c ${INPUT} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "gzip could not compress ${INPUT}")
endif()
