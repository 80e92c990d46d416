// Pictures for headless runs without a data folder: every path loads the same small grey
// picture, so the screens lay out and draw without the generated artwork.
#pragma once

#include "gui/PictureSource.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorvel::scenario {

class MadeUpPictures final : public PictureSource {
public:
    std::shared_ptr<const Picture> Load(std::string_view, std::string&) override {
        return picture_;
    }

private:
    std::shared_ptr<const Picture> picture_ = [] {
        auto p = std::make_shared<Picture>();
        p->width = p->height = 8;
        p->pixels.assign(64, 0xFF808080u);
        return p;
    }();
};

} // namespace quorvel::scenario
