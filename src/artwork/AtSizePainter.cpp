// One picture painted at a size: an easel that wants only that picture, the family painters
// run over it, and the painted surface turned into straight alpha.
#include "artwork/AtSizePainter.h"

#include "artwork/ArtworkId.h"
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <string>

namespace artwork {

namespace {

// Design paths compare without regard to letter case or slash direction.
std::string Folded(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

class OnePicture final : public Easel {
public:
    OnePicture(std::string_view designPath, int width, int height)
        : wanted_(Folded(designPath)), width_(width), height_(height) {}

    bool Wants(std::string_view designPath) const override {
        return !picture_ && Folded(designPath) == wanted_;
    }
    SurfaceSize SizeFor(std::string_view, int width, int height) const override {
        return {width, height, width_, height_};
    }
    void Picture(std::string_view designPath, const Surface& s, const GifOptions&) override {
        if (Wants(designPath))
            picture_ = Straight(s);
    }
    std::optional<quorvel::Picture>& Painted() { return picture_; }

private:
    // Cairo keeps premultiplied words; the game's pictures are straight.
    static quorvel::Picture Straight(const Surface& s) {
        cairo_surface_flush(s.surface());
        const auto* data = cairo_image_surface_get_data(s.surface());
        const int stride = cairo_image_surface_get_stride(s.surface());
        quorvel::Picture out;
        out.width = s.pixelWidth();
        out.height = s.pixelHeight();
        out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
        std::uint32_t* to = out.pixels.data();
        for (int y = 0; y < out.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
            for (int x = 0; x < out.width; ++x) {
                const std::uint32_t p = row[x];
                const std::uint32_t a = p >> 24;
                if (a == 255 || a == 0) {
                    *to++ = a == 0 ? 0 : p;
                    continue;
                }
                auto unmultiply = [a](std::uint32_t c) { return (c * 255 + a / 2) / a; };
                *to++ = (a << 24) | (unmultiply((p >> 16) & 0xFF) << 16) |
                        (unmultiply((p >> 8) & 0xFF) << 8) | unmultiply(p & 0xFF);
            }
        }
        return out;
    }

    std::string wanted_;
    int width_, height_;
    std::optional<quorvel::Picture> picture_;
};

} // namespace

std::string_view ArtworkIdentity() {
    return kArtworkId;
}

bool AtSizePainter::FamilyInstalled(const char* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    bool installed = false;
    FcChar8* name = nullptr;
    for (int i = 0;
         found && !installed && FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch;
         ++i)
        installed = std::string_view(reinterpret_cast<const char*>(name)) == family;
    if (found)
        FcPatternDestroy(found);
    FcPatternDestroy(pattern);
    return installed;
}

AtSizePainter::AtSizePainter()
    : facesInstalled_(FamilyInstalled(kSansFamily) && FamilyInstalled(kSerifFamily)) {}

std::optional<quorvel::Picture> AtSizePainter::Paint(std::string_view designPath, int width,
                                                     int height) {
    const quorvel::AssetEntry* entry = quorvel::AssetCatalog::Find(designPath);
    if (!entry || entry->kind != quorvel::AssetKind::Picture ||
        !quorvel::PictureSizeFits(width, height))
        return std::nullopt;
    OnePicture easel(entry->path, width, height);
    for (const Painter paint : AllPainters()) {
        paint(easel);
        if (easel.Painted())
            break;
    }
    return std::move(easel.Painted());
}

} // namespace artwork
