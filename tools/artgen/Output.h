// The data folder being written: every picture and sound goes through here, is checked against
// the asset catalogue (known name, intended size, written once) and lands under its design path.
#pragma once

#include "Art.h"
#include "ImageFiles.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace artgen {

class Output {
public:
    explicit Output(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    // Writes a picture by the extension of its design path (.gif, .jpg, .bmp).
    void Picture(std::string_view designPath, const Surface& s, const GifOptions& gif = {});
    // Writes 16-bit mono PCM samples as a WAV file at `rate` [Hz].
    void Sound(std::string_view designPath, const std::vector<short>& samples, int rate);
    // The file a design path is written to (directories created).
    std::string FileFor(std::string_view designPath);
    // Records a file written by someone else (a sound rendered outside).
    void Claim(std::string_view designPath);

    // Catalogue entries not written, and problems met; both empty on success.
    std::vector<std::string> Missing() const;
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    std::string dataDir_;
    std::set<std::string> written_;
    std::vector<std::string> problems_;
};

} // namespace artgen
