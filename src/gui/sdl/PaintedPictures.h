// Pictures painted at the size they are shown, for a screen drawn at another scale than its
// 800x600 layout. A picture is painted only while its data-folder file is the one the same
// painters drew (the data folder's painted.txt names the painters and a hash of each file);
// a file a player replaced, or data from other painters, is shown from the file instead. What
// is painted is kept in the disk cache, and read from there the next time.
#pragma once

#include "gui/PaintedManifest.h"
#include "gui/PicturePainter.h"
#include "gui/sdl/PictureDiskCache.h"
#include "system/DataFiles.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace quorvel {

class PaintedPictures {
public:
    // `painter` may be nullptr (nothing is painted); `cacheFolder` may be empty (nothing is
    // kept between runs).
    PaintedPictures(DataFiles& files, PicturePainter* painter,
                    std::filesystem::path cacheFolder = {});

    // The picture at exactly `width` x `height` [px], or nullptr when it is to come from its
    // file.
    std::shared_ptr<const Picture> Load(std::string_view designPath, int width, int height);

    // Whether a design path is painted rather than shown from its file.
    bool Paints(std::string_view designPath);
    // After a frame: the painter gives back what it keeps, if it painted since the last one.
    void Rest();
    int PaintedCount() const { return painted_; }
    const PictureDiskCache& Cache() const { return cache_; }

private:
    // What is known of a design path: whether it is painted, and the cache key's stem.
    struct Verdict {
        bool paints = false;
        std::string key; // folded path, painters and file hash
    };
    const Verdict& Judge(std::string_view designPath);
    // The data folder's manifest when it is whole and names these painters; read once.
    const PaintedManifest* Manifest();

    DataFiles& files_;
    PicturePainter* painter_;
    PictureDiskCache cache_;
    bool manifestRead_ = false;
    std::optional<PaintedManifest> manifest_;
    std::map<std::string, Verdict, std::less<>> verdicts_; // by design path as asked
    int painted_ = 0;
    bool rested_ = true;
};

} // namespace quorvel
