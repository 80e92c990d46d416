// A text label (TLabel): UTF-8 caption in the Ming face at a given size, bold or not, in a
// colour, on a transparent or coloured box, aligned and optionally word-wrapped in its box.
#pragma once

#include "gui/Control.h"

#include <string>

namespace quorvel {

class Label : public Control {
public:
    explicit Label(std::string name);

    void SetCaption(std::string caption);
    const std::string& Caption() const { return caption_; }
    std::string Text() const override { return caption_; }
    std::optional<Rect> CaptionArea() const override;

    void SetFont(const FontSpec& font);
    const FontSpec& Font() const { return font_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    void SetBackgroundColor(Color color) { background_ = color; }
    void SetAlignment(Align align) { align_ = align; }
    void SetWordWrap(bool wrap) { wordWrap_ = wrap; }
    // Whether the lines sit at the top of the box or in its middle.
    void SetLayout(TextLayout layout) { layout_ = layout; }
    // Without a fixed box the label grows with its caption (estimated from the font size).
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }

    void Paint(Canvas& canvas) const override;

private:
    void Fit();

    std::string caption_;
    FontSpec font_;
    bool transparent_ = true;
    Color background_ = colors::kWhite;
    Align align_ = Align::Left;
    bool wordWrap_ = false;
    TextLayout layout_ = TextLayout::Top;
    bool autoSize_ = true;
};

} // namespace quorvel
