// Feeds every file of the folders and files named on the command line to the fuzz
// target once, so that a build without libFuzzer still exercises each target on its
// corpus (and on any crash input saved beside it).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void replay(const std::filesystem::path& path, int& count) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++count;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path root(argv[i]);
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
                if (entry.is_regular_file()) replay(entry.path(), count);
        } else if (std::filesystem::exists(root)) {
            replay(root, count);
        }
    }
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::cout << "replayed " << count << " inputs\n";
    return 0;
}
