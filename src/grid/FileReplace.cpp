#include "grid/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace tessaran {
namespace {

bool writeAll(int fd, std::string_view contents) {
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

FileReplaceResult replaceFile(const std::string& linkOrPath, std::string_view contents) {
    std::string path = linkOrPath;
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(linkOrPath, error))) {
        const auto target = std::filesystem::canonical(linkOrPath, error);
        if (!error)
            path = target.string();
    }
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return FileReplaceResult::CannotCreate;

    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string pattern = folder + "." + base + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return FileReplaceResult::CannotCreate;

    mode_t mode;
    struct stat old;
    if (::stat(path.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && writeAll(fd, contents);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(name.data(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(name.data());
        return FileReplaceResult::WriteFailed;
    }
    return FileReplaceResult::Done;
}

}  // namespace tessaran
