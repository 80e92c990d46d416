// A panel (TPanel): a plain box that holds other controls; hiding it hides them all. It may
// show a picture stretched over its box instead of the plain face.
#pragma once

#include "gui/Control.h"

#include <string>

namespace quorvel {

class Panel : public Control {
public:
    explicit Panel(std::string name);

    void SetColor(Color color) { color_ = color; }
    void SetBevel(bool bevel) { bevel_ = bevel; }
    // A picture by its design path drawn over the box instead of the face and bevel.
    void SetPicture(std::string designPath);
    // Not reported as PicturePath: scripts print a panel as a plain box.
    const std::string& Picture() const { return picture_; }
    void Paint(Canvas& canvas) const override;

private:
    Color color_{212, 208, 200};
    bool bevel_ = true;
    std::string picture_;
};

} // namespace quorvel
