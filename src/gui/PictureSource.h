// Where pictures come from. The game's source resolves the design paths ("picture\gif\x.gif")
// under the data folder and decodes a file only when it is drawn; tests can supply pictures
// from memory.
#pragma once

#include "gui/Picture.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct PictureSize {
    int width = 0;  // [px]
    int height = 0; // [px]
};

class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture for a design path, or nullptr with `error` saying why (the file named).
    virtual std::shared_ptr<const Picture> Load(std::string_view designPath,
                                                std::string& error) = 0;
    // The size of the picture, or nothing with `error` saying why. A source that can read
    // the size from the file's header does so without decoding the pixels; this one decodes.
    virtual std::optional<PictureSize> Measure(std::string_view designPath, std::string& error) {
        const auto picture = Load(designPath, error);
        if (!picture)
            return std::nullopt;
        return PictureSize{picture->width, picture->height};
    }
};

} // namespace quorvel
