// Font look-up through fontconfig and text rendering through SDL2_ttf.
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <optional>
#include <stdexcept>

namespace quorvel {

namespace {

constexpr const char* kMingFamily = "AR PL UMing TW";
constexpr const char* kSansFamily = "Noto Sans CJK TC";

// The best face fontconfig offers for a pattern, if it really has the family asked for (when
// one is given) or the language.
bool Match(FcConfig* config, FcPattern* pattern, const char* wantFamily, FontFace& face) {
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    bool ok = false;
    if (found) {
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        int index = 0;
        int weight = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPatternGetInteger(found, FC_WEIGHT, 0, &weight);
        FcPatternGetString(found, FC_FAMILY, 0, &family);
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
            face = {reinterpret_cast<const char*>(file), index,
                    family ? reinterpret_cast<const char*>(family) : "", weight >= FC_WEIGHT_BOLD};
            // fontconfig always returns something; the family must really be the one asked
            // for, and a language fallback must really cover that language.
            if (wantFamily) {
                ok = face.family == wantFamily;
            } else {
                FcLangSet* langs = nullptr;
                FcChar8* lang = nullptr;
                FcPatternGetString(pattern, FC_LANG, 0, &lang);
                ok = lang && FcPatternGetLangSet(found, FC_LANG, 0, &langs) == FcResultMatch &&
                     FcLangSetHasLang(langs, lang) != FcLangDifferentLang;
            }
        }
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pattern);
    return ok;
}

} // namespace

namespace {

std::optional<FontFace> LookUpFace() {
    FcConfig* config = FcConfigGetCurrent();
    FontFace face;
    FcPattern* ming = FcPatternCreate();
    FcPatternAddString(ming, FC_FAMILY, reinterpret_cast<const FcChar8*>(kMingFamily));
    if (Match(config, ming, kMingFamily, face)) {
        // The Ming face has one weight; bold is drawn heavier by the renderer.
        face.boldDrawn = false;
        return face;
    }
    for (const char* lang : {"zh-tw", "zh-hk", "zh-cn"}) {
        FcPattern* byLang = FcPatternCreate();
        FcPatternAddString(byLang, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
        if (Match(config, byLang, nullptr, face)) {
            face.boldDrawn = false;
            return face;
        }
    }
    return std::nullopt;
}

std::optional<FontFace> LookUpSans(int weight) {
    FontFace face;
    FcPattern* sans = FcPatternCreate();
    FcPatternAddString(sans, FC_FAMILY, reinterpret_cast<const FcChar8*>(kSansFamily));
    FcPatternAddInteger(sans, FC_WEIGHT, weight);
    if (!Match(FcConfigGetCurrent(), sans, kSansFamily, face))
        return std::nullopt;
    return face;
}

} // namespace

FontFace FindTextFace() {
    if (!FcInit())
        throw std::runtime_error("無法啟動字型設定 (fontconfig could not be initialised)");
    const auto face = LookUpFace();
    // The face is all the game needs from fontconfig; its memory goes back at once.
    FcFini();
    if (!face)
        throw std::runtime_error("找不到中文字型，請安裝 fonts-arphic-uming "
                                 "(no Chinese font found; install fonts-arphic-uming)");
    return *face;
}

std::optional<SansFaces> FindSansFaces() {
    if (!FcInit())
        return std::nullopt;
    auto regular = LookUpSans(FC_WEIGHT_REGULAR);
    auto bold = LookUpSans(FC_WEIGHT_BOLD);
    FcFini();
    if (!regular)
        return std::nullopt;
    // Without a bold cut the regular one is drawn heavier, as the Ming face is.
    if (!bold || !bold->boldDrawn) {
        bold = regular;
        bold->boldDrawn = false;
    }
    regular->boldDrawn = false;
    return SansFaces{*regular, *bold};
}

TextRenderer::TextRenderer() : TextRenderer(FindTextFace(), FindSansFaces()) {}

TextRenderer::TextRenderer(FontFace face, std::optional<SansFaces> sans)
    : face_(std::move(face)), sans_(std::move(sans)) {
    if (TTF_Init() != 0)
        throw std::runtime_error(std::string("無法啟動字型繪製 (SDL_ttf failed: ") +
                                 TTF_GetError() + ")");
    // Open one size now, so a broken font file fails at start-up, not in the middle of play.
    if (!Font(12, false)) {
        const std::string why = TTF_GetError();
        TTF_Quit();
        throw std::runtime_error("無法開啟字型 " + face_.file + " (cannot open font: " + why + ")");
    }
}

TextRenderer::~TextRenderer() {
    for (auto& [key, surface] : recent_)
        SDL_FreeSurface(surface);
    for (auto& [key, open] : fonts_)
        TTF_CloseFont(open.font);
    TTF_Quit();
}

TTF_Font* TextRenderer::Font(int sizePx, bool bold, Typeface face) {
    sizePx = std::clamp(sizePx, 1, 400);
    if (!sans_)
        face = Typeface::Ming;
    // One open face per typeface and weight, set to the size asked for: each open face holds
    // megabytes of the font's tables (the sans face's most of all), while a change of size
    // costs only its glyph cache, and rendered lines stay cached above it.
    const FontKey key{bold, face};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        const FontFace& file = face == Typeface::Ming ? face_ : bold ? sans_->bold : sans_->regular;
        TTF_Font* font = TTF_OpenFontIndex(file.file.c_str(), sizePx, file.index);
        if (!font)
            return nullptr;
        if (bold && !file.boldDrawn)
            TTF_SetFontStyle(font, TTF_STYLE_BOLD);
        it = fonts_.emplace(key, OpenFont{font, sizePx}).first;
    } else if (it->second.sizePx != sizePx) {
        if (TTF_SetFontSize(it->second.font, sizePx) != 0)
            return nullptr;
        it->second.sizePx = sizePx;
    }
    return it->second.font;
}

