// The bitmap button's faces, pressed look and caption.
#include "gui/BitBtn.h"

#include "gui/TextExtent.h"

namespace quorvel {

BitBtn::BitBtn(std::string name) : Control(std::move(name)) {}

// The face looks pressed in while the left button holds it.
void BitBtn::Pressed(MouseButton button) {
    if (button == MouseButton::Left) {
        down_ = true;
        Invalidate();
    }
}

void BitBtn::Released(MouseButton) {
    down_ = false;
    Invalidate();
}

void BitBtn::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void BitBtn::SetColours(const Colours& colours) {
    flat_ = true;
    colours_ = colours;
    Invalidate();
}

void BitBtn::SetPictures(std::string resting, std::string pressed) {
    resting_ = std::move(resting);
    pressed_ = std::move(pressed);
    Invalidate();
}

void BitBtn::Paint(Canvas& canvas) const {
    const Rect r = ScreenRect();
    if (flat_) {
        canvas.FillRect(r, down_ ? colours_.pressed : colours_.face);
        canvas.FrameRect(r, colours_.frame);
        FontSpec font = font_;
        if (!Enabled())
            font.color = colours_.disabledText;
        PaintCaption(canvas, r, font);
        return;
    }
    if (!resting_.empty()) {
        canvas.DrawPictureFile(down_ ? pressed_ : resting_, r);
        PaintCaption(canvas, r, font_);
        return;
    }
    const Color face{212, 208, 200};
    const Color light{255, 255, 255};
    const Color dark{128, 128, 128};
    canvas.FillRect(r, face);
    canvas.FillRect({r.x, r.y, r.w, 1}, down_ ? dark : light);
    canvas.FillRect({r.x, r.y, 1, r.h}, down_ ? dark : light);
    canvas.FillRect({r.x, r.y + r.h - 1, r.w, 1}, down_ ? light : dark);
    canvas.FillRect({r.x + r.w - 1, r.y, 1, r.h}, down_ ? light : dark);
    PaintCaption(canvas, r, font_);
}

std::optional<Rect> BitBtn::CaptionArea() const {
    if (caption_.empty())
        return std::nullopt;
    return TextLineArea(caption_, font_.sizePx, ScreenRect(), Align::Center, true);
}

void BitBtn::PaintCaption(Canvas& canvas, Rect r, const FontSpec& font) const {
    // The caption's line is centred in the button, whatever the face's line height.
    const int shift = down_ ? 1 : 0;
    const int line = canvas.TextHeight(caption_, font, r.w, false);
    const Rect text{r.x + shift, r.y + (r.h - line) / 2 + shift, r.w, line};
    canvas.DrawText(caption_, font, text, Align::Center, false);
}

} // namespace quorvel
