// The canvas of the SDL backend: paints into an ARGB8888 software surface at the output's
// scale. Text is rendered at the scaled pixel size; a picture is painted at the pixels it
// covers when its painters can paint it, and otherwise its file is filtered once per size.
// It counts the pictures it had to draw larger than they are. While a screen paints, its
// origin and clip follow the screen's place.
#pragma once

#include "gui/Canvas.h"
#include "gui/sdl/Letterbox.h"
#include "gui/sdl/PictureScaler.h"

#include <string>
#include <vector>

struct SDL_Surface;

namespace quorvel {

class App;
class PaintedPictures;
class TextRenderer;

class SdlCanvas final : public Canvas {
public:
    // `app` loads pictures by path and reports missing ones; may be nullptr (no such drawing).
    // `painted` paints pictures at their size when the output is scaled; may be nullptr.
    SdlCanvas(TextRenderer& text, App* app, PaintedPictures* painted = nullptr);

    // Where the next frame goes: an ARGB8888 surface and the design-to-surface fit.
    void SetTarget(SDL_Surface* target, Letterbox box);
    // Paints in the coordinates of a screen placed at `bounds` [layout px], clipped to it;
    // `owner` is the screen, which the scaled copies of its pictures are kept for.
    void BeginScreen(Rect bounds, const void* owner = nullptr);
    // After a frame showing the screens `shown`: hidden screens give back their copies, and
    // a painter that painted for the frame what it keeps for painting.
    void FinishFrame(const std::vector<const void*>& shown);
    std::size_t ScaledBytes() const { return scaler_.Bytes(); }
    // Pictures drawn larger than the picture they came from, since the canvas was made.
    int EnlargedDraws() const { return enlargedDraws_; }
    // Whether pictures are painted at their size (true unless the window is being resized:
    // its sizes then go by faster than pictures are painted, and the files stand in).
    void PaintAtSize(bool paint) { paintAtSize_ = paint; }
    // Back to whole-design coordinates, clipped to the design area.
    void EndScreen();
    // Fills the whole target, bars included.
    void Clear(Color color);

    void FillRect(Rect area, Color color) override;
    void FrameRect(Rect area, Color color) override;
    void DrawPicture(const Picture& picture, Rect dst) override;
    void DrawPictureFile(std::string_view designPath, Rect dst) override;
    void DrawRoundedPictureFile(std::string_view designPath, Rect dst, int cornerRadius) override;
    void DrawText(std::string_view text, const FontSpec& font, Rect box, Align align,
                  bool wordWrap) override;
    int TextHeight(std::string_view text, const FontSpec& font, int width, bool wordWrap) override;
    void ShiftDrawing(double dx, double dy) override;

private:
    // The lines of a text: laid out at the layout's size, so they break the same in every
    // window size.
    std::vector<std::string> Lines(std::string_view text, const FontSpec& font, int width,
                                   bool wordWrap);
    // The font size drawn at the output's scale [surface px].
    int ScaledSize(const FontSpec& font) const;
    // A rectangle in current coordinates → surface pixels.
    Rect Map(Rect area) const;
    void SetClip(Rect surfaceArea);
    void BlendFill(Rect surfaceArea, Color color);
    // Blends one corner square of a scaled picture placed at `to` [surface px], each pixel
    // weighted by how much of it lies inside the arc of `radius` [surface px].
    void BlendCorner(SDL_Surface* scaled, Rect to, Point corner, int radius);
    // The surface to draw a picture file from over `area` [surface px]: painted at that size,
    // or the file's picture scaled to it; nullptr when the file cannot be loaded.
    SDL_Surface* PictureFor(std::string_view designPath, Rect area);
    // Scales a picture to `area` [surface px], counting an enlargement.
    SDL_Surface* Scaled(const Picture& picture, Rect area);

    TextRenderer& text_;
    App* app_;
    PaintedPictures* painted_;
    bool paintAtSize_ = true;
    int enlargedDraws_ = 0;
    PictureScaler scaler_;
    SDL_Surface* target_ = nullptr;
    Letterbox box_;
    Point origin_;                   // [layout px]
    double shiftX_ = 0, shiftY_ = 0; // [layout px]
    const void* owner_ = nullptr;
    Rect clip_; // [surface px]
};

} // namespace quorvel
