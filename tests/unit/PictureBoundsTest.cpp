// What a hostile picture may cost: a progressive JPEG of many cheap scans is refused before its
// decode time is spent, a refused picture is never decoded again, and a picture larger than the
// whole cache is decoded once and kept, not pushed out and decoded again on every frame.
#include "ManyScanJpeg.h"
#include "TestFolder.h"

#include "gui/sdl/FilePictureStore.h"
#include "gui/sdl/PictureDecoders.h"
#include "system/DataFiles.h"

#include <SDL.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using testing::ManyScanJpeg;

void WriteFile(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A width x height BMP of one colour, `seed` choosing it.
void WriteBmp(const fs::path& file, int width, int height, int seed) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, static_cast<Uint8>(seed * 40), 80, 120));
    SDL_SaveBMP(s, file.c_str());
    SDL_FreeSurface(s);
}

TEST(PictureBounds, ManyScansAreRefusedAndOrdinaryProgressiveFilesStillDecode) {
    std::string error;
    // What a progressive encoder writes: a handful of scans.
    const auto ordinary = DecodePicture(ManyScanJpeg(800, 600, 10), error);
    ASSERT_TRUE(ordinary) << error;
    EXPECT_EQ(ordinary->width, 800);
    EXPECT_EQ(ordinary->At(400, 300), 0xFF808080u);

    // Past the scan limit, whatever the size: each scan is another walk over the picture.
    error.clear();
    EXPECT_FALSE(DecodePicture(ManyScanJpeg(64, 64, 5000), error));
    EXPECT_EQ(error, "too many scans");

    // A large picture meets the work bound after far fewer scans (4096 x 4096 x 80 scans was
    // more than a second of the main thread; 20,000 scans, minutes).
    error.clear();
    EXPECT_FALSE(DecodePicture(ManyScanJpeg(4096, 4096, 80), error));
    EXPECT_EQ(error, "too much work to decode");

    // The header alone still reads: a control can be laid out before the decode is refused.
    bool truncated = false;
    const auto size = ProbePicture(ManyScanJpeg(4096, 4096, 80), error, truncated);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 4096);
}

class PictureStoreBounds : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(data / "picture");
        fs::create_directories(data / "sound");
    }
    testing::TestFolder work{"quorvel-bounds"};
    const fs::path data = work.Path();
};

TEST_F(PictureStoreBounds, ARefusedPictureIsDecodedOnceHoweverOftenItIsDrawn) {
    WriteFile(data / "picture" / "bk.jpg", ManyScanJpeg(1024, 1024, 2000));
    DataFiles files(data);
    FilePictureStore store(files);
    std::string error;
    for (int frame = 0; frame < 50; ++frame) {
        error.clear();
        EXPECT_FALSE(store.Load("picture\\bk.jpg", error));
    }
    EXPECT_EQ(store.Decodes(), 1);
    EXPECT_NE(error.find("cannot decode picture: too many scans"), std::string::npos) << error;
}

TEST_F(PictureStoreBounds, APictureLargerThanTheCacheIsKeptNotDecodedEveryFrame) {
    constexpr int kSmall = 40;
    constexpr std::size_t kSmallBytes = kSmall * kSmall * 4;
    WriteBmp(data / "picture" / "back.bmp", 100, 100, 1); // larger than the whole cache
    WriteBmp(data / "picture" / "chip.bmp", kSmall, kSmall, 2);
    WriteBmp(data / "picture" / "other.bmp", 120, 100, 3);
    WriteBmp(data / "picture" / "third.bmp", 100, 120, 4);
    DataFiles files(data);
    // Room for two small pictures; two large ones may be kept apart.
    FilePictureStore store(files, 2 * kSmallBytes, 100 * 100 * 4 + 120 * 100 * 4);
    std::string error;
    // Every frame draws the large picture and a small one.
    for (int frame = 0; frame < 10; ++frame) {
        ASSERT_TRUE(store.Load("picture\\back.bmp", error)) << error;
        ASSERT_TRUE(store.Load("picture\\chip.bmp", error)) << error;
    }
    EXPECT_EQ(store.Decodes(), 2);
    EXPECT_LE(store.CachedBytes(), 2 * kSmallBytes);
    EXPECT_EQ(store.LargeBytes(), 100u * 100u * 4u);

    // A second large one still fits apart; a third is refused once, with its own words.
    ASSERT_TRUE(store.Load("picture\\other.bmp", error)) << error;
    for (int frame = 0; frame < 10; ++frame) {
        error.clear();
        EXPECT_FALSE(store.Load("picture\\third.bmp", error));
    }
    EXPECT_NE(error.find("picture too large to keep in memory: 100 x 120"), std::string::npos)
        << error;
    EXPECT_EQ(store.Decodes(), 4);
    EXPECT_TRUE(store.Load("picture\\back.bmp", error));
    EXPECT_EQ(store.Decodes(), 4);
}

} // namespace
} // namespace quorvel
