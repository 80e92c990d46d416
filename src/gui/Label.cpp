#include "gui/Label.h"

#include "gui/TextExtent.h"

namespace quorvel {

Label::Label(std::string name) : Control(std::move(name)) {}

void Label::SetCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    Fit();
    Invalidate();
}

void Label::SetFont(const FontSpec& font) {
    font_ = font;
    Fit();
    Invalidate();
}

void Label::Fit() {
    if (autoSize_ && !wordWrap_)
        SetSize(EstimatedTextWidth(caption_, font_.sizePx), font_.sizePx + 2);
}

std::optional<Rect> Label::CaptionArea() const {
    if (caption_.empty())
        return std::nullopt;
    // Wrapped text may fill its whole box.
    if (wordWrap_)
        return ScreenRect();
    return TextLineArea(caption_, font_.sizePx, ScreenRect(), align_,
                        layout_ == TextLayout::Center);
}

void Label::Paint(Canvas& canvas) const {
    Rect r = ScreenRect();
    if (!transparent_)
        canvas.FillRect(r, background_);
    if (caption_.empty())
        return;
    if (layout_ == TextLayout::Center) {
        // Lines taller than the box start at its top, as they would without centring.
        const int shift = (r.h - canvas.TextHeight(caption_, font_, r.w, wordWrap_)) / 2;
        if (shift > 0) {
            r.y += shift;
            r.h -= shift;
        }
    }
    canvas.DrawText(caption_, font_, r, align_, wordWrap_);
}

} // namespace quorvel
