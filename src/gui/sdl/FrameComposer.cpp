// Frame composition, headless rendering and BMP output.
#include "gui/sdl/FrameComposer.h"

#include "gui/App.h"
#include "gui/Screen.h"
#include "gui/sdl/SdlCanvas.h"
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>
#include <iostream>

namespace quorvel {

namespace {
// The notice strip: one line per notice [layout px].
constexpr int kNoticeLine = 20;
constexpr FontSpec kNoticeFont{14, true, colors::kWhite};
constexpr Color kNoticeBack{120, 0, 0, 230};
// A short note: a box in the middle near the top, in the colours of the game's dialogs.
constexpr FontSpec kNoteFont{16, true, Color{255, 230, 150}};
constexpr Color kNoteBack{18, 32, 58, 235};
constexpr Color kNoteFrame{214, 170, 72};
constexpr int kNoteTop = 64;    // [layout px]
constexpr int kNoteHeight = 30; // [layout px]
// The keyboard focus: a double frame around the button, the colour of the key tags.
constexpr Color kFocusFrame{255, 214, 102};

int NoteWidth(std::string_view text) {
    int wide = 0;
    int narrow = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        (c >= 0x80 ? wide : narrow) += 1;
    }
    return wide * kNoteFont.sizePx + narrow * kNoteFont.sizePx / 2 + 40;
}
} // namespace

std::optional<Rect> FocusRect(const App& app) {
    const Screen* screen = app.ActiveScreen();
    const Control* focus = screen ? screen->Focus() : nullptr;
    if (!focus || !focus->Showing())
        return std::nullopt;
    Rect r = focus->ScreenRect();
    r.x += screen->Bounds().x;
    r.y += screen->Bounds().y;
    return r;
}

void ComposeFrame(App& app, SdlCanvas& canvas, std::string_view composing) {
    canvas.Clear(colors::kBlack);
    std::vector<const void*> shown;
    for (Screen* screen : app.ShownScreens()) {
        canvas.BeginScreen(screen->Bounds(), screen);
        screen->Paint(canvas);
        shown.push_back(screen);
    }
    canvas.EndScreen();
    canvas.FinishFrame(shown);
    if (const Control* focus = app.KeyFocus()) {
        Rect r = focus->ScreenRect();
        const Rect screen = focus->Owner()->Bounds();
        r.x += screen.x;
        r.y += screen.y;
        canvas.FrameRect({r.x - 2, r.y - 2, r.w + 4, r.h + 4}, kFocusFrame);
        canvas.FrameRect({r.x - 3, r.y - 3, r.w + 6, r.h + 6}, kFocusFrame);
    }
    if (const auto focus = FocusRect(app); focus && !composing.empty()) {
        const Rect box{focus->x, focus->y + focus->h + 2, std::max(focus->w, 120), 20};
        canvas.FillRect(box, colors::kWhite);
        canvas.FrameRect(box, colors::kBlack);
        canvas.DrawText(composing, {14, false, colors::kBlack},
                        {box.x + 3, box.y + 3, box.w - 6, 16}, Align::Left, false);
    }
    int y = 0;
    for (const Notice& notice : app.CurrentNotices()) {
        canvas.FillRect({0, y, kDesignWidth, kNoticeLine}, kNoticeBack);
        canvas.DrawText(notice.text, kNoticeFont, {6, y + 3, kDesignWidth - 12, kNoticeLine - 3},
                        Align::Left, false);
        y += kNoticeLine;
    }
    if (const auto note = app.CurrentNote()) {
        const int w = NoteWidth(note->text);
        const Rect box{(kDesignWidth - w) / 2, std::max(kNoteTop, y + 4), w, kNoteHeight};
        canvas.FillRect(box, kNoteBack);
        canvas.FrameRect(box, kNoteFrame);
        canvas.DrawText(note->text, kNoteFont, {box.x, box.y + 6, box.w, kNoteHeight - 8},
                        Align::Center, false);
    }
}

FrameRenderer::FrameRenderer(App& app, TextRenderer& text, int width, int height,
                             PaintedPictures* painted)
    : app_(app), canvas_(std::make_unique<SdlCanvas>(text, &app, painted)),
      surface_(SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1), 32,
                                              SDL_PIXELFORMAT_ARGB8888)) {}

FrameRenderer::~FrameRenderer() {
    SDL_FreeSurface(surface_);
}

int FrameRenderer::EnlargedDraws() const {
    return canvas_->EnlargedDraws();
}

Picture FrameRenderer::Render() {
    Picture frame;
    if (!surface_)
        return frame;
    canvas_->SetTarget(surface_, Letterbox::Fit(surface_->w, surface_->h));
    ComposeFrame(app_, *canvas_);
    frame.width = surface_->w;
    frame.height = surface_->h;
    frame.pixels.resize(static_cast<std::size_t>(frame.width) * frame.height);
    for (int y = 0; y < frame.height; ++y)
        std::memcpy(&frame.pixels[static_cast<std::size_t>(y) * frame.width],
                    static_cast<const std::uint8_t*>(surface_->pixels) +
                        static_cast<std::size_t>(y) * surface_->pitch,
                    static_cast<std::size_t>(frame.width) * 4);
    return frame;
}

Picture RenderScreens(App& app, TextRenderer& text) {
    return FrameRenderer(app, text, kDesignWidth, kDesignHeight).Render();
}

bool SaveBmp(const Picture& picture, const std::string& path) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(picture.pixels.data()), picture.width, picture.height, 32,
        picture.width * 4, SDL_PIXELFORMAT_ARGB8888);
    const bool ok = surface && SDL_SaveBMP(surface, path.c_str()) == 0;
    if (!ok)
        std::cerr << "quorvel: cannot write " << path << ": " << SDL_GetError() << '\n';
    SDL_FreeSurface(surface);
    return ok;
}

} // namespace quorvel
