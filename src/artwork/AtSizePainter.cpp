// One picture painted at a size: an easel that wants only that picture, the family painters
// run over it, and the painted surface turned into straight alpha.
#include "artwork/AtSizePainter.h"

#include "artwork/ArtworkId.h"
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace artwork {

namespace {

// Design paths compare without regard to letter case or slash direction.
bool SamePath(std::string_view a, std::string_view b) {
    auto fold = [](char c) {
        return c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return fold(x) == fold(y); });
}

// Paints the one picture wanted straight into the memory of the picture it gives, and turns
// cairo's premultiplied words into the game's straight ones there.
class OnePicture final : public Easel {
public:
    OnePicture(std::string_view designPath, int width, int height)
        : wanted_(designPath), width_(width), height_(height) {}

    bool Wants(std::string_view designPath) const override {
        return !done_ && SamePath(designPath, wanted_);
    }
    SurfaceSize SizeFor(std::string_view, int width, int height) override {
        picture_.width = width_;
        picture_.height = height_;
        picture_.pixels.assign(static_cast<std::size_t>(width_) * height_, 0);
        return {width, height, width_, height_, picture_.pixels.data()};
    }
    void Picture(std::string_view designPath, const Surface& s, const GifOptions&) override {
        if (!Wants(designPath))
            return;
        cairo_surface_flush(s.surface());
        if (cairo_image_surface_get_data(s.surface()) !=
            reinterpret_cast<unsigned char*>(picture_.pixels.data()))
            return;
        for (std::uint32_t& p : picture_.pixels) {
            const std::uint32_t a = p >> 24;
            if (a == 255 || a == 0)
                continue;
            auto unmultiply = [a](std::uint32_t c) { return (c * 255 + a / 2) / a; };
            p = (a << 24) | (unmultiply((p >> 16) & 0xFF) << 16) |
                (unmultiply((p >> 8) & 0xFF) << 8) | unmultiply(p & 0xFF);
        }
        done_ = true;
    }
    std::optional<quorvel::Picture> Take() {
        if (!done_)
            return std::nullopt;
        done_ = false;
        return std::move(picture_);
    }

private:
    std::string_view wanted_;
    int width_, height_;
    quorvel::Picture picture_;
    bool done_ = false;
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

bool AtSizePainter::FacesInstalled() {
    return FamilyInstalled(kSansFamily) && FamilyInstalled(kSerifFamily);
}

AtSizePainter::AtSizePainter() : facesInstalled_(FacesInstalled()) {}

void AtSizePainter::Rest() {
    // The default font map holds every face opened and its glyphs; the next painting opens
    // the faces it needs again.
    pango_cairo_font_map_set_default(nullptr);
    malloc_trim(0);
}

std::optional<quorvel::Picture> AtSizePainter::Paint(std::string_view designPath, int width,
                                                     int height) {
    const quorvel::AssetEntry* entry = quorvel::AssetCatalog::Find(designPath);
    if (!entry || entry->kind != quorvel::AssetKind::Picture ||
        !quorvel::PictureSizeFits(width, height))
        return std::nullopt;
    OnePicture easel(entry->path, width, height);
    for (const Painter paint : AllPainters())
        if (paint(easel); auto painted = easel.Take())
            return painted;
    return std::nullopt;
}

} // namespace artwork
