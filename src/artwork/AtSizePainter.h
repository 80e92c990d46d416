// The painters as the game runs them: one picture of the asset catalogue painted at the pixels
// it covers on the screen. Its identity is a hash of the painters' sources made by the build,
// which the generator also writes into the data folder's list of painted files.
#pragma once

#include "gui/PicturePainter.h"

namespace artwork {

// The identity of this build's painters.
std::string_view ArtworkIdentity();

class AtSizePainter final : public quorvel::PicturePainter {
public:
    // Looks up the typefaces the painters write in.
    AtSizePainter();

    std::string_view Identity() const override { return ArtworkIdentity(); }
    bool Ready() const override { return facesInstalled_; }
    std::optional<quorvel::Picture> Paint(std::string_view designPath, int width,
                                          int height) override;
    void Rest() override;

    // Whether fontconfig has the family itself, not a stand-in for it.
    static bool FamilyInstalled(const char* family);
    // Whether the faces the painters write in are installed.
    static bool FacesInstalled();

private:
    bool facesInstalled_;
};

} // namespace artwork
