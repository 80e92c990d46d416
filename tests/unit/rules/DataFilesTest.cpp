// Looking up the game's file names in the data folder: letter case, backslashes, missing
// files, names that try to leave the folder, and finding the folder beside the program.
#include "system/DataFiles.h"
#include "TestFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = root_ / "data";
        Touch(data_ / "picture" / "gif" / "Df1-20.gif");
        Touch(data_ / "picture" / "gif-" / "cx1-00.gif");
        Touch(data_ / "sound" / "main1.wav");
        Touch(root_ / "secret.txt");
    }

    static void Touch(const fs::path& p) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "x";
    }

    testing::TestFolder folder_{"quorvel-data"};
    const fs::path& root_ = folder_.Path();
    fs::path data_;
};

TEST_F(DataFilesTest, MatchesEveryComponentWhateverTheCase) {
    DataFiles files(data_);
    const fs::path expected = data_ / "picture" / "gif" / "Df1-20.gif";
    EXPECT_EQ(files.Resolve("picture\\gif\\Df1-20.gif"), expected);
    EXPECT_EQ(files.Resolve("picture\\gif\\df1-20.gif"), expected);
    EXPECT_EQ(files.Resolve("PICTURE\\GIF\\DF1-20.GIF"), expected);
    EXPECT_EQ(files.Resolve("picture/gif/df1-20.gif"), expected);
    EXPECT_EQ(files.Resolve("picture\\gif-\\Cx1-00.gif"),
              data_ / "picture" / "gif-" / "cx1-00.gif");
    // The similarly named folder "gif-" is not confused with "gif".
    EXPECT_FALSE(files.Resolve("picture\\gif-\\Df1-20.gif"));
}

TEST_F(DataFilesTest, MissingFilesAndFoldersAreNotFound) {
    DataFiles files(data_);
    EXPECT_FALSE(files.Resolve("picture\\gif\\none.gif"));
    EXPECT_FALSE(files.Resolve("nothere\\main1.wav"));
    EXPECT_FALSE(files.Resolve("picture\\gif")); // a folder is not a file
    EXPECT_FALSE(files.Resolve(""));
    DataFiles nowhere(root_ / "absent");
    EXPECT_FALSE(nowhere.Resolve("sound\\main1.wav"));
}

TEST_F(DataFilesTest, NamesCannotLeaveTheDataFolder) {
    DataFiles files(data_);
    EXPECT_FALSE(files.Resolve("..\\secret.txt"));
    EXPECT_FALSE(files.Resolve("sound\\..\\..\\secret.txt"));
    EXPECT_FALSE(files.Resolve("sound/../sound/main1.wav"));
    EXPECT_FALSE(files.Resolve((root_ / "secret.txt").string()));
    EXPECT_FALSE(files.Resolve("\\secret.txt"));
    EXPECT_FALSE(files.Resolve("C:\\secret.txt"));
    // Harmless doubled separators and "." still resolve inside the folder.
    EXPECT_EQ(files.Resolve("sound\\\\.\\main1.wav"), data_ / "sound" / "main1.wav");
}

TEST_F(DataFilesTest, FindsTheFolderInTheBuildTreeAndInAnInstalledTree) {
    // Build tree: the folder right beside the program.
    EXPECT_EQ(FindDataFolderFrom(root_), data_);
    // Installed tree: <prefix>/bin/quorvel with <prefix>/share/quorvel/data.
    const fs::path prefix = root_ / "usr";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "quorvel" / "data");
    EXPECT_EQ(FindDataFolderFrom(prefix / "bin"), prefix / "share" / "quorvel" / "data");
}

} // namespace
} // namespace quorvel
