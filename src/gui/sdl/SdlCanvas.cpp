// Drawing on the software surface: fills, frames, pictures, text.
#include "gui/sdl/SdlCanvas.h"

#include "gui/App.h"
#include "gui/LineBreaker.h"
#include "gui/sdl/PaintedPictures.h"
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

Rect Intersect(Rect a, Rect b) {
    const int x0 = std::max(a.x, b.x);
    const int y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.w, b.x + b.w);
    const int y1 = std::min(a.y + a.h, b.y + b.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

SDL_Rect ToSdl(Rect r) {
    return {r.x, r.y, r.w, r.h};
}

// Lines of a single-line draw: only explicit line breaks break.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == text.npos ? text.npos : end - start));
        if (end == text.npos)
            return lines;
        start = end + 1;
    }
}

} // namespace

SdlCanvas::SdlCanvas(TextRenderer& text, App* app, PaintedPictures* painted)
    : text_(text), app_(app), painted_(painted) {}

void SdlCanvas::SetTarget(SDL_Surface* target, Letterbox box) {
    target_ = target;
    box_ = box;
    scaler_.SetScale(box.scale);
    EndScreen();
}

void SdlCanvas::BeginScreen(Rect bounds, const void* owner) {
    origin_ = {bounds.x, bounds.y};
    shiftX_ = shiftY_ = 0;
    owner_ = owner;
    SetClip(Intersect(box_.ToWindow(bounds), box_.ToWindow({0, 0, kDesignWidth, kDesignHeight})));
}

void SdlCanvas::EndScreen() {
    origin_ = {};
    shiftX_ = shiftY_ = 0;
    owner_ = nullptr;
    SetClip(box_.ToWindow({0, 0, kDesignWidth, kDesignHeight}));
}

void SdlCanvas::SetClip(Rect surfaceArea) {
    if (!target_)
        return;
    clip_ = Intersect(surfaceArea, {0, 0, target_->w, target_->h});
    const SDL_Rect r = ToSdl(clip_);
    SDL_SetClipRect(target_, &r);
}

void SdlCanvas::Clear(Color color) {
    if (!target_)
        return;
    SDL_SetClipRect(target_, nullptr);
    SDL_FillRect(target_, nullptr, SDL_MapRGBA(target_->format, color.r, color.g, color.b, 255));
    const SDL_Rect r = ToSdl(clip_);
    SDL_SetClipRect(target_, &r);
}

Rect SdlCanvas::Map(Rect area) const {
    return box_.ToWindow({area.x + origin_.x, area.y + origin_.y, area.w, area.h}, shiftX_,
                         shiftY_);
}

void SdlCanvas::ShiftDrawing(double dx, double dy) {
    shiftX_ = dx;
    shiftY_ = dy;
}

void SdlCanvas::BlendFill(Rect area, Color color) {
    const Rect r = Intersect(area, clip_);
    if (r.w <= 0 || r.h <= 0)
        return;
    const std::uint32_t a = color.a;
    SDL_LockSurface(target_);
    for (int y = r.y; y < r.y + r.h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target_->pixels) +
                                                     static_cast<std::size_t>(y) * target_->pitch);
        for (int x = r.x; x < r.x + r.w; ++x) {
            const std::uint32_t p = row[x];
            auto mix = [&](std::uint32_t under, std::uint32_t over) {
                return (over * a + under * (255 - a) + 127) / 255;
            };
            row[x] = 0xFF000000u | (mix((p >> 16) & 0xFF, color.r) << 16) |
                     (mix((p >> 8) & 0xFF, color.g) << 8) | mix(p & 0xFF, color.b);
        }
    }
    SDL_UnlockSurface(target_);
}

void SdlCanvas::FinishFrame(const std::vector<const void*>& shown) {
    scaler_.GiveBackHidden(shown);
    if (painted_)
        painted_->Rest();
}