int TextRenderer::Width(std::string_view text, int sizePx, bool bold, Typeface face) {
    TTF_Font* font = Font(sizePx, bold, face);
    int w = 0;
    int h = 0;
    if (!font || text.empty() || TTF_SizeUTF8(font, std::string(text).c_str(), &w, &h) != 0)
        return 0;
    return w;
}

int TextRenderer::LineHeight(int sizePx, bool bold, Typeface face) {
    TTF_Font* font = Font(sizePx, bold, face);
    return font ? TTF_FontLineSkip(font) : sizePx;
}

SDL_Surface* TextRenderer::Render(std::string_view text, int sizePx, bool bold, Color color,
                                  Typeface face) {
    if (text.empty())
        return nullptr;
    const std::uint32_t rgba =
        (std::uint32_t{color.r} << 24) | (color.g << 16) | (color.b << 8) | color.a;
    RenderKey key{std::string(text), sizePx, bold, rgba, sans_ ? face : Typeface::Ming};
    if (auto it = recentIndex_.find(key); it != recentIndex_.end()) {
        recent_.splice(recent_.begin(), recent_, it->second);
        return it->second->second;
    }
    TTF_Font* font = Font(sizePx, bold, face);
    if (!font)
        return nullptr;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, std::get<0>(key).c_str(),
                                                   SDL_Color{color.r, color.g, color.b, color.a});
    if (!rendered)
        return nullptr;
    recent_.emplace_front(key, rendered);
    recentIndex_.emplace(std::move(key), recent_.begin());
    keptBytes_ += static_cast<std::size_t>(rendered->pitch) * rendered->h;
    while (recent_.size() > 1 && (recent_.size() > kKeptLines || keptBytes_ > kKeptBytes)) {
        SDL_Surface* oldest = recent_.back().second;
        keptBytes_ -= static_cast<std::size_t>(oldest->pitch) * oldest->h;
        SDL_FreeSurface(oldest);
        recentIndex_.erase(recent_.back().first);
        recent_.pop_back();
    }
    return rendered;
}

} // namespace quorvel
