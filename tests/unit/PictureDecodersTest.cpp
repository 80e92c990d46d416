// Decoding pictures the test writes itself with libjpeg, giflib and SDL: sizes, pixels, GIF
// transparency and interlacing; the file store's caching and its error texts; resampling.
#include "gui/sdl/PictureDecoders.h"
#include "TestFolder.h"
#include "gui/sdl/FilePictureStore.h"
#include "gui/sdl/PictureScaler.h"
#include "system/DataFiles.h"

#include <SDL.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <sys/resource.h>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// A 5x10 GIF: column 0 in the transparent colour, the rest of row y in colour y % 3
// (red, green, blue). Rows are written in the order the file keeps them: interlaced files
// keep every 8th row first, then the 4th, 2nd and odd rows.
Bytes WriteGif(bool interlaced) {
    Bytes out;
    int err = 0;
    GifFileType* gif = EGifOpen(
        &out,
        [](GifFileType* g, const GifByteType* data, int n) {
            auto* bytes = static_cast<Bytes*>(g->UserData);
            bytes->insert(bytes->end(), data, data + n);
            return n;
        },
        &err);
    const GifColorType palette[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    ColorMapObject* map = GifMakeMapObject(4, palette);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 5, 10, 8, 0, map);
    GraphicsControlBlock control{};
    control.TransparentColor = 3;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, 0, 0, 5, 10, interlaced, nullptr);
    std::vector<int> order;
    if (interlaced) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < 10; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < 10; ++y)
            order.push_back(y);
    }
    for (int y : order) {
        GifPixelType row[5] = {3, 0, 0, 0, 0};
        for (int x = 1; x < 5; ++x)
            row[x] = static_cast<GifPixelType>(y % 3);
        EGifPutLine(gif, row, 5);
    }
    EGifCloseFile(gif, &err);
    GifFreeMapObject(map);
    return out;
}

void ExpectGifPixels(const Picture& p) {
    ASSERT_EQ(p.width, 5);
    ASSERT_EQ(p.height, 10);
    const std::uint32_t colours[3] = {kRed, kGreen, kBlue};
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(p.At(0, y) >> 24, 0u) << "row " << y << " should start transparent";
        EXPECT_EQ(p.At(3, y), colours[y % 3]) << "row " << y;
    }
}

TEST(PictureDecoders, GifWithTransparentColour) {
    std::string error;
    auto picture = DecodePicture(WriteGif(false), error);
    ASSERT_TRUE(picture) << error;
    ExpectGifPixels(*picture);
}

TEST(PictureDecoders, InterlacedGifComesOutInRowOrder) {
    std::string error;
    auto picture = DecodePicture(WriteGif(true), error);
    ASSERT_TRUE(picture) << error;
    ExpectGifPixels(*picture);
}

// A 16x8 JPEG, left half red and right half blue; baseline or progressive.
Bytes WriteJpeg(bool progressive = false) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 8;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::uint8_t row[16 * 3] = {};
    for (int x = 0; x < 16; ++x)
        row[x * 3 + (x < 8 ? 0 : 2)] = 255;
    while (info.next_scanline < 8) {
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    free(buffer);
    return out;
}

void ExpectNear(std::uint32_t pixel, std::uint32_t wanted) {
    for (int shift : {0, 8, 16, 24})
        EXPECT_NEAR(static_cast<int>((pixel >> shift) & 0xFF),
                    static_cast<int>((wanted >> shift) & 0xFF), 24)
            << std::hex << pixel << " vs " << wanted;
}

TEST(PictureDecoders, Jpeg) {
    std::string error;
    auto picture = DecodePicture(WriteJpeg(), error);
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->width, 16);
    EXPECT_EQ(picture->height, 8);
    ExpectNear(picture->At(2, 4), kRed);
    ExpectNear(picture->At(13, 4), kBlue);
}

