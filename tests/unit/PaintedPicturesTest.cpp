// Which pictures are painted at their size: only those whose data-folder file is still the one
// the same painters drew (by the folder's painted.txt); a file a player replaced, a folder of
// other painters and a damaged list all leave the files to be shown. What is painted goes to
// the disk cache and is read from there the next time.
#include "gui/sdl/PaintedPictures.h"
#include "TestFolder.h"
#include "gui/PaintedManifest.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quorvel {
namespace {

// Paints every picture in one colour and counts its calls.
class FakePainter final : public PicturePainter {
public:
    std::string_view Identity() const override { return "painters-1"; }
    bool Ready() const override { return ready; }
    std::optional<Picture> Paint(std::string_view, int width, int height) override {
        ++paints;
        Picture p;
        p.width = width;
        p.height = height;
        p.pixels.assign(static_cast<std::size_t>(width) * height, 0xFF112233u);
        return p;
    }
    void Rest() override { ++rests; }
    bool ready = true;
    int paints = 0;
    int rests = 0;
};

class Painted : public ::testing::Test {
protected:
    Painted() {
        std::filesystem::create_directories(data / "picture" / "gif");
        Put("picture/gif/an100.gif", "the painters' button");
        Put("picture/gif/an101.gif", "another of theirs");
        manifest.painters = "painters-1";
        manifest.Add("picture\\gif\\an100.gif", Hash("the painters' button"));
        manifest.Add("picture\\gif\\an101.gif", Hash("another of theirs"));
        WriteManifest(manifest.Format());
    }
    static std::uint64_t Hash(std::string_view text) {
        return ContentHash({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    void Put(const std::string& name, std::string_view bytes) {
        std::ofstream(data / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    void WriteManifest(std::string_view text) {
        std::ofstream(data / PaintedManifest::kFileName, std::ios::binary | std::ios::trunc)
            << text;
    }

    testing::TestFolder folder{"quorvel-painted"};
    std::filesystem::path data = folder / "data";
    std::filesystem::path cache = folder / "cache";
    PaintedManifest manifest;
    FakePainter painter;
};

TEST_F(Painted, PaintsThePaintersOwnFilesAtTheSizeAskedAndKeepsThem) {
    {
        DataFiles files(data);
        PaintedPictures pictures(files, &painter, cache);
        const auto button = pictures.Load("picture\\gif\\AN100.gif", 346, 86);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->width, 346);
        EXPECT_EQ(button->height, 86);
        EXPECT_EQ(painter.paints, 1);
        pictures.Rest();
        pictures.Rest();
        EXPECT_EQ(painter.rests, 1) << "the painter rests once after it painted";
    }
    // The next run reads the picture from the cache, without painting.
    DataFiles files(data);
    PaintedPictures pictures(files, &painter, cache);
    ASSERT_TRUE(pictures.Load("picture\\gif\\an100.gif", 346, 86));
    EXPECT_EQ(painter.paints, 1);
    EXPECT_EQ(pictures.Cache().GetCounts().hits, 1);
    pictures.Rest();
    EXPECT_EQ(painter.rests, 1);
}

TEST_F(Painted, ShowsAFileAPlayerReplacedAsItIs) {
    DataFiles files(data);
    {
        PaintedPictures pictures(files, &painter, cache);
        ASSERT_TRUE(pictures.Load("picture\\gif\\an100.gif", 346, 86));
    }
    Put("picture/gif/an100.gif", "a player's own button");
    PaintedPictures pictures(files, &painter, cache);
    EXPECT_FALSE(pictures.Paints("picture\\gif\\an100.gif"));
    EXPECT_FALSE(pictures.Load("picture\\gif\\an100.gif", 346, 86))
        << "neither painted nor taken from the cache made for the painters' file";
    EXPECT_TRUE(pictures.Paints("picture\\gif\\an101.gif"));
    // A file the painters never drew, and one missing, are not painted either.
    Put("picture/gif/extra.gif", "x");
    EXPECT_FALSE(pictures.Load("picture\\gif\\extra.gif", 10, 10));
    std::filesystem::remove(data / "picture/gif/an101.gif");
    PaintedPictures afresh(files, &painter, cache);
    EXPECT_FALSE(afresh.Load("picture\\gif\\an101.gif", 10, 10));
}

TEST_F(Painted, PaintsNothingForAnotherPaintersFolderADamagedListOrMissingFaces) {
    DataFiles files(data);
    auto paintsButton = [&] {
        PaintedPictures pictures(files, &painter, cache);
        return pictures.Load("picture\\gif\\an100.gif", 20, 20) != nullptr;
    };
    manifest.painters = "painters-0";
    WriteManifest(manifest.Format());
    EXPECT_FALSE(paintsButton());
    manifest.painters = "painters-1";
    std::string text = manifest.Format();
    WriteManifest(text.substr(0, text.size() - 1)); // cut short of its last line's end
    EXPECT_FALSE(paintsButton());
    WriteManifest(text + "not a line\n");
    EXPECT_FALSE(paintsButton());
    std::filesystem::remove(data / PaintedManifest::kFileName);
    EXPECT_FALSE(paintsButton());
    WriteManifest(text);
    painter.ready = false;
    EXPECT_FALSE(paintsButton());
    painter.ready = true;
    EXPECT_TRUE(paintsButton());
    PaintedPictures none(files, nullptr, cache);
    EXPECT_FALSE(none.Load("picture\\gif\\an100.gif", 20, 20));
}

TEST(PaintedManifestText, ReadsBackWhatItWrites) {
    PaintedManifest manifest;
    manifest.painters = "0a1b2c";
    manifest.Add("picture\\gif\\Yxks00.gif", 0x0123456789abcdefull);
    manifest.Add("picture/ClubA.jpg", 42);
    const auto back = PaintedManifest::Parse(manifest.Format());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->painters, "0a1b2c");
    EXPECT_EQ(back->HashOf("PICTURE\\GIF\\yxks00.gif"), 0x0123456789abcdefull);
    EXPECT_EQ(back->HashOf("picture\\cluba.jpg"), 42u);
    EXPECT_FALSE(back->HashOf("picture\\bk.jpg"));
    EXPECT_FALSE(PaintedManifest::Parse(""));
    EXPECT_FALSE(PaintedManifest::Parse("quorvel painted pictures 2\npainters x\n"));
    EXPECT_FALSE(PaintedManifest::Parse("quorvel painted pictures 1\npainters x\n+123456789abcdef "
                                        "picture\\a.gif\n"));
}

} // namespace
} // namespace quorvel
