// A small window that shows a start-up error in the game's Chinese face.
#include "gui/sdl/ErrorWindow.h"

#include "gui/LineBreaker.h"
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <exception>
#include <memory>
#include <string_view>

namespace quorvel {

namespace {

constexpr int kWidth = 520;   // [px]
constexpr int kHeight = 200;  // [px]
constexpr int kMargin = 20;   // [px]
constexpr int kTextSize = 16; // [px]
constexpr Color kText{255, 255, 255, 255};
constexpr Color kHint{200, 200, 200, 255};

bool HasDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::string_view(driver) != "offscreen" && std::string_view(driver) != "dummy";
}

void Draw(SDL_Window* window, TextRenderer& text, const std::string& message) {
    SDL_Surface* screen = SDL_GetWindowSurface(window);
    if (!screen)
        return;
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 120, 0, 0));
    const auto lines = BreakLines(message, kWidth - 2 * kMargin, [&](std::string_view t) {
        return text.Width(t, kTextSize, false);
    });
    int y = kMargin;
    for (const std::string& line : lines) {
        if (SDL_Surface* rendered = text.Render(line, kTextSize, false, kText)) {
            SDL_Rect to{kMargin, y, rendered->w, rendered->h};
            SDL_BlitSurface(rendered, nullptr, screen, &to);
        }
        y += text.LineHeight(kTextSize, false);
    }
    if (SDL_Surface* hint =
            text.Render("按任意鍵關閉 (press any key to close)", 13, false, kHint)) {
        SDL_Rect to{kMargin, kHeight - kMargin - hint->h, hint->w, hint->h};
        SDL_BlitSurface(hint, nullptr, screen, &to);
    }
    SDL_UpdateWindowSurface(window);
}

} // namespace

std::string AsciiPart(const std::string& text) {
    std::string out;
    for (unsigned char c : text)
        if (c < 0x80 && !(c == ' ' && (out.empty() || out.back() == ' ')))
            out.push_back(static_cast<char>(c));
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool ShowStartupError(const std::string& text) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return false;
    bool shown = false;
    if (HasDisplay()) {
        std::unique_ptr<TextRenderer> renderer;
        try {
            renderer = std::make_unique<TextRenderer>();
        } catch (const std::exception&) {
            // No Chinese face: the plain box can still show the English part.
        }
        SDL_Window* window = renderer ? SDL_CreateWindow("Quorvel", SDL_WINDOWPOS_CENTERED,
                                                         SDL_WINDOWPOS_CENTERED, kWidth, kHeight, 0)
                                      : nullptr;
        if (window) {
            shown = true;
            Draw(window, *renderer, text);
            for (SDL_Event event; SDL_WaitEvent(&event);) {
                if (event.type == SDL_QUIT || event.type == SDL_KEYDOWN ||
                    event.type == SDL_MOUSEBUTTONUP ||
                    (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE))
                    break;
                if (event.type == SDL_WINDOWEVENT)
                    Draw(window, *renderer, text);
            }
            SDL_DestroyWindow(window);
        } else {
            shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Quorvel",
                                             AsciiPart(text).c_str(), nullptr) == 0;
        }
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return shown;
}

} // namespace quorvel
