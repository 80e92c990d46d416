// Judging which pictures are painted, and painting them through the disk cache.
#include "gui/sdl/PaintedPictures.h"

#include "gui/sdl/FileBytes.h"

#include <cstdio>

namespace quorvel {

namespace {
// No picture file of the game comes near this; a larger one is not the painters' [bytes].
constexpr std::size_t kMaxFileBytes = 64u << 20;
} // namespace

PaintedPictures::PaintedPictures(DataFiles& files, PicturePainter* painter,
                                 std::filesystem::path cacheFolder)
    : files_(files), painter_(painter), cache_(std::move(cacheFolder)) {}

const PaintedManifest* PaintedPictures::Manifest() {
    if (!manifestRead_) {
        manifestRead_ = true;
        std::vector<std::uint8_t> bytes;
        if (painter_ && painter_->Ready() &&
            ReadFileBytes(files_.Folder() / PaintedManifest::kFileName, PaintedManifest::kMaxBytes,
                          bytes))
            manifest_ = PaintedManifest::Parse(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        if (manifest_ && manifest_->painters != painter_->Identity())
            manifest_.reset();
    }
    return manifest_ ? &*manifest_ : nullptr;
}

const PaintedPictures::Verdict& PaintedPictures::Judge(std::string_view designPath) {
    if (auto it = verdicts_.find(designPath); it != verdicts_.end())
        return it->second;
    Verdict verdict;
    const PaintedManifest* manifest = Manifest();
    const auto expected = manifest ? manifest->HashOf(designPath) : std::nullopt;
    const auto file = expected ? files_.Resolve(designPath) : std::nullopt;
    std::vector<std::uint8_t> bytes;
    if (file && ReadFileBytes(*file, kMaxFileBytes, bytes) && ContentHash(bytes) == *expected) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(*expected));
        verdict.paints = true;
        verdict.key = FoldedDesignPath(designPath) + "|" + manifest->painters + "|" + hash;
    }
    return verdicts_.emplace(std::string(designPath), std::move(verdict)).first->second;
}

bool PaintedPictures::Paints(std::string_view designPath) {
    return Judge(designPath).paints;
}

void PaintedPictures::Rest() {
    if (rested_ || !painter_)
        return;
    painter_->Rest();
    rested_ = true;
}

std::shared_ptr<const Picture> PaintedPictures::Load(std::string_view designPath, int width,
                                                     int height) {
    if (!painter_ || !PictureSizeFits(width, height))
        return nullptr;
    const Verdict& verdict = Judge(designPath);
    if (!verdict.paints)
        return nullptr;
    const std::string key =
        verdict.key + "|" + std::to_string(width) + "x" + std::to_string(height);
    if (auto kept = cache_.Read(designPath, key, width, height))
        return std::make_shared<const Picture>(std::move(*kept));
    auto painted = painter_->Paint(designPath, width, height);
    if (!painted || painted->width != width || painted->height != height)
        return nullptr;
    ++painted_;
    rested_ = false;
    cache_.Write(designPath, key, *painted);
    return std::make_shared<const Picture>(std::move(*painted));
}

} // namespace quorvel
