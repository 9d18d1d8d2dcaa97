// A stand-in dictionary program for the lookup tests: writes each argument after the
// first to the file the first names, one a line, so a test can see what it was given.

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    // Written whole under another name first, so that the test never reads half a file.
    const std::string_view target = argv[1];
    char temporary[4096];
    std::snprintf(temporary, sizeof temporary, "%s.part", argv[1]);
    std::FILE* out = std::fopen(temporary, "wb");
    if (!out)
        return 1;
    for (int i = 2; i < argc; ++i)
        std::fprintf(out, "%s\n", argv[i]);
    std::fclose(out);
    return std::rename(temporary, target.data()) == 0 ? 0 : 1;
}
