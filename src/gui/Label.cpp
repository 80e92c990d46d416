#include "gui/Label.h"

namespace quorvel {

namespace {
// Display width of UTF-8 text in font-size units: CJK characters are square, others half.
int EstimatedWidth(std::string_view text, int sizePx) {
    int half = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        half += len >= 3 ? 2 : 1;
        i += len;
    }
    return (half * sizePx + 1) / 2;
}
} // namespace

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
        SetSize(EstimatedWidth(caption_, font_.sizePx), font_.sizePx + 2);
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
