#include "batch/DataFiles.h"

#include <gtest/gtest.h>

#include <fstream>

#include "dictionary/TestDictionaries.h"

namespace tessaran::testing {
namespace {

namespace fs = std::filesystem;

// A program folder in a scratch tree, in either of the two layouts the programs meet:
// a build tree (data beside the program) or an installed prefix (bin/ and share/).
struct DataFilesFixture : ::testing::Test {
    ScratchFolder scratch;
    fs::path prefix = scratch.file("prefix");
    fs::path bin = prefix / "bin";
    fs::path share = prefix / "share" / "tessaran";

    void SetUp() override {
        fs::create_directories(bin);
        fs::create_directories(share / "help");
    }
    static void touch(const fs::path& path) { std::ofstream(path) << "x"; }
};

TEST_F(DataFilesFixture, InstalledDataIsFoundUnderShareAndBesideTheProgramFirst) {
    touch(share / "words.lxd");
    touch(share / "help" / "tessaran.html");
    EXPECT_EQ(findDataFile("words.lxd", bin), share / "words.lxd");
    EXPECT_EQ(findDataFile("help/tessaran.html", bin), share / "help" / "tessaran.html");

    // A build tree keeps everything beside the program; that copy wins.
    touch(bin / "words.lxd");
    EXPECT_EQ(findDataFile("words.lxd", bin), bin / "words.lxd");

    // The program's folder is searched as given, with ".." in it or not.
    EXPECT_EQ(findDataFile("help/tessaran.html", prefix / "bin" / ".." / "bin"),
              share / "help" / "tessaran.html");
}

TEST_F(DataFilesFixture, MissingAbsoluteAndFolderNamesAreNotSearchedFor) {
    // Nowhere to be found: the name beside the program, where a message should point.
    EXPECT_EQ(findDataFile("words-american.lxd", bin), bin / "words-american.lxd");
    // A folder of that name is no file.
    fs::create_directories(share / "default.lxm");
    EXPECT_EQ(findDataFile("default.lxm", bin), bin / "default.lxm");

    touch(share / "words.lxd");
    const fs::path absolute = scratch.file("elsewhere.lxd");
    EXPECT_EQ(findDataFile(absolute, bin), absolute);
    EXPECT_EQ(findDataFile("", bin), fs::path());
    // Without a program folder a relative name stays relative to the working folder.
    EXPECT_EQ(findDataFile("words.lxd", fs::path()), fs::path("words.lxd"));
}

TEST_F(DataFilesFixture, NamesOnTheCommandLineMeanTheWorkingFoldersFileFirst) {
    touch(share / "words-american.lxd");
    const fs::path before = fs::current_path();
    fs::current_path(scratch.folderPath());
    // A bare name not in the working folder is a shipped file...
    EXPECT_EQ(findNamedFile("words-american.lxd", bin), share / "words-american.lxd");
    // ...until the user has one of that name at hand.
    touch("words-american.lxd");
    EXPECT_EQ(findNamedFile("words-american.lxd", bin), fs::path("words-american.lxd"));
    // A name with a folder is taken as it is, found or not.
    EXPECT_EQ(findNamedFile("lists/words-american.lxd", bin), fs::path("lists/words-american.lxd"));
    fs::current_path(before);
}

TEST(DataFiles, TheRunningProgramsFolderIsKnown) {
    const fs::path folder = programDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
}  // namespace tessaran::testing
