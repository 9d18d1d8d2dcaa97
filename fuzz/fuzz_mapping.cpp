// Fuzz target for the alphabet mapping file reader. Reading must not crash, a failure
// names a line of the file, and the resolved alphabet must be consistent: line ends and
// the end code are no letters, and every letter's canonical letter is its own canonical.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "builder/AlphabetMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    tessaran::AlphabetMapping mapping;
    const tessaran::MappingReadResult result = mapping.read(in);
    if (!result.success) {
        int lines = 1;
        for (char c : text)
            lines += c == '\n';
        if (result.line < 1 || result.line > lines)
            std::abort();
    }
    const auto canonical = mapping.resolve();
    if (canonical[0] != 0 || canonical[10] != 0 || canonical[13] != 0)
        std::abort();
    for (int c = 0; c < 256; ++c)
        if (canonical[c] != 0 && canonical[canonical[c]] != canonical[c])
            std::abort();
    return 0;
}
