// The game's picture source: resolves a game path under the data folder, measures a picture
// from its header when a control takes it, and decodes it only when it is drawn. Decoded
// pictures are kept in a cache bounded by their pixel bytes, the least recently drawn going
// first; a failure is kept, so a damaged file is read and reported once. A picture larger than
// the whole cache would push everything out and be decoded again for every frame it is drawn
// in: it is kept apart for the run instead, within a bound of its own, and refused past it.
#pragma once

#include "system/DataFiles.h"
#include "gui/PictureSource.h"

#include <cstddef>
#include <list>
#include <map>
#include <string>

namespace quorvel {

class FilePictureStore final : public PictureSource {
public:
    // How many bytes of decoded pixels the cache keeps [bytes].
    static constexpr std::size_t kDefaultBudgetBytes = 8u << 20;

    // What the pictures larger than the cache may hold in all [bytes]: two of the largest
    // pictures the decoders give (4096 x 4096).
    static constexpr std::size_t kDefaultLargeBytes = 128u << 20;

    explicit FilePictureStore(DataFiles& files, std::size_t budgetBytes = kDefaultBudgetBytes,
                              std::size_t largeBytes = kDefaultLargeBytes)
        : files_(files), budget_(budgetBytes), largeBudget_(largeBytes) {}

    std::shared_ptr<const Picture> Load(std::string_view gamePath, std::string& error) override;
    std::optional<PictureSize> Measure(std::string_view gamePath, std::string& error) override;

    // Decoded pixels held by the cache and apart from it [bytes], and how many files were
    // decoded in all.
    std::size_t CachedBytes() const { return bytes_; }
    std::size_t LargeBytes() const { return largeBytes_; }
    int Decodes() const { return decodes_; }

private:
    // A design path resolved to its file (the cache key), or the report for a missing one.
    struct Resolved {
        std::string file;
        std::string error;
    };
    struct Decoded {
        std::string file;
        std::shared_ptr<const Picture> picture;
        std::size_t bytes;
    };
    const Resolved& Resolve(std::string_view gamePath);
    // Reads up to `limit` bytes of the file; false with `why` when it cannot be read.
    static bool ReadFile(const std::string& file, std::size_t limit, std::vector<std::uint8_t>& out,
                         bool& whole, std::string& why);
    // Keeps a decoded picture; false when it is larger than the cache and there is no room
    // left for it apart.
    bool Keep(const std::string& file, std::shared_ptr<const Picture> picture);

    DataFiles& files_;
    std::size_t budget_;
    std::map<std::string, Resolved, std::less<>> resolved_;  // by design path
    std::map<std::string, PictureSize, std::less<>> sizes_;  // by file
    std::map<std::string, std::string, std::less<>> failed_; // by file: the report
    std::list<Decoded> recent_;                              // most recently drawn first
    std::map<std::string, std::list<Decoded>::iterator, std::less<>> decoded_;
    std::size_t bytes_ = 0;
    std::size_t largeBudget_;
    std::map<std::string, std::shared_ptr<const Picture>, std::less<>> large_; // by file
    std::size_t largeBytes_ = 0;
    int decodes_ = 0;
};

} // namespace quorvel
