// The painted-picture cache on disk: the pixel code gives back exactly what was stored and
// refuses what is damaged; a file that is damaged, cut short, of another key or not a file at
// all is never used and is written anew; the folder keeps to its budget, the least recently
// used files going first.
#include "TestFolder.h"
#include "gui/sdl/PictureCodec.h"
#include "gui/sdl/PictureDiskCache.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace quorvel {
namespace {

// A picture like a painted one: a gradient, a flat run, soft edges and clear pixels, noise.
Picture PaintedLike(int width, int height, std::uint32_t seed = 1) {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels.resize(static_cast<std::size_t>(width) * height);
    std::uint32_t noise = seed;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const std::uint32_t r = (x * 255 / width) & 0xFF, g = (y * 255 / height) & 0xFF;
            const std::uint32_t b = (noise >> 24) & 0x0F;
            std::uint32_t a = x < width / 4 ? 255 : x < width / 2 ? (x * 7) & 0xFF : 0;
            const std::uint32_t colour = y % 7 == 0 ? 0x00FF00 : (r << 16 | g << 8 | b);
            p.pixels[static_cast<std::size_t>(y) * width + x] = a == 0 ? 0 : a << 24 | colour;
        }
    return p;
}

TEST(PictureCodec, GivesBackEveryPixelOfPaintedAndRandomPictures) {
    for (const Picture& picture : {PaintedLike(97, 61), PaintedLike(1, 1), PaintedLike(300, 2)}) {
        const auto code = EncodePixels(picture);
        Picture back;
        ASSERT_TRUE(DecodePixels(code, picture.width, picture.height, back));
        EXPECT_EQ(back.pixels, picture.pixels);
    }
    // Pixels with no pattern at all, and a long run of one colour.
    Picture random;
    random.width = 64;
    random.height = 64;
    std::uint32_t state = 7;
    for (int i = 0; i < 64 * 64; ++i)
        random.pixels.push_back(state = state * 2654435761u + 12345u);
    Picture flat;
    flat.width = 500;
    flat.height = 3;
    flat.pixels.assign(1500, 0xFF336699u);
    for (const Picture* picture : {&random, &flat}) {
        Picture back;
        ASSERT_TRUE(DecodePixels(EncodePixels(*picture), picture->width, picture->height, back));
        EXPECT_EQ(back.pixels, picture->pixels);
    }
    EXPECT_LT(EncodePixels(flat).size(), 40u);
}

TEST(PictureCodec, RefusesCodeThatIsCutShortTooLongOrOfAnotherSize) {
    const Picture picture = PaintedLike(40, 30);
    const auto code = EncodePixels(picture);
    Picture out;
    auto shortened = code;
    shortened.pop_back();
    EXPECT_FALSE(DecodePixels(shortened, 40, 30, out));
    auto longer = code;
    longer.push_back(0x00);
    EXPECT_FALSE(DecodePixels(longer, 40, 30, out));
    EXPECT_FALSE(DecodePixels(code, 40, 31, out));
    EXPECT_FALSE(DecodePixels(code, 0, 30, out));
    EXPECT_FALSE(DecodePixels(code, kMaxPictureSide + 1, 1, out));
    // A run longer than the pixels left, and nothing but garbage.
    EXPECT_FALSE(DecodePixels(std::vector<std::uint8_t>{0xFD}, 2, 2, out));
    EXPECT_FALSE(DecodePixels(std::vector<std::uint8_t>(50, 0xFF), 20, 20, out));
}

class DiskCache : public ::testing::Test {
protected:
    testing::TestFolder folder{"quorvel-picture-cache"};
    const char* path = "picture\\gif\\An100.gif";
    std::string key = "picture\\gif\\an100.gif|painters|0123|96x24";
    Picture picture = PaintedLike(96, 24);

    std::filesystem::path File() const {
        return folder / PictureDiskCache::FileName(path, picture.width, picture.height);
    }
};