TEST(PictureDecoders, BmpWrittenBySdl) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3, 2, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_TRUE(s);
    const std::uint32_t wanted[2][3] = {{kRed, kGreen, kBlue},
                                        {0xFF102030, 0xFFFFFFFF, 0xFF000000}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            auto* p = static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * 3;
            p[0] = static_cast<std::uint8_t>(wanted[y][x] >> 16);
            p[1] = static_cast<std::uint8_t>(wanted[y][x] >> 8);
            p[2] = static_cast<std::uint8_t>(wanted[y][x]);
        }
    testing::TestFolder folder;
    const fs::path file = folder / "three-by-two.bmp";
    ASSERT_EQ(SDL_SaveBMP(s, file.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(s);
    std::ifstream in(file, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(file);

    std::string error;
    auto picture = DecodePicture(bytes, error);
    ASSERT_TRUE(picture) << error;
    ASSERT_EQ(picture->width, 3);
    ASSERT_EQ(picture->height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(picture->At(x, y), wanted[y][x]) << x << "," << y;
}

TEST(PictureDecoders, DamagedFilesAreRefusedWithAReason) {
    const std::vector<Bytes> damaged = {{0xFF, 0xD8, 1, 2, 3},
                                        {'G', 'I', 'F', '8', '9', 'a', 0},
                                        {'B', 'M', 0, 0},
                                        {1, 2, 3, 4},
                                        {}};
    for (const Bytes& bytes : damaged) {
        std::string error;
        EXPECT_FALSE(DecodePicture(bytes, error));
        EXPECT_FALSE(error.empty());
    }
}

// A 7x5 24-bit BMP, written by SDL into memory.
Bytes WriteBmp() {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 7, 5, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 10, 200, 30));
    Bytes out(4096);
    SDL_RWops* rw = SDL_RWFromMem(out.data(), static_cast<int>(out.size()));
    SDL_SaveBMP_RW(s, rw, 0);
    out.resize(static_cast<std::size_t>(SDL_RWtell(rw)));
    SDL_RWclose(rw);
    SDL_FreeSurface(s);
    return out;
}

// A damaged file either decodes to a whole picture or is refused with a reason.
void ExpectCleanOutcome(const Bytes& bytes, const std::string& what) {
    std::string error;
    auto picture = DecodePicture(bytes, error);
    if (picture) {
        EXPECT_GT(picture->width, 0) << what;
        EXPECT_GT(picture->height, 0) << what;
        EXPECT_EQ(picture->pixels.size(),
                  static_cast<std::size_t>(picture->width) * picture->height)
            << what;
    } else {
        EXPECT_FALSE(error.empty()) << what;
    }
}

TEST(PictureDecoders, EveryTruncationAndFlippedByteFailsCleanly) {
    const std::pair<const char*, Bytes> files[] = {{"gif", WriteGif(false)},
                                                   {"interlaced gif", WriteGif(true)},
                                                   {"jpeg", WriteJpeg()},
                                                   {"bmp", WriteBmp()}};
    for (const auto& [name, whole] : files) {
        ASSERT_GT(whole.size(), 20u) << name;
        for (std::size_t n = 0; n < whole.size(); ++n)
            ExpectCleanOutcome(Bytes(whole.begin(), whole.begin() + static_cast<long>(n)),
                               std::string(name) + " cut at " + std::to_string(n));
        for (std::size_t i = 0; i < whole.size(); ++i)
            for (std::uint8_t flip : {0xFF, 0x80, 0x01}) {
                Bytes damaged = whole;
                damaged[i] ^= flip;
                ExpectCleanOutcome(damaged, std::string(name) + " byte " + std::to_string(i) +
                                                " ^ " + std::to_string(flip));
            }
    }
}

// The JPEG with the frame header of type `marker` (0xC0 baseline, 0xC2 progressive) claiming
// `side` x `side` pixels.
Bytes WithJpegSize(Bytes jpeg, std::uint8_t marker, int side) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
            jpeg[i + 5] = jpeg[i + 7] = static_cast<std::uint8_t>(side >> 8);
            jpeg[i + 6] = jpeg[i + 8] = static_cast<std::uint8_t>(side & 0xFF);
            return jpeg;
        }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

// A progressive JPEG reserves whole-image buffers when decompression starts, so its size is
// checked before: a header claiming 65500 x 65500 is refused at once by its size, where it
// used to reserve gigabytes first. Within the size limit, libjpeg's own memory is capped.
TEST(PictureDecoders, ProgressiveJpegWithAHugeHeaderIsRefusedBeforeAllocating) {
    const Bytes progressive = WriteJpeg(true);
    auto peakKb = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long before = peakKb();
    std::string error;
    EXPECT_FALSE(DecodePicture(WithJpegSize(progressive, 0xC2, 65500), error));
    EXPECT_EQ(error, "picture too large");
    EXPECT_LT(peakKb() - before, 64 * 1024) << "the refusal itself took memory [kB]";

    error.clear();
    auto picture = DecodePicture(progressive, error);
    ASSERT_TRUE(picture) << error;
    ExpectNear(picture->At(2, 4), kRed);
    // At the limit the size is allowed; the short data gives a whole picture or a refusal.
    ExpectCleanOutcome(WithJpegSize(progressive, 0xC2, 4096), "4096 px progressive");
}

