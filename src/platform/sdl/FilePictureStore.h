// The game's picture source: resolves a game path under the data folder, decodes the file
// once and keeps the result (and any failure) for the rest of the run.
#pragma once

#include "platform/DataFiles.h"
#include "platform/PictureSource.h"

#include <map>
#include <string>

namespace quorvel {

class FilePictureStore final : public PictureSource {
public:
    explicit FilePictureStore(DataFiles& files) : files_(files) {}

    std::shared_ptr<const Picture> Load(std::string_view gamePath, std::string& error) override;

private:
    struct Entry {
        std::shared_ptr<const Picture> picture;
        std::string error;
    };
    DataFiles& files_;
    // Keyed by the resolved file, so every spelling of a name shares one decoded picture.
    std::map<std::string, Entry, std::less<>> byFile_;
};

} // namespace quorvel
