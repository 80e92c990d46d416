// The asset catalogue: every named file is listed once, button pairs agree, look-up ignores
// letter case, and the generated data folder (when built) holds every file at its size.
#include "frontend/AssetCatalog.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
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
    // characters' six pictures each, 13 help pages, designed pictures and 15 sounds.
    EXPECT_EQ(entries.size(), 270u);
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

// Width and height read from a GIF or BMP header; {0, 0} for other files.
std::pair<int, int> PictureSize(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    unsigned char h[26] = {};
    in.read(reinterpret_cast<char*>(h), sizeof h);
    if (h[0] == 'G' && h[1] == 'I' && h[2] == 'F') {
        return {h[6] | h[7] << 8, h[8] | h[9] << 8};
    }
    if (h[0] == 'B' && h[1] == 'M') {
        return {h[18] | h[19] << 8, h[22] | h[23] << 8};
    }
    return {0, 0};
}

TEST(AssetCatalog, GeneratedDataFolderHoldsEveryFileAtItsSize) {
    const std::filesystem::path data = "data";
    if (!std::filesystem::exists(data / ".generated")) {
        GTEST_SKIP() << "no generated data folder beside the tests";
    }
    for (const AssetEntry& e : AssetCatalog::Entries()) {
        const std::filesystem::path file = data / AssetCatalog::DataPath(e.path);
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_GT(std::filesystem::file_size(file), 40u) << file;
        const auto [w, h] = PictureSize(file);
        if (w != 0) {
            EXPECT_EQ(w, e.width) << file;
            EXPECT_EQ(h, e.height) << file;
        }
    }
}

} // namespace
} // namespace quorvel