// A few bytes of header must not make the decoder allocate and clear a gigabyte.
TEST(PictureDecoders, HugeSizesInAHeaderAreRefused) {
    // GIF: a 16384 x 16384 screen holding one 1 x 1 image.
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0x00, 0x40, 0x00, 0x40, 0x80, 0,
                       0,   0,   0,   0,   255, 255, 255,  0x2C, 0,    0,    0,    0,
                       1,   0,   1,   0,   0,   2,   2,    0x4C, 0x01, 0,    0x3B};
    // JPEG: the frame header of a small file rewritten to 16000 x 16000.
    const Bytes jpeg = WithJpegSize(WriteJpeg(), 0xC0, 16000);
    // BMP: the width and height fields of a small file rewritten to 30000 x 30000.
    Bytes bmp = WriteBmp();
    for (std::size_t at : {18u, 22u}) {
        bmp[at] = 0x30;
        bmp[at + 1] = 0x75;
    }
    // GIF: an 8 x 8 screen whose image claims 36608 x 30777 (found by the fuzzer: giflib's
    // whole-file reader reserved 1.1 GB for it before the size was checked).
    const Bytes gifImage = {'G',  'I',  'F',  '8',  '9',  'a',  8,    0,    8, 0,
                            0xF0, 0,    0,    0xFF, 0,    0,    0,    0,    0, 0x21,
                            0xF9, 4,    1,    0,    0,    1,    0,    0x2C, 0, 0x8F,
                            0x8C, 0xED, 0x79, 0xC0, 0x53, 0x59, 0x54, 0,    0, 0x3B};
    for (const Bytes& bytes : {gif, gifImage, jpeg, bmp}) {
        std::string error;
        EXPECT_FALSE(DecodePicture(bytes, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(FilePictureStore, DecodesOnceAndNamesTheFileInErrors) {
    testing::TestFolder folder;
    const fs::path& data = folder.Path();
    fs::create_directories(data / "picture" / "gif");
    fs::create_directories(data / "sound");
    const Bytes gif = WriteGif(false);
    std::ofstream(data / "picture" / "gif" / "Df1-20.gif", std::ios::binary)
        .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
    std::ofstream(data / "picture" / "gif" / "bad.gif") << "GIF89a garbage";

    DataFiles files(data);
    FilePictureStore store(files);
    std::string error;
    auto first = store.Load("picture\\gif\\Df1-20.gif", error);
    ASSERT_TRUE(first) << error;
    ExpectGifPixels(*first);
    EXPECT_EQ(store.Load("picture\\gif\\df1-20.gif", error), first); // another spelling, same file

    EXPECT_FALSE(store.Load("picture\\gif\\x.gif", error));
    EXPECT_NE(error.find("找不到圖片檔 picture\\gif\\x.gif"), std::string::npos) << error;
    EXPECT_FALSE(store.Load("picture\\gif\\bad.gif", error));
    EXPECT_NE(error.find("無法解碼圖片檔 picture\\gif\\bad.gif"), std::string::npos) << error;
}

TEST(PictureScaler, EnlargingKeepsColoursAndTransparentEdgesClean) {
    Picture p;
    p.width = 2;
    p.height = 1;
    p.pixels = {kRed, 0x00000000}; // red beside fully transparent black
    const Picture big = Resample(p, 8, 4);
    ASSERT_EQ(big.pixels.size(), 32u);
    EXPECT_EQ(big.At(0, 0), kRed);
    EXPECT_EQ(big.At(7, 3) >> 24, 0u);
    for (std::uint32_t px : big.pixels) {
        if (px >> 24) {
            EXPECT_EQ(px & 0xFFFFFF, 0xFF0000u) << std::hex << px << " has a dark fringe";
        }
    }
}

TEST(PictureScaler, ShrinkingAveragesAndSameSizeIsExact) {
    Picture p;
    p.width = 4;
    p.height = 4;
    for (int i = 0; i < 16; ++i)
        p.pixels.push_back((i % 2) ? 0xFFFFFFFF : 0xFF000000); // black and white columns
    const Picture half = Resample(p, 2, 2);
    for (std::uint32_t px : half.pixels)
        EXPECT_NEAR(static_cast<int>(px & 0xFF), 128, 40);
    EXPECT_EQ(Resample(p, 4, 4).pixels, p.pixels);
}

} // namespace
} // namespace quorvel