void SdlCanvas::FillRect(Rect area, Color color) {
    if (!target_ || color.a == 0 || area.w <= 0 || area.h <= 0)
        return;
    const Rect r = Map(area);
    if (color.a < 255) {
        BlendFill(r, color);
        return;
    }
    SDL_Rect sr = ToSdl(r);
    SDL_FillRect(target_, &sr, SDL_MapRGBA(target_->format, color.r, color.g, color.b, 255));
}

void SdlCanvas::FrameRect(Rect area, Color color) {
    if (area.w <= 0 || area.h <= 0)
        return;
    FillRect({area.x, area.y, area.w, 1}, color);
    FillRect({area.x, area.y + area.h - 1, area.w, 1}, color);
    FillRect({area.x, area.y + 1, 1, area.h - 2}, color);
    FillRect({area.x + area.w - 1, area.y + 1, 1, area.h - 2}, color);
}

SDL_Surface* SdlCanvas::Scaled(const Picture& picture, Rect area) {
    if (picture.width < area.w || picture.height < area.h)
        ++enlargedDraws_;
    return scaler_.Get(picture, area.w, area.h, owner_);
}

SDL_Surface* SdlCanvas::PictureFor(std::string_view designPath, Rect area) {
    // At the design's own scale the files are drawn as they are.
    if (painted_ && paintAtSize_ && box_.scale != 1.0) {
        if (SDL_Surface* kept = scaler_.Find(designPath, area.w, area.h, owner_))
            return kept;
        if (auto picture = painted_->Load(designPath, area.w, area.h))
            return scaler_.Keep(designPath, std::move(picture), owner_);
    }
    const auto picture = app_->LoadPicture(designPath);
    return picture ? Scaled(*picture, area) : nullptr;
}

void SdlCanvas::DrawPicture(const Picture& picture, Rect dst) {
    if (!target_ || dst.w <= 0 || dst.h <= 0)
        return;
    const Rect r = Map(dst);
    SDL_Surface* scaled = Scaled(picture, r);
    if (!scaled)
        return;
    SDL_Rect to = ToSdl(r);
    SDL_BlitSurface(scaled, nullptr, target_, &to);
}

void SdlCanvas::DrawPictureFile(std::string_view designPath, Rect dst) {
    if (!app_ || !target_ || dst.w <= 0 || dst.h <= 0)
        return;
    const Rect r = Map(dst);
    SDL_Surface* picture = PictureFor(designPath, r);
    if (!picture)
        return;
    SDL_Rect to = ToSdl(r);
    SDL_BlitSurface(picture, nullptr, target_, &to);
}

void SdlCanvas::DrawRoundedPictureFile(std::string_view designPath, Rect dst, int cornerRadius) {
    if (!app_ || !target_ || dst.w <= 0 || dst.h <= 0)
        return;
    const Rect r = Map(dst);
    SDL_Surface* scaled = PictureFor(designPath, r);
    if (!scaled)
        return;
    const int radius = std::clamp(static_cast<int>(std::lround(cornerRadius * box_.scale)), 0,
                                  std::min(r.w, r.h) / 2);
    // Everything but the four corner squares goes through SDL's blit: the full-width middle
    // band, then the top and bottom bands between the corners.
    const Rect bands[] = {{0, radius, r.w, r.h - 2 * radius},
                          {radius, 0, r.w - 2 * radius, radius},
                          {radius, r.h - radius, r.w - 2 * radius, radius}};
    for (const Rect& band : bands) {
        if (band.w <= 0 || band.h <= 0)
            continue;
        SDL_Rect from = ToSdl(band);
        SDL_Rect to{r.x + band.x, r.y + band.y, band.w, band.h};
        SDL_BlitSurface(scaled, &from, target_, &to);
    }
    if (radius == 0)
        return;
    for (const Point corner : {Point{0, 0}, Point{r.w - radius, 0}, Point{0, r.h - radius},
                               Point{r.w - radius, r.h - radius}})
        BlendCorner(scaled, r, corner, radius);
}

