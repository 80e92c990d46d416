// Painted pictures kept on disk between runs, one file per picture and size
// ("picture_gif_an100.gif@346x86.pic" in the cache folder). A file holds its full key (the
// picture, its size, the painters' identity and the hash of the data file it stands for),
// the pixel code and a check of it; a file that is damaged, cut short or made for another key
// is never used, and is written anew. Files are written whole through a temporary file and a
// rename, without waiting for the disk: a file lost to a power cut is only painted again. The
// folder is kept under a byte budget, the least recently used files going first.
#pragma once

#include "gui/Picture.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class PictureDiskCache {
public:
    // What the folder may hold [bytes].
    static constexpr std::uintmax_t kDefaultBudgetBytes = 256u << 20;

    // An empty folder keeps nothing.
    explicit PictureDiskCache(std::filesystem::path folder,
                              std::uintmax_t budgetBytes = kDefaultBudgetBytes)
        : folder_(std::move(folder)), budget_(budgetBytes) {}

    // The file name for a picture at a size.
    static std::string FileName(std::string_view designPath, int width, int height);

    // The picture stored under `key` at exactly `width` x `height`, or nothing: no file, or a
    // file that is damaged, cut short or another key's (refused, and written anew after the
    // picture is painted again).
    std::optional<Picture> Read(std::string_view designPath, std::string_view key, int width,
                                int height);
    // Stores a picture under `key`; a failure only costs a later paint.
    void Write(std::string_view designPath, std::string_view key, const Picture& picture);

    struct Counts {
        int hits = 0;    // pictures read whole
        int misses = 0;  // no file
        int refused = 0; // files damaged, cut short or of another key
        int written = 0; // files written
    };
    const Counts& GetCounts() const { return counts_; }
    const std::filesystem::path& Folder() const { return folder_; }

private:
    // Removes temporary files a killed run left behind and, while the folder is over its
    // budget, the least recently used files down to three quarters of it. Sets `held_`.
    void Trim();

    std::filesystem::path folder_;
    std::uintmax_t budget_;
    std::optional<std::uintmax_t> held_; // bytes in the folder, once counted [bytes]
    Counts counts_;
};

} // namespace quorvel
