// GIF records up to the first image, its size check, and its rows in their final order.
#include "gui/sdl/GifDecoder.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace quorvel {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

struct GifReader {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

int GifRead(GifFileType* gif, GifByteType* out, int count) {
    auto* reader = static_cast<GifReader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count),
                                                reader->bytes.size() - reader->offset);
    std::memcpy(out, reader->bytes.data() + reader->offset, n);
    reader->offset += n;
    return static_cast<int>(n);
}

// An opened file positioned at the pixels of its first image, with what the decoder needs.
struct GifStart {
    GifFileType* gif = nullptr;
    GifReader reader;
    PictureSize size;
    int transparent = NO_TRANSPARENT_COLOR;
    std::string error;
    bool truncated = false;

    explicit GifStart(std::span<const std::uint8_t> bytes) : reader{bytes} {}
    ~GifStart() {
        int code = 0;
        if (gif)
            DGifCloseFile(gif, &code);
    }
    GifStart(const GifStart&) = delete;
    GifStart& operator=(const GifStart&) = delete;

    // Reads up to the first image descriptor and checks the size; false with `error`.
    bool Open() {
        int code = 0;
        gif = DGifOpen(&reader, GifRead, &code);
        if (!gif)
            return Fail(GifErrorString(code) ? GifErrorString(code) : "not a GIF file");
        if (!PictureSizeFits(std::max(1, int{gif->SWidth}), std::max(1, int{gif->SHeight})))
            return Fail("picture too large");
        for (;;) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(gif, &type) != GIF_OK)
                return Fail("damaged GIF records");
            if (type == EXTENSION_RECORD_TYPE) {
                int function = 0;
                GifByteType* block = nullptr;
                if (DGifGetExtension(gif, &function, &block) != GIF_OK)
                    return Fail("damaged GIF extension");
                GraphicsControlBlock control{};
                if (function == GRAPHICS_EXT_FUNC_CODE && block &&
                    DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                    transparent = control.TransparentColor;
                while (block)
                    if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                        return Fail("damaged GIF extension");
            } else if (type == IMAGE_DESC_RECORD_TYPE) {
                if (DGifGetImageDesc(gif) != GIF_OK)
                    return Fail("damaged GIF image header");
                const GifImageDesc& desc = gif->Image;
                const long width = std::max<long>(gif->SWidth, long{desc.Left} + desc.Width);
                const long height = std::max<long>(gif->SHeight, long{desc.Top} + desc.Height);
                if (!(desc.ColorMap || gif->SColorMap) || desc.Width < 1 || desc.Height < 1 ||
                    !PictureSizeFits(width, height))
                    return Fail("bad GIF image");
                size = {static_cast<int>(width), static_cast<int>(height)};
                return true;
            } else {
                return Fail("no image");
            }
        }
    }

    bool Fail(const char* why) {
        error = why;
        truncated = reader.offset >= reader.bytes.size();
        return false;
    }
};

} // namespace

std::optional<PictureSize> ProbeGif(std::span<const std::uint8_t> bytes, std::string& error,
                                    bool& truncated) {
    GifStart start(bytes);
    truncated = false;
    if (!start.Open()) {
        error = start.error;
        truncated = start.truncated;
        return std::nullopt;
    }
    return start.size;
}

std::shared_ptr<Picture> DecodeGif(std::span<const std::uint8_t> bytes, std::string& error) {
    GifStart start(bytes);
    if (!start.Open()) {
        error = start.error;
        return nullptr;
    }
    const GifImageDesc& desc = start.gif->Image;
    const ColorMapObject* colors = desc.ColorMap ? desc.ColorMap : start.gif->SColorMap;
    // An interlaced image keeps every 8th row first, then the 4th, the 2nd and the odd rows.
    std::vector<int> order;
    if (desc.Interlace) {
        for (auto [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = first; y < desc.Height; y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < desc.Height; ++y)
            order.push_back(y);
    }
    auto picture = std::make_shared<Picture>();
    picture->width = start.size.width;
    picture->height = start.size.height;
    // Whatever the first image does not cover stays transparent.
    picture->pixels.assign(static_cast<std::size_t>(picture->width) * picture->height, 0);
    std::vector<GifPixelType> row(static_cast<std::size_t>(desc.Width));
    for (int y : order) {
        if (DGifGetLine(start.gif, row.data(), desc.Width) != GIF_OK) {
            error = GifErrorString(start.gif->Error) ? GifErrorString(start.gif->Error)
                                                     : "damaged GIF image";
            return nullptr;
        }
        std::uint32_t* out =
            &picture->pixels[static_cast<std::size_t>(desc.Top + y) * picture->width + desc.Left];
        for (int x = 0; x < desc.Width; ++x) {
            const int index = row[static_cast<std::size_t>(x)];
            if (index == start.transparent || index >= colors->ColorCount)
                continue;
            const GifColorType c = colors->Colors[index];
            out[x] =
                kOpaque | (std::uint32_t{c.Red} << 16) | (std::uint32_t{c.Green} << 8) | c.Blue;
        }
    }
    return picture;
}

} // namespace quorvel
