#pragma once
// Where both programs find the files they ship with (dictionaries, default.lxm, the
// example grids, the manuals). A program looks beside itself first, which is where the
// build tree puts everything, then in ../share/tessaran/ beside its own folder, which is
// where an installed prefix (/usr, /usr/local, an unpacked package) keeps them. Nothing is
// compiled in, so an installed tree can be moved as a whole.
//
// Compiled into both gridsmith's and lexiforge's core, which link nothing of each other.

#include <filesystem>
#include <vector>

namespace tessaran {

// The folder that holds the running program, with symbolic links resolved (a link in
// /usr/local/bin to a program elsewhere finds that program's data). Empty when the
// system does not say.
std::filesystem::path programDirectory();

// The folders searched for shipped data, in order: programDir itself, then
// programDir/../share/tessaran (normalised).
std::vector<std::filesystem::path> dataDirectories(const std::filesystem::path& programDir);

// Resolves the name of a shipped file, or of a file named relative to the program (a
// relative dictionary name in a grid or in tessaran.ini). An absolute name is returned
// unchanged; a relative one becomes the first data directory's file of that name that
// exists. When none exists the name beside the program is returned, so that a message
// about the missing file names the place it belongs.
std::filesystem::path findDataFile(const std::filesystem::path& name,
                                   const std::filesystem::path& programDir = programDirectory());

// A file the user named on the command line: a name with a folder in it, or one that
// exists in the working folder, means that file; a bare name that does not exist there
// means the shipped file of that name (findDataFile), so that "words-american.lxd"
// works from any folder.
std::filesystem::path findNamedFile(const std::filesystem::path& name,
                                    const std::filesystem::path& programDir = programDirectory());

}  // namespace tessaran
