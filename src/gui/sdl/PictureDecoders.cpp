// Picture decoding. libjpeg reports errors by longjmp, so the JPEG decoder keeps every object
// with a destructor outside the jumped-over code; SDL reports by return value.
#include "gui/sdl/PictureDecoders.h"

#include "gui/sdl/GifDecoder.h"

#include <SDL.h>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace quorvel {

namespace {

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// What libjpeg may allocate for one picture [bytes]: the whole-image coefficient buffers of a
// progressive 4096 x 4096 colour picture need about 100 MB.
constexpr long kMaxJpegMemory = 128L << 20;
// The most scans a picture may have. A progressive file needs about ten; a damaged or hostile
// one may repeat a cheap scan without end, and each scan costs a walk over the whole picture.
constexpr int kMaxJpegScans = 100;
// The decoding work allowed for one picture [pixels x scans]: about half a second at most, and
// more than any picture the game draws needs (800 x 600 with its 10 scans is 4.8 M).
constexpr long long kMaxJpegWork = 1LL << 30;

bool SizeFits(long width, long height) {
    return PictureSizeFits(width, height);
}

} // namespace

namespace {

// The libjpeg state of one decode. The steps that may longjmp back live in functions of their
// own that hold nothing but this session, so no C++ object is ever jumped over.
struct JpegSession {
    jpeg_decompress_struct info;
    JpegError err;
    jpeg_progress_mgr progress;
};

// libjpeg calls this as it reads the scans (for each row of blocks): past the scan limit or the
// work bound the decode fails, before the time is spent rather than after.
void JpegWatchScans(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    const long long pixels = static_cast<long long>(info->image_width) * info->image_height;
    const char* why = info->input_scan_number > kMaxJpegScans ? "too many scans"
                      : pixels * info->input_scan_number > kMaxJpegWork
                          ? "too much work to decode"
                          : nullptr;
    if (!why)
        return;
    auto* err = reinterpret_cast<JpegError*>(common->err);
    std::snprintf(err->message, sizeof err->message, "%s", why);
    std::longjmp(err->jump, 1);
}

// Reads the header and, when the size fits, starts the decompressor. The size is checked
// before jpeg_start_decompress, which already reserves the whole-image buffers of a
// progressive file: a damaged header must be refused before that, not after.
enum class JpegStartResult { Failed, TooLarge, Started };

JpegStartResult JpegStart(JpegSession& s, const std::uint8_t* data, std::size_t size) {
    if (setjmp(s.err.jump))
        return JpegStartResult::Failed;
    jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&s.info, TRUE);
    if (!SizeFits(s.info.image_width, s.info.image_height))
        return JpegStartResult::TooLarge;
    s.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&s.info);
    return JpegStartResult::Started;
}

// Reads every row into `pixels` (output_width x output_height), using `row` as scratch.
bool JpegRows(JpegSession& s, std::uint8_t* row, std::uint32_t* pixels) {
    if (setjmp(s.err.jump))
        return false;
    while (s.info.output_scanline < s.info.output_height) {
        std::uint32_t* out =
            pixels + static_cast<std::size_t>(s.info.output_scanline) * s.info.output_width;
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&s.info, rows, 1);
        for (JDIMENSION x = 0; x < s.info.output_width; ++x)
            out[x] = Argb(255, row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

} // namespace

std::shared_ptr<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error) {
    JpegSession s;
    s.info.err = jpeg_std_error(&s.err.manager);
    s.err.manager.error_exit = JpegFail;
    s.err.manager.output_message = [](j_common_ptr) {}; // warnings are not worth a report
    s.err.message[0] = '\0';
    jpeg_create_decompress(&s.info);
    // libjpeg's own buffers stay within this bound [bytes]; past it, it fails (it has no
    // backing store) instead of taking gigabytes.
    s.info.mem->max_memory_to_use = kMaxJpegMemory;
    s.progress = {};
    s.progress.progress_monitor = JpegWatchScans;
    s.info.progress = &s.progress;
    std::shared_ptr<Picture> picture;
    const JpegStartResult started = JpegStart(s, bytes.data(), bytes.size());
    if (started == JpegStartResult::TooLarge ||
        (started == JpegStartResult::Started &&
         !SizeFits(s.info.output_width, s.info.output_height))) {
        std::snprintf(s.err.message, sizeof s.err.message, "picture too large");
    } else if (started == JpegStartResult::Started) {
        picture = std::make_shared<Picture>();
        picture->width = static_cast<int>(s.info.output_width);
        picture->height = static_cast<int>(s.info.output_height);
        picture->pixels.resize(static_cast<std::size_t>(picture->width) * picture->height);
        std::vector<std::uint8_t> row(static_cast<std::size_t>(picture->width) * 3);
        if (!JpegRows(s, row.data(), picture->pixels.data()))
            picture.reset();
    }
    jpeg_destroy_decompress(&s.info);
    if (!picture)
        error = s.err.message[0] ? s.err.message : "cannot decode JPEG";
    return picture;
}

