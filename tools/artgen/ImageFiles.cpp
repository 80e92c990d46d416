// GIF, JPEG and BMP writing from cairo surfaces. Cairo keeps premultiplied BGRA words; every
// writer first turns them into straight RGB(A) bytes.
#include "ImageFiles.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <cstdio>
#include <fcntl.h>
#include <jpeglib.h>
#include <unistd.h>
#include <vector>

namespace artgen {

using artwork::Hex;
using artwork::Rgb;

namespace {

// Straight RGBA bytes; with `matte`, partly transparent pixels are blended onto it and the
// alpha is cut at one half, so the quantiser sees only opaque or fully clear pixels.
std::vector<unsigned char> Rgba(const Surface& s, bool keepAlpha, Rgb matte) {
    cairo_surface_flush(s.surface());
    const unsigned char* data = cairo_image_surface_get_data(s.surface());
    const int stride = cairo_image_surface_get_stride(s.surface());
    std::vector<unsigned char> out(size_t(s.pixelWidth()) * s.pixelHeight() * 4);
    const int mr = int(matte.r * 255), mg = int(matte.g * 255), mb = int(matte.b * 255);
    for (int y = 0; y < s.pixelHeight(); ++y) {
        for (int x = 0; x < s.pixelWidth(); ++x) {
            const unsigned char* px = data + y * stride + x * 4; // B, G, R, A premultiplied
            unsigned char* o = &out[(size_t(y) * s.pixelWidth() + x) * 4];
            const int a = px[3];
            // premultiplied colour over the matte: c + m * (1 - a)
            o[0] = static_cast<unsigned char>(px[2] + mr * (255 - a) / 255);
            o[1] = static_cast<unsigned char>(px[1] + mg * (255 - a) / 255);
            o[2] = static_cast<unsigned char>(px[0] + mb * (255 - a) / 255);
            o[3] = 255;
            if (keepAlpha && a < 128) {
                o[0] = o[1] = o[2] = o[3] = 0;
            }
        }
    }
    return out;
}

} // namespace

std::string WriteGif(const Surface& s, const std::string& file, const GifOptions& options) {
    const int w = s.pixelWidth(), h = s.pixelHeight();
    std::vector<unsigned char> rgba = Rgba(s, options.transparent, options.matte);
    liq_attr* attr = liq_attr_create();
    liq_set_max_colors(attr, 256);
    liq_set_speed(attr, 5);
    liq_image* image = liq_image_create_rgba(attr, rgba.data(), w, h, 0);
    liq_result* result = nullptr;
    if (liq_image_quantize(image, attr, &result) != LIQ_OK) {
        liq_image_destroy(image);
        liq_attr_destroy(attr);
        return "quantising failed";
    }
    liq_set_dithering_level(result, float(options.dither));
    std::vector<unsigned char> indices(size_t(w) * h);
    liq_write_remapped_image(result, image, indices.data(), indices.size());
    const liq_palette* palette = liq_get_palette(result);

    // The quantiser may return more than one clear entry: every clear pixel uses the first.
    int transparentIndex = -1;
    std::vector<int> remap(palette->count);
    for (unsigned i = 0; i < palette->count; ++i) {
        remap[i] = int(i);
        if (options.transparent && palette->entries[i].a < 128) {
            if (transparentIndex < 0) {
                transparentIndex = int(i);
            }
            remap[i] = transparentIndex;
        }
    }
    int mapSize = 2;
    while (mapSize < int(palette->count)) {
        mapSize *= 2;
    }
    std::vector<GifColorType> colors(mapSize, GifColorType{0, 0, 0});
    for (unsigned i = 0; i < palette->count; ++i) {
        colors[i] = {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b};
    }
    for (unsigned char& index : indices) {
        index = static_cast<unsigned char>(remap[index]);
    }
    liq_result_destroy(result);
    liq_image_destroy(image);
    liq_attr_destroy(attr);

    // giflib's own file opening creates the file readable by its owner only; the data folder
    // is installed for every user, so the file is created with the usual 0644 here.
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return "cannot create " + file;
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (!gif) {
        close(fd);
        return "cannot create " + file;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(mapSize, colors.data());
    bool ok = EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
    if (ok && transparentIndex >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = transparentIndex;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y) {
        ok = EGifPutLine(gif, &indices[size_t(y) * w], w) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok) {
        return "writing " + file + " failed";
    }
    return "";
}

std::string WriteJpeg(const Surface& s, const std::string& file, int quality) {
    std::vector<unsigned char> rgba = Rgba(s, false, Hex(0xffffff));
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) {
        return "cannot create " + file;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = s.pixelWidth();
    info.image_height = s.pixelHeight();
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < info.num_components; ++c) { // 4:4:4, sharp red and black pips
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(s.pixelWidth()) * 3);
    while (info.next_scanline < info.image_height) {
        const unsigned char* src = &rgba[size_t(info.next_scanline) * s.pixelWidth() * 4];
        for (int x = 0; x < s.pixelWidth(); ++x) {
            row[x * 3] = src[x * 4];
            row[x * 3 + 1] = src[x * 4 + 1];
            row[x * 3 + 2] = src[x * 4 + 2];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0 ? "" : "writing " + file + " failed";
}

std::string WriteBmp(const Surface& s, const std::string& file) {
    std::vector<unsigned char> rgba = Rgba(s, false, Hex(0x000000));
    const int w = s.pixelWidth(), h = s.pixelHeight();
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t imageBytes = std::uint32_t(rowBytes) * h;
    std::vector<unsigned char> bytes(54 + imageBytes, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<unsigned char>(v >> (8 * i));
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + imageBytes);
    put32(10, 54);
    put32(14, 40); // BITMAPINFOHEADER
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h)); // positive: rows stored bottom-up
    bytes[26] = 1;               // planes
    bytes[28] = 24;              // bits per pixel
    put32(34, imageBytes);
    put32(38, 2835); // 72 dpi
    put32(42, 2835);
    for (int y = 0; y < h; ++y) {
        unsigned char* dst = &bytes[54 + size_t(h - 1 - y) * rowBytes];
        const unsigned char* src = &rgba[size_t(y) * w * 4];
        for (int x = 0; x < w; ++x) {
            dst[x * 3] = src[x * 4 + 2];
            dst[x * 3 + 1] = src[x * 4 + 1];
            dst[x * 3 + 2] = src[x * 4];
        }
    }
    FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) {
        return "cannot create " + file;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok ? "" : "writing " + file + " failed";
}

} // namespace artgen
