// Where pictures come from. The game's source resolves the design paths ("picture\gif\x.gif")
// under the data folder and decodes each file once; tests can supply pictures from memory.
#pragma once

#include "platform/Picture.h"

#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

class PictureSource {
public:
    virtual ~PictureSource() = default;
    // The picture for a design path, or nullptr with `error` saying why (the file named).
    virtual std::shared_ptr<const Picture> Load(std::string_view designPath,
                                                std::string& error) = 0;
};

} // namespace quorvel
