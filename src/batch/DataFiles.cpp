#include "batch/DataFiles.h"

#include <system_error>

namespace tessaran {

std::filesystem::path programDirectory() {
    // The kernel's link names the program's real file, whatever link or relative path
    // it was started through.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

std::vector<std::filesystem::path> dataDirectories(const std::filesystem::path& programDir) {
    if (programDir.empty())
        return {programDir};  // nothing to be relative to: the working directory alone
    return {programDir, (programDir / ".." / "share" / "tessaran").lexically_normal()};
}

std::filesystem::path findDataFile(const std::filesystem::path& name,
                                   const std::filesystem::path& programDir) {
    if (name.empty() || name.is_absolute())
        return name;
    const std::vector<std::filesystem::path> folders = dataDirectories(programDir);
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        const std::filesystem::path candidate = folder / name;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return folders.front() / name;
}

std::filesystem::path findNamedFile(const std::filesystem::path& name,
                                    const std::filesystem::path& programDir) {
    std::error_code error;
    if (name.empty() || name.has_parent_path() || std::filesystem::exists(name, error))
        return name;
    return findDataFile(name, programDir);
}

}  // namespace tessaran
