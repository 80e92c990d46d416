// Text through SDL2_ttf in the game's two faces: finds the Ming face with fontconfig (a CJK
// fallback when it is missing) and the sans face of the generated pictures (the Ming face
// stands in for it when it is missing), keeps one opened font per face, size and weight,
// measures text and renders it to ARGB surfaces, the most recent of which are kept for
// repaints. Needs no window.
#pragma once

#include "gui/Canvas.h"
#include "gui/Geometry.h"

#include <cstdint>
#include <list>
#include <map>
#include <optional>
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
    bool boldDrawn = false; // the face is a bold cut: bold text needs no emboldening
};

// The Ming face, else any Traditional (then any) Chinese face fontconfig knows; throws
// std::runtime_error with a message for the user when there is none.
FontFace FindTextFace();
// The regular and bold cuts of the sans face the game's pictures are drawn in; nullopt when
// fontconfig has no such face.
struct SansFaces {
    FontFace regular;
    FontFace bold;
};
std::optional<SansFaces> FindSansFaces();

class TextRenderer {
public:
    // Opens the faces found by FindTextFace() and FindSansFaces().
    TextRenderer();
    // Without sans faces, text asked for in the sans face is drawn in `face`.
    explicit TextRenderer(FontFace face, std::optional<SansFaces> sans = std::nullopt);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    const FontFace& Face() const { return face_; }
    // Width of one line of text [px] at a character height of `sizePx`.
    int Width(std::string_view text, int sizePx, bool bold, Typeface face = Typeface::Ming);
    // Distance from one line to the next [px].
    int LineHeight(int sizePx, bool bold, Typeface face = Typeface::Ming);
    // The rendered line (straight-alpha ARGB), owned by the renderer; use it before the next
    // call to Render. nullptr for empty text.
    SDL_Surface* Render(std::string_view text, int sizePx, bool bold, Color color,
                        Typeface face = Typeface::Ming);

private:
    TTF_Font* Font(int sizePx, bool bold, Typeface face = Typeface::Ming);

    using FontKey = std::tuple<bool, Typeface>;
    using RenderKey = std::tuple<std::string, int, bool, std::uint32_t, Typeface>;
    FontFace face_;
    std::optional<SansFaces> sans_;
    // The open faces by weight and typeface, each at the size it was last asked for.
    struct OpenFont {
        TTF_Font* font;
        int sizePx;
    };
    std::map<FontKey, OpenFont> fonts_;
    // Recently rendered lines, most recent first, bounded by kKeptLines and by their pixels,
    // which on a large screen are many times those of the same lines at 800x600 [bytes].
    static constexpr std::size_t kKeptLines = 512;
    static constexpr std::size_t kKeptBytes = 16u << 20;
    std::size_t keptBytes_ = 0;
    std::list<std::pair<RenderKey, SDL_Surface*>> recent_;
    std::map<RenderKey, std::list<std::pair<RenderKey, SDL_Surface*>>::iterator> recentIndex_;
};

} // namespace quorvel
