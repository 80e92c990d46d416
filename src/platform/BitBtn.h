// A bitmap button (TBitBtn): a raised button face with a caption, pressed-in while held. The
// face may instead be drawn from two pictures, at rest and pressed, with the caption over it.
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
    // Pictures by design path, stretched over the button, in place of the raised face.
    void SetPictures(std::string resting, std::string pressed);
    // The face picture showing now, "" for the raised face; not reported as PicturePath:
    // scripts print a button by its caption.
    const std::string& FacePicture() const { return down_ ? pressed_ : resting_; }

    void Paint(Canvas& canvas) const override;
    void Pressed(MouseButton button) override;
    void Released(MouseButton button) override;

private:
    void PaintCaption(Canvas& canvas, Rect r) const;

    std::string caption_;
    FontSpec font_{14, false, colors::kBlack};
    std::string resting_;
    std::string pressed_;
    bool down_ = false;
};

} // namespace quorvel
