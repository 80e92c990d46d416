// The asset catalogue: every named file is listed once, button pairs agree, look-up ignores
// letter case, and the generated data folder (when built) holds every file at its size.
#include "ui/AssetCatalog.h"
#include "gui/sdl/FilePictureStore.h"
#include "system/DataFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace quorvel {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

TEST(AssetCatalog, ListsEveryFileOnceWithPairsThatAgree) {
    const auto& entries = AssetCatalog::Entries();
    std::set<std::string> seen;
    for (const AssetEntry& e : entries) {
        EXPECT_TRUE(seen.insert(Lower(e.path)).second) << "listed twice: " << e.path;
        EXPECT_FALSE(e.role.empty()) << e.path;
        if (e.kind == AssetKind::Picture) {
            EXPECT_GT(e.width, 0) << e.path;
            EXPECT_GT(e.height, 0) << e.path;
        }
        if (!e.partner.empty()) {
            const AssetEntry* other = AssetCatalog::Find(e.partner);
            ASSERT_NE(other, nullptr) << e.path;
            EXPECT_EQ(other->partner, e.path);
            EXPECT_EQ(other->width, e.width) << e.path;
            EXPECT_EQ(other->height, e.height) << e.path;
            EXPECT_NE(other->look, e.look) << "one resting and one lit picture: " << e.path;
        }
    }
    // 53 card pictures, 19 table buttons x2, chips, chest, 15 tables, front end, nine
    // characters' six pictures each, 13 help pages, designed pictures (the speed choices with
    // their marked forms, the swap panels and their button plates), the desktop game's
    // question, settings and settings button, and 15 sounds.
    EXPECT_EQ(entries.size(), 288u);
}

TEST(AssetCatalog, FindsNamesWhateverTheirCaseAndKnowsWhichPictureRests) {
    const AssetEntry* bubble = AssetCatalog::Find("picture\\gif\\Df1-20.gif");
    ASSERT_NE(bubble, nullptr);
    EXPECT_EQ(bubble->path, "picture\\gif\\df1-20.gif");
    EXPECT_EQ(bubble->width, 267);
    EXPECT_NE(AssetCatalog::Find("picture/gif-/cx1-00.gif"), nullptr);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\an108.gif"), nullptr);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\an119.gif"), nullptr);

    // main menu: the "-" form is the highlighted one; seat-count and name plates: the resting one
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\Yxks00-.gif")->look, AssetLook::Highlighted);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\df1-1-.gif")->look, AssetLook::Resting);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\xm-010-.gif")->look, AssetLook::Resting);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif\\an100-.gif")->look, AssetLook::Highlighted);
    EXPECT_EQ(AssetCatalog::Find("picture\\gif-\\Fh1-00.gif")->look, AssetLook::Resting);

    const AssetEntry* card = AssetCatalog::Find("picture\\SPADE10.JPG");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->width, 66);
    EXPECT_EQ(card->height, 90);
    EXPECT_EQ(AssetCatalog::DataPath("picture\\gif\\Df1-20.gif"), "picture/gif/Df1-20.gif");
}

TEST(AssetCatalog, EveryFileDecodesFromTheDataFolderAtItsSize) {
    const std::filesystem::path data = "data";
    if (!std::filesystem::exists(data / ".generated")) {
        GTEST_SKIP() << "no generated data folder beside the tests";
    }
    // The game's own look-up and decoders, as every screen uses them.
    DataFiles files(data);
    FilePictureStore store(files);
    std::map<std::string, std::pair<int, int>> decodedSize;
    for (const AssetEntry& e : AssetCatalog::Entries()) {
        if (e.kind == AssetKind::Sound) {
            const auto file = files.Resolve(e.path);
            ASSERT_TRUE(file) << e.path;
            EXPECT_GT(std::filesystem::file_size(*file), 1000u) << e.path;
            continue;
        }
        std::string error;
        auto picture = store.Load(e.path, error);
        ASSERT_TRUE(picture) << e.path << ": " << error;
        EXPECT_EQ(picture->width, e.width) << e.path;
        EXPECT_EQ(picture->height, e.height) << e.path;
        decodedSize[e.path] = {picture->width, picture->height};
    }
    // The two pictures of every button pair, as decoded, have the same size.
    for (const AssetEntry& e : AssetCatalog::Entries()) {
        if (!e.partner.empty()) {
            EXPECT_EQ(decodedSize[e.path], decodedSize[e.partner]) << e.path;
        }
    }
}

// Every picture and sound named in the game's sources is one the catalogue lists, so a typo in
// a file name fails here instead of showing an error report in the game.
TEST(AssetCatalog, ListsEveryFileTheSourcesName) {
    const std::filesystem::path src = std::filesystem::path(QUORVEL_TEST_DIR) / ".." / "src";
    const std::regex literal(R"re("((picture|sound)\\\\[^"%]+\.(gif|jpg|bmp|wav))")re",
                             std::regex::icase);
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h")
            continue;
        std::ifstream in(entry.path());
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            std::string path = (*it)[1];
            // Source literals double their backslashes.
            for (std::size_t i = path.find("\\\\"); i != std::string::npos;
                 i = path.find("\\\\", i + 1))
                path.erase(i, 1);
            EXPECT_NE(AssetCatalog::Find(path), nullptr)
                << path << " in " << entry.path().filename();
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

} // namespace
} // namespace quorvel
