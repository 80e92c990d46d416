// Picture look-up, header measuring, decoding on first draw and the bounded cache.
#include "gui/sdl/FilePictureStore.h"

#include "gui/sdl/PictureDecoders.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace {

// Bytes read to measure a picture: every header of the game's pictures lies well within [bytes].
constexpr std::size_t kHeaderBytes = 16u << 10;
// No picture file of the game comes near this; a larger one is refused unread [bytes].
constexpr std::size_t kMaxFileBytes = 64u << 20;

std::string CannotDecode(std::string_view gamePath, const std::string& why) {
    return "無法解碼圖片檔 " + std::string(gamePath) + " (cannot decode picture: " + why + ")";
}

} // namespace

const FilePictureStore::Resolved& FilePictureStore::Resolve(std::string_view gamePath) {
    auto it = resolved_.find(gamePath);
    if (it == resolved_.end()) {
        Resolved r;
        if (const auto file = files_.Resolve(gamePath))
            r.file = file->string();
        else if (!files_.Problem().empty())
            r.error = files_.Problem();
        else
            r.error = "找不到圖片檔 " + std::string(gamePath) + " (picture file not found)";
        it = resolved_.emplace(std::string(gamePath), std::move(r)).first;
    }
    return it->second;
}

bool FilePictureStore::ReadFile(const std::string& file, std::size_t limit,
                                std::vector<std::uint8_t>& out, bool& whole, std::string& why) {
    // Without blocking, and only a regular file: a FIFO put in the data folder must not hang
    // the game.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        why = errno == EACCES || errno == EPERM
                  ? "permission denied, cannot read the file"
                  : std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!ok)
        why = "not a regular file";
    const auto size = ok ? static_cast<std::size_t>(info.st_size) : 0;
    if (ok && size > kMaxFileBytes) {
        why = "file too large";
        ok = false;
    }
    out.clear();
    if (ok) {
        out.resize(std::min(size, limit));
        std::size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                why = std::string("read error: ") + std::strerror(errno);
                ok = false;
            }
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        out.resize(got);
        whole = got >= size;
    }
    ::close(fd);
    return ok;
}

std::optional<PictureSize> FilePictureStore::Measure(std::string_view gamePath,
                                                     std::string& error) {
    const Resolved& r = Resolve(gamePath);
    if (!r.error.empty()) {
        error = r.error;
        return std::nullopt;
    }
    if (auto it = sizes_.find(r.file); it != sizes_.end())
        return it->second;
    if (auto it = failed_.find(r.file); it != failed_.end()) {
        error = it->second;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    bool whole = false;
    bool truncated = false;
    std::string why;
    std::optional<PictureSize> size;
    if (ReadFile(r.file, kHeaderBytes, bytes, whole, why)) {
        size = ProbePicture(bytes, why, truncated);
        if (!size && truncated && !whole && ReadFile(r.file, kMaxFileBytes, bytes, whole, why))
            size = ProbePicture(bytes, why, truncated);
    }
    if (!size) {
        error = CannotDecode(gamePath, why);
        failed_.emplace(r.file, error);
        return std::nullopt;
    }
    sizes_.emplace(r.file, *size);
    return size;
}

std::shared_ptr<const Picture> FilePictureStore::Load(std::string_view gamePath,
                                                      std::string& error) {
    const Resolved& r = Resolve(gamePath);
    if (!r.error.empty()) {
        error = r.error;
        return nullptr;
    }
    if (auto it = decoded_.find(r.file); it != decoded_.end()) {
        recent_.splice(recent_.begin(), recent_, it->second);
        return it->second->picture;
    }
    if (auto it = large_.find(r.file); it != large_.end())
        return it->second;
    if (auto it = failed_.find(r.file); it != failed_.end()) {
        error = it->second;
        return nullptr;
    }
    std::vector<std::uint8_t> bytes;
    bool whole = false;
    std::string why;
    std::shared_ptr<const Picture> picture;
    if (ReadFile(r.file, kMaxFileBytes, bytes, whole, why)) {
        ++decodes_;
        picture = DecodePicture(bytes, why);
    }
    if (!picture) {
        error = CannotDecode(gamePath, why);
        failed_.emplace(r.file, error);
        return nullptr;
    }
    sizes_.emplace(r.file, PictureSize{picture->width, picture->height});
    if (!Keep(r.file, picture)) {
        error = "圖片檔太大，無法顯示 " + std::string(gamePath) +
                " (picture too large to keep in memory: " + std::to_string(picture->width) +
                " x " + std::to_string(picture->height) + ")";
        failed_.emplace(r.file, error);
        return nullptr;
    }
    return picture;
}

bool FilePictureStore::Keep(const std::string& file, std::shared_ptr<const Picture> picture) {
    const std::size_t bytes = picture->pixels.size() * sizeof(std::uint32_t);
    if (bytes > budget_) {
        if (largeBytes_ + bytes > largeBudget_)
            return false;
        large_.emplace(file, std::move(picture));
        largeBytes_ += bytes;
        return true;
    }
    recent_.push_front({file, std::move(picture), bytes});
    decoded_.emplace(file, recent_.begin());
    bytes_ += bytes;
    // The least recently drawn go first, never the one just decoded. A picture still drawn
    // somewhere lives on with its drawer and is decoded again when it is next needed.
    while (bytes_ > budget_ && recent_.size() > 1) {
        bytes_ -= recent_.back().bytes;
        decoded_.erase(recent_.back().file);
        recent_.pop_back();
    }
    return true;
}

} // namespace quorvel
