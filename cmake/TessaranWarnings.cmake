# Warnings for every target of the project; applied per target so that
# GoogleTest and Qt's own headers keep their defaults.
function(tessaran_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
