// Encoding and decoding the cache's pixel code. Pixels are 0xAARRGGBB words.
#include "gui/sdl/PictureCodec.h"

#include <array>

namespace quorvel {

namespace {

// The first byte of each piece of code.
constexpr std::uint8_t kIndex = 0x00;  // 00iiiiii: the recent pixel at table slot i
constexpr std::uint8_t kSmall = 0x40;  // 01rrggbb: each colour moved by -2..1, alpha the same
constexpr std::uint8_t kMedium = 0x80; // 10gggggg, rrrrbbbb: green by -32..31, red and blue
                                       // by -8..7 more than green, alpha the same
constexpr std::uint8_t kRun = 0xC0;    // 11nnnnnn: the pixel before, n + 1 times (1..62)
constexpr std::uint8_t kColour = 0xFE; // then red, green, blue; alpha the same
constexpr std::uint8_t kFull = 0xFF;   // then alpha, red, green, blue
constexpr std::uint8_t kTagMask = 0xC0;
constexpr int kMaxRun = 62;
constexpr std::uint32_t kStart = 0xFF000000u; // the pixel "before" the first one

int Slot(std::uint32_t p) {
    const std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return static_cast<int>((r * 3 + g * 5 + b * 7 + a * 11) % 64);
}

} // namespace

std::vector<std::uint8_t> EncodePixels(const Picture& picture) {
    std::vector<std::uint8_t> code;
    code.reserve(picture.pixels.size() * 2);
    std::array<std::uint32_t, 64> recent{};
    std::uint32_t before = kStart;
    int run = 0;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t p = picture.pixels[i];
        if (p == before) {
            if (++run == kMaxRun || i + 1 == picture.pixels.size()) {
                code.push_back(static_cast<std::uint8_t>(kRun | (run - 1)));
                run = 0;
            }
            continue;
        }
        if (run > 0) {
            code.push_back(static_cast<std::uint8_t>(kRun | (run - 1)));
            run = 0;
        }
        const int slot = Slot(p);
        if (recent[static_cast<std::size_t>(slot)] == p) {
            code.push_back(static_cast<std::uint8_t>(kIndex | slot));
        } else {
            recent[static_cast<std::size_t>(slot)] = p;
            const int dr = static_cast<std::int8_t>(((p >> 16) & 0xFF) - ((before >> 16) & 0xFF));
            const int dg = static_cast<std::int8_t>(((p >> 8) & 0xFF) - ((before >> 8) & 0xFF));
            const int db = static_cast<std::int8_t>((p & 0xFF) - (before & 0xFF));
            const int drg = dr - dg, dbg = db - dg;
            if ((p >> 24) != (before >> 24)) {
                code.insert(code.end(),
                            {kFull, static_cast<std::uint8_t>(p >> 24),
                             static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p)});
            } else if (dr >= -2 && dr <= 1 && dg >= -2 && dg <= 1 && db >= -2 && db <= 1) {
                code.push_back(
                    static_cast<std::uint8_t>(kSmall | (dr + 2) << 4 | (dg + 2) << 2 | (db + 2)));
            } else if (dg >= -32 && dg <= 31 && drg >= -8 && drg <= 7 && dbg >= -8 && dbg <= 7) {
                code.push_back(static_cast<std::uint8_t>(kMedium | (dg + 32)));
                code.push_back(static_cast<std::uint8_t>((drg + 8) << 4 | (dbg + 8)));
            } else {
                code.insert(code.end(),
                            {kColour, static_cast<std::uint8_t>(p >> 16),
                             static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)});
            }
        }
        before = p;
    }
    return code;
}

bool DecodePixels(std::span<const std::uint8_t> code, int width, int height, Picture& out) {
    if (!PictureSizeFits(width, height))
        return false;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    out.width = width;
    out.height = height;
    out.pixels.resize(count);
    std::array<std::uint32_t, 64> recent{};
    std::uint32_t p = kStart;
    std::size_t at = 0;
    std::size_t done = 0;
    const std::size_t size = code.size();
    while (done < count) {
        if (at >= size)
            return false;
        const std::uint8_t tag = code[at++];
        if (tag == kColour || tag == kFull) {
            const std::size_t need = tag == kFull ? 4 : 3;
            if (size - at < need)
                return false;
            const std::uint32_t a = tag == kFull ? code[at++] : p >> 24;
            p = a << 24 | std::uint32_t{code[at]} << 16 | std::uint32_t{code[at + 1]} << 8 |
                code[at + 2];
            at += 3;
        } else if ((tag & kTagMask) == kIndex) {
            p = recent[tag & 0x3F];
        } else if ((tag & kTagMask) == kSmall) {
            const std::uint32_t r = ((p >> 16) + ((tag >> 4) & 3) - 2) & 0xFF;
            const std::uint32_t g = ((p >> 8) + ((tag >> 2) & 3) - 2) & 0xFF;
            const std::uint32_t b = (p + (tag & 3) - 2) & 0xFF;
            p = (p & 0xFF000000u) | r << 16 | g << 8 | b;
        } else if ((tag & kTagMask) == kMedium) {
            if (at >= size)
                return false;
            const int dg = (tag & 0x3F) - 32;
            const int drg = (code[at] >> 4) - 8, dbg = (code[at] & 0x0F) - 8;
            ++at;
            const std::uint32_t r = ((p >> 16) + dg + drg) & 0xFF;
            const std::uint32_t g = ((p >> 8) + dg) & 0xFF;
            const std::uint32_t b = (p + dg + dbg) & 0xFF;
            p = (p & 0xFF000000u) | r << 16 | g << 8 | b;
        } else {
            const std::size_t run = (tag & 0x3F) + 1u;
            if (run > count - done)
                return false;
            std::fill_n(out.pixels.begin() + static_cast<std::ptrdiff_t>(done), run, p);
            done += run;
            continue;
        }
        recent[static_cast<std::size_t>(Slot(p))] = p;
        out.pixels[done++] = p;
    }
    return at == size;
}

} // namespace quorvel