namespace {

// Width and height fields of a BMP header: 32-bit after a 40-byte or larger header, 16-bit
// after a 12-byte one. Nothing when the header is shorter than that.
std::optional<PictureSize> BmpHeaderSize(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 26)
        return std::nullopt;
    auto field = [&](std::size_t at, std::size_t size) {
        long value = 0;
        for (std::size_t k = 0; k < size && at + k < bytes.size(); ++k)
            value |= static_cast<long>(bytes[at + k]) << (8 * k);
        return size == 4 ? static_cast<long>(static_cast<std::int32_t>(value)) : value;
    };
    const bool core = field(14, 4) == 12;
    const long width = field(18, core ? 2 : 4);
    const long height = field(core ? 20 : 22, core ? 2 : 4);
    if (!SizeFits(width, height < 0 ? -height : height))
        return PictureSize{-1, -1};
    return PictureSize{static_cast<int>(width), static_cast<int>(height < 0 ? -height : height)};
}

} // namespace

std::shared_ptr<Picture> DecodeBmp(std::span<const std::uint8_t> bytes, std::string& error) {
    // The loader makes the whole surface before it reads a row, so check the header's size
    // first.
    if (const auto size = BmpHeaderSize(bytes); size && size->width < 0) {
        error = "bad picture size";
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_Surface* loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    SDL_Surface* argb =
        loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    SDL_FreeSurface(loaded);
    if (!argb) {
        error = SDL_GetError();
        return nullptr;
    }
    auto picture = std::make_shared<Picture>();
    picture->width = argb->w;
    picture->height = argb->h;
    picture->pixels.resize(static_cast<std::size_t>(argb->w) * argb->h);
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(&picture->pixels[static_cast<std::size_t>(y) * argb->w],
                    static_cast<const std::uint8_t*>(argb->pixels) +
                        static_cast<std::size_t>(y) * argb->pitch,
                    static_cast<std::size_t>(argb->w) * 4);
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return picture;
}

namespace {

bool JpegReadHeader(JpegSession& s, const std::uint8_t* data, std::size_t size) {
    if (setjmp(s.err.jump))
        return false;
    jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&s.info, TRUE);
    return true;
}

std::optional<PictureSize> ProbeJpeg(std::span<const std::uint8_t> bytes, std::string& error,
                                     bool& truncated) {
    JpegSession s;
    s.info.err = jpeg_std_error(&s.err.manager);
    s.err.manager.error_exit = JpegFail;
    s.err.manager.output_message = [](j_common_ptr) {};
    s.err.message[0] = '\0';
    jpeg_create_decompress(&s.info);
    s.info.mem->max_memory_to_use = kMaxJpegMemory;
    std::optional<PictureSize> size;
    if (!JpegReadHeader(s, bytes.data(), bytes.size())) {
        error = s.err.message[0] ? s.err.message : "cannot decode JPEG";
        // The memory source ends a short buffer with a made-up end marker, so a header cut
        // off by the end of the bytes reads as an image without a frame.
        truncated = true;
    } else if (!SizeFits(s.info.image_width, s.info.image_height)) {
        error = "picture too large";
    } else {
        size = PictureSize{static_cast<int>(s.info.image_width),
                           static_cast<int>(s.info.image_height)};
    }
    jpeg_destroy_decompress(&s.info);
    return size;
}

} // namespace

std::optional<PictureSize> ProbePicture(std::span<const std::uint8_t> bytes, std::string& error,
                                        bool& truncated) {
    truncated = false;
    auto starts = [&](std::string_view magic) {
        return bytes.size() >= magic.size() &&
               std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
    };
    if (starts("\xFF\xD8"))
        return ProbeJpeg(bytes, error, truncated);
    if (starts("GIF8"))
        return ProbeGif(bytes, error, truncated);
    if (starts("BM")) {
        const auto size = BmpHeaderSize(bytes);
        if (!size) {
            error = "BMP header cut short";
            truncated = true;
        } else if (size->width < 0) {
            error = "bad picture size";
            return std::nullopt;
        }
        return size;
    }
    error = "unknown picture format";
    return std::nullopt;
}

std::shared_ptr<Picture> DecodePicture(std::span<const std::uint8_t> bytes, std::string& error) {
    auto starts = [&](std::string_view magic) {
        return bytes.size() >= magic.size() &&
               std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
    };
    if (starts("\xFF\xD8"))
        return DecodeJpeg(bytes, error);
    if (starts("GIF8"))
        return DecodeGif(bytes, error);
    if (starts("BM"))
        return DecodeBmp(bytes, error);
    error = "unknown picture format";
    return nullptr;
}

} // namespace quorvel