TEST_F(DiskCache, KeepsAPictureUnderItsKeyBetweenRuns) {
    PictureDiskCache(folder.Path()).Write(path, key, picture);
    PictureDiskCache later(folder.Path());
    const auto back = later.Read(path, key, 96, 24);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, picture.pixels);
    EXPECT_EQ(later.GetCounts().hits, 1);
    // The same picture asked at another size, or with the letter case changed, is a miss or a
    // hit by its name alone: the size is in the name.
    EXPECT_FALSE(later.Read(path, key, 96, 25));
    EXPECT_TRUE(later.Read("picture/gif/an100.gif", key, 96, 24));
    EXPECT_EQ(File().filename(), "picture_gif_an100.gif@96x24.pic");
}

TEST_F(DiskCache, NeverUsesADamagedCutOrForeignFileAndWritesItAnew) {
    PictureDiskCache cache(folder.Path());
    cache.Write(path, key, picture);
    const auto whole = std::filesystem::file_size(File());
    auto rewrite = [&](auto change) {
        std::fstream file(File(), std::ios::in | std::ios::out | std::ios::binary);
        change(file);
    };
    // One byte of the pixel code changed.
    rewrite([&](std::fstream& f) {
        f.seekg(static_cast<std::streamoff>(whole) - 3);
        const char c = static_cast<char>(f.get() ^ 0x10);
        f.seekp(static_cast<std::streamoff>(whole) - 3);
        f.put(c);
    });
    EXPECT_FALSE(cache.Read(path, key, 96, 24));
    // Cut short.
    cache.Write(path, key, picture);
    std::filesystem::resize_file(File(), whole - 10);
    EXPECT_FALSE(cache.Read(path, key, 96, 24));
    // Another key's file (other painters, or a data file that changed) under this name.
    cache.Write(path, "another key", picture);
    EXPECT_FALSE(cache.Read(path, key, 96, 24));
    // Not a cache file at all, and a FIFO, which must not hang the game.
    { std::ofstream(File(), std::ios::trunc) << "hello"; }
    EXPECT_FALSE(cache.Read(path, key, 96, 24));
    std::filesystem::remove(File());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    EXPECT_FALSE(cache.Read(path, key, 96, 24));
    std::filesystem::remove(File());
    EXPECT_EQ(cache.GetCounts().refused, 5);
    EXPECT_EQ(cache.GetCounts().hits, 0);
    // Painted again, the picture is written anew and read whole.
    cache.Write(path, key, picture);
    const auto back = cache.Read(path, key, 96, 24);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, picture.pixels);
}

TEST_F(DiskCache, StaysWithinItsBudgetDroppingTheLeastRecentlyUsedAndLeftOvers) {
    // Room for about three of these pictures.
    const Picture noisy = PaintedLike(200, 100);
    PictureDiskCache probe(folder / "probe");
    probe.Write("probe", "k", noisy);
    const auto one = std::filesystem::file_size(folder / "probe" /
                                                PictureDiskCache::FileName("probe", 200, 100));
    { std::ofstream(folder / "picture_x.gif@1x1.pic.part-AbCdEf") << "left by a killed run"; }
    PictureDiskCache cache(folder.Path(), one * 3 + one / 2);
    const char* names[] = {"picture\\a.gif", "picture\\b.gif", "picture\\c.gif", "picture\\d.gif"};
    for (int i = 0; i < 3; ++i) {
        cache.Write(names[i], "k", noisy);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "picture_x.gif@1x1.pic.part-AbCdEf"));
    ASSERT_TRUE(cache.Read(names[0], "k", 200, 100)); // the oldest is used again
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cache.Write(names[3], "k", noisy);
    EXPECT_TRUE(cache.Read(names[0], "k", 200, 100));
    EXPECT_FALSE(cache.Read(names[1], "k", 200, 100)) << "the least recently used goes first";
    EXPECT_TRUE(cache.Read(names[3], "k", 200, 100));
}

TEST(DiskCacheWithoutFolder, KeepsNothing) {
    PictureDiskCache cache{std::filesystem::path()};
    cache.Write("picture\\a.gif", "k", PaintedLike(4, 4));
    EXPECT_FALSE(cache.Read("picture\\a.gif", "k", 4, 4));
}

} // namespace
} // namespace quorvel