void SdlCanvas::BlendCorner(SDL_Surface* scaled, Rect to, Point corner, int radius) {
    // The centre of this corner's arc, in the picture's pixels.
    const double cx = corner.x == 0 ? radius : to.w - radius;
    const double cy = corner.y == 0 ? radius : to.h - radius;
    SDL_LockSurface(scaled);
    SDL_LockSurface(target_);
    for (int y = corner.y; y < corner.y + radius; ++y) {
        const int ty = to.y + y;
        if (ty < clip_.y || ty >= clip_.y + clip_.h)
            continue;
        const auto* from = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(scaled->pixels) +
            static_cast<std::size_t>(y) * scaled->pitch);
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target_->pixels) +
                                                     static_cast<std::size_t>(ty) * target_->pitch);
        for (int x = corner.x; x < corner.x + radius; ++x) {
            const int tx = to.x + x;
            if (tx < clip_.x || tx >= clip_.x + clip_.w)
                continue;
            // Share of the pixel inside the arc, from its centre's distance to the edge.
            const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const double inside = std::clamp(radius - distance + 0.5, 0.0, 1.0);
            const std::uint32_t p = from[x];
            const auto a = static_cast<std::uint32_t>(std::lround(inside * (p >> 24)));
            if (a == 0)
                continue;
            const std::uint32_t under = row[tx];
            auto mix = [a](std::uint32_t below, std::uint32_t over) {
                return (over * a + below * (255 - a) + 127) / 255;
            };
            row[tx] = 0xFF000000u | (mix((under >> 16) & 0xFF, (p >> 16) & 0xFF) << 16) |
                      (mix((under >> 8) & 0xFF, (p >> 8) & 0xFF) << 8) |
                      mix(under & 0xFF, p & 0xFF);
        }
    }
    SDL_UnlockSurface(target_);
    SDL_UnlockSurface(scaled);
}

std::vector<std::string> SdlCanvas::Lines(std::string_view text, const FontSpec& font, int width,
                                          bool wordWrap) {
    if (!wordWrap)
        return SplitLines(text);
    return BreakLines(text, width, [&](std::string_view t) {
        return text_.Width(t, font.sizePx, font.bold, font.face);
    });
}

int SdlCanvas::ScaledSize(const FontSpec& font) const {
    return std::max(1, static_cast<int>(std::lround(font.sizePx * box_.scale)));
}

int SdlCanvas::TextHeight(std::string_view text, const FontSpec& font, int width, bool wordWrap) {
    if (text.empty())
        return 0;
    const auto lines = Lines(text, font, width, wordWrap);
    const int surfaceHeight =
        static_cast<int>(lines.size()) * text_.LineHeight(ScaledSize(font), font.bold, font.face);
    return static_cast<int>(std::lround(surfaceHeight / box_.scale));
}

void SdlCanvas::DrawText(std::string_view text, const FontSpec& font, Rect box, Align align,
                         bool wordWrap) {
    if (!target_ || text.empty())
        return;
    const auto lines = Lines(text, font, box.w, wordWrap);
    const int sizePx = ScaledSize(font);
    const int lineHeight = text_.LineHeight(sizePx, font.bold, font.face);
    const Rect area = Map(box);
    const Rect savedClip = clip_;
    if (wordWrap)
        SetClip(Intersect(area, savedClip));
    int y = area.y;
    for (const std::string& line : lines) {
        if (SDL_Surface* rendered = text_.Render(line, sizePx, font.bold, font.color, font.face)) {
            int x = area.x;
            if (align == Align::Center)
                x += (area.w - rendered->w) / 2;
            else if (align == Align::Right)
                x += area.w - rendered->w;
            SDL_Rect to{x, y, rendered->w, rendered->h};
            SDL_BlitSurface(rendered, nullptr, target_, &to);
        }
        y += lineHeight;
    }
    if (wordWrap)
        SetClip(savedClip);
}

} // namespace quorvel
