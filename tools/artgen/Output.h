// The data folder being written: every picture and sound goes through here, is checked against
// the asset catalogue (known name, intended size, written once) and lands under its design path.
// With a scale above 1 the pictures are painted that many times larger, in the same formats:
// the high-resolution masters a build could install instead of painting at run time.
#pragma once

#include "ImageFiles.h"
#include "artwork/Easel.h"
#include "gui/PaintedManifest.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace artgen {

class Output final : public artwork::Easel {
public:
    explicit Output(std::string dataDir, double scale = 1.0)
        : dataDir_(std::move(dataDir)), scale_(scale) {}

    bool Wants(std::string_view) const override { return true; }
    artwork::SurfaceSize SizeFor(std::string_view designPath, int width, int height) override;
    // Writes a picture by the extension of its design path (.gif, .jpg, .bmp).
    void Picture(std::string_view designPath, const Surface& s,
                 const GifOptions& gif = {}) override;
    // Writes 16-bit mono PCM samples as a WAV file at `rate` [Hz].
    void Sound(std::string_view designPath, const std::vector<short>& samples, int rate);
    // The file a design path is written to (directories created).
    std::string FileFor(std::string_view designPath);
    // Records a file written by someone else (a sound rendered outside).
    void Claim(std::string_view designPath);
    // Writes the list of the picture files painted, with their hashes and the painters'
    // identity, into the data folder (PaintedManifest).
    void WriteManifest();

    // Catalogue entries not written, and problems met; both empty on success.
    std::vector<std::string> Missing() const;
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    std::string dataDir_;
    double scale_;
    std::set<std::string> written_;
    quorvel::PaintedManifest manifest_;
    std::vector<std::string> problems_;
};

} // namespace artgen
