#pragma once

#include <string>
#include <string_view>

namespace tessaran {

enum class FileReplaceResult {
    Done = 0,
    CannotCreate = 1,  // the target may not be written, or no temporary file could be made
                       // beside it
    WriteFailed = 2,   // writing, flushing or renaming failed; the target is untouched
};

// Replaces the file at path with contents so that the old file survives any failure: the
// bytes go to a new temporary file in the same folder, are flushed to the disk, and only
// then is the temporary renamed over path. An existing file's permission bits carry over;
// a new file gets the usual 0666 less the umask. On failure the temporary is removed.
// A symbolic link is followed, so the file it names is replaced and the link stays; an
// existing file that may not be written (read-only) is refused, as opening it for writing
// would be.
FileReplaceResult replaceFile(const std::string& path, std::string_view contents);

}  // namespace tessaran
