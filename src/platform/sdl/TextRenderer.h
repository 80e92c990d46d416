// Text in the Ming face through SDL2_ttf: finds the face with fontconfig (a CJK fallback when
// it is missing), keeps one opened font per size and weight, measures text and renders it to
// ARGB surfaces, the most recent of which are kept for repaints. Needs no window.
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

namespace quorvel {

struct FontFace {
    std::string file;
    int index = 0; // face in a collection file
    std::string family;
};

// The Ming face, else any Traditional (then any) Chinese face fontconfig knows; throws
// std::runtime_error with a message for the user when there is none.
FontFace FindTextFace();

class TextRenderer {
public:
    // Opens the face found by FindTextFace().
    TextRenderer();
    explicit TextRenderer(FontFace face);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    const FontFace& Face() const { return face_; }
    // Width of one line of text [px] at a character height of `sizePx`.
    int Width(std::string_view text, int sizePx, bool bold);
    // Distance from one line to the next [px].
    int LineHeight(int sizePx, bool bold);
    // The rendered line (straight-alpha ARGB), owned by the renderer; use it before the next
    // call to Render. nullptr for empty text.
    SDL_Surface* Render(std::string_view text, int sizePx, bool bold, Color color);

private:
    TTF_Font* Font(int sizePx, bool bold);

    using RenderKey = std::tuple<std::string, int, bool, std::uint32_t>;
    FontFace face_;
    std::map<std::pair<int, bool>, TTF_Font*> fonts_;
    // Recently rendered lines, most recent first, bounded by kKeptLines.
    static constexpr std::size_t kKeptLines = 512;
    std::list<std::pair<RenderKey, SDL_Surface*>> recent_;
    std::map<RenderKey, std::list<std::pair<RenderKey, SDL_Surface*>>::iterator> recentIndex_;
};

} // namespace quorvel
