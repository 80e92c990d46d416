// A bitmap button (TBitBtn): a raised button face with a caption, pressed-in while held.
#pragma once

#include "platform/Control.h"

#include <string>

namespace quorvel {

class BitBtn : public Control {
public:
    explicit BitBtn(std::string name);

    void SetCaption(std::string caption);
    const std::string& Caption() const { return caption_; }
    std::string Text() const override { return caption_; }
    void SetFont(const FontSpec& font) { font_ = font; }

    void Paint(Canvas& canvas) const override;
    void Pressed(MouseButton button) override;
    void Released(MouseButton button) override;

private:
    std::string caption_;
    FontSpec font_{14, false, colors::kBlack};
    bool down_ = false;
};

} // namespace quorvel
