// Font look-up through fontconfig and text rendering through SDL2_ttf.
#include "platform/sdl/TextRenderer.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <optional>
#include <stdexcept>

namespace quorvel {

namespace {

constexpr const char* kMingFamily = "AR PL UMing TW";

// The best face fontconfig offers for a pattern, if it really has the family or language.
bool Match(FcConfig* config, FcPattern* pattern, bool wantFamily, FontFace& face) {
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    bool ok = false;
    if (found) {
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        int index = 0;
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPatternGetString(found, FC_FAMILY, 0, &family);
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) {
            face = {reinterpret_cast<const char*>(file), index,
                    family ? reinterpret_cast<const char*>(family) : ""};
            // fontconfig always returns something; the family must really be the one asked
            // for, and a language fallback must really cover that language.
            if (wantFamily) {
                ok = face.family == kMingFamily;
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
    if (Match(config, ming, true, face))
        return face;
    for (const char* lang : {"zh-tw", "zh-hk", "zh-cn"}) {
        FcPattern* byLang = FcPatternCreate();
        FcPatternAddString(byLang, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
        if (Match(config, byLang, false, face))
            return face;
    }
    return std::nullopt;
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

TextRenderer::TextRenderer() : TextRenderer(FindTextFace()) {}

TextRenderer::TextRenderer(FontFace face) : face_(std::move(face)) {
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
    for (auto& [key, font] : fonts_)
        TTF_CloseFont(font);
    TTF_Quit();
}

TTF_Font* TextRenderer::Font(int sizePx, bool bold) {
    sizePx = std::clamp(sizePx, 1, 400);
    auto it = fonts_.find({sizePx, bold});
    if (it != fonts_.end())
        return it->second;
    TTF_Font* font = TTF_OpenFontIndex(face_.file.c_str(), sizePx, face_.index);
    if (font && bold)
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    if (font)
        fonts_.emplace(std::make_pair(sizePx, bold), font);
    return font;
}

int TextRenderer::Width(std::string_view text, int sizePx, bool bold) {
    TTF_Font* font = Font(sizePx, bold);
    int w = 0;
    int h = 0;
    if (!font || text.empty() || TTF_SizeUTF8(font, std::string(text).c_str(), &w, &h) != 0)
        return 0;
    return w;
}

int TextRenderer::LineHeight(int sizePx, bool bold) {
    TTF_Font* font = Font(sizePx, bold);
    return font ? TTF_FontLineSkip(font) : sizePx;
}

SDL_Surface* TextRenderer::Render(std::string_view text, int sizePx, bool bold, Color color) {
    if (text.empty())
        return nullptr;
    const std::uint32_t rgba =
        (std::uint32_t{color.r} << 24) | (color.g << 16) | (color.b << 8) | color.a;
    RenderKey key{std::string(text), sizePx, bold, rgba};
    if (auto it = recentIndex_.find(key); it != recentIndex_.end()) {
        recent_.splice(recent_.begin(), recent_, it->second);
        return it->second->second;
    }
    TTF_Font* font = Font(sizePx, bold);
    if (!font)
        return nullptr;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, std::get<0>(key).c_str(),
                                                   SDL_Color{color.r, color.g, color.b, color.a});
    if (!rendered)
        return nullptr;
    recent_.emplace_front(key, rendered);
    recentIndex_.emplace(std::move(key), recent_.begin());
    if (recent_.size() > kKeptLines) {
        SDL_FreeSurface(recent_.back().second);
        recentIndex_.erase(recent_.back().first);
        recent_.pop_back();
    }
    return rendered;
}

} // namespace quorvel
