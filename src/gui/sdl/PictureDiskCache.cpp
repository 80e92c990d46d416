// Reading, checking, writing and trimming the painted-picture cache.
#include "gui/sdl/PictureDiskCache.h"

#include "gui/sdl/FileBytes.h"
#include "gui/sdl/PictureCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[8] = {'Q', 'V', 'P', 'I', 'C', 'T', '0', '1'};
constexpr std::string_view kSuffix = ".pic";
constexpr std::string_view kPartial = ".part-";
// The longest key a file may hold [bytes]: a design path and a few numbers.
constexpr std::uint32_t kMaxKeyBytes = 1024;

// A check of the pixel code, eight bytes at a time: enough to tell damage, fast enough not to
// count beside reading the file.
std::uint64_t Check(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        h = (h ^ word) * 1099511628211ull;
        h ^= h >> 29;
    }
    for (; i < bytes.size(); ++i)
        h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t Get(const std::uint8_t* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | at[i];
    return value;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t put = 0;
    while (put < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + put, bytes.size() - put);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        put += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string PictureDiskCache::FileName(std::string_view designPath, int width, int height) {
    std::string name;
    for (const char c : designPath) {
        const auto u = static_cast<unsigned char>(c);
        name += std::isalnum(u) || c == '.' || c == '-' ? static_cast<char>(std::tolower(u)) : '_';
    }
    return name + "@" + std::to_string(width) + "x" + std::to_string(height) + std::string(kSuffix);
}

std::optional<Picture> PictureDiskCache::Read(std::string_view designPath, std::string_view key,
                                              int width, int height) {
    if (folder_.empty() || !PictureSizeFits(width, height))
        return std::nullopt;
    const fs::path file = folder_ / FileName(designPath, width, height);
    // No honest file holds more than a full colour code per pixel and its header [bytes].
    const std::size_t limit = static_cast<std::size_t>(width) * height * 5 + 4096;
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(file, limit, bytes)) {
        ++(fs::exists(file) ? counts_.refused : counts_.misses);
        return std::nullopt;
    }
    // magic, width, height, key length, key, code length, code check, code
    constexpr std::size_t kFixed = sizeof kMagic + 4 + 4 + 4;
    Picture picture;
    bool ok = bytes.size() >= kFixed && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0 &&
              Get(&bytes[8], 4) == static_cast<std::uint64_t>(width) &&
              Get(&bytes[12], 4) == static_cast<std::uint64_t>(height);
    const std::uint64_t keyBytes = ok ? Get(&bytes[16], 4) : 0;
    const std::size_t codeAt = kFixed + keyBytes + 16;
    ok = ok && keyBytes <= kMaxKeyBytes && bytes.size() >= codeAt &&
         std::string_view(reinterpret_cast<const char*>(&bytes[kFixed]), keyBytes) == key &&
         Get(&bytes[kFixed + keyBytes], 8) == bytes.size() - codeAt;
    if (ok) {
        const std::span<const std::uint8_t> code(bytes.data() + codeAt, bytes.size() - codeAt);
        ok = Get(&bytes[kFixed + keyBytes + 8], 8) == Check(code) &&
             DecodePixels(code, width, height, picture);
    }
    if (!ok) {
        ++counts_.refused;
        return std::nullopt;
    }
    // The file was used now: the budget keeps it over the ones not used since.
    ::utimensat(AT_FDCWD, file.c_str(), nullptr, 0);
    ++counts_.hits;
    return picture;
}

void PictureDiskCache::Write(std::string_view designPath, std::string_view key,
                             const Picture& picture) {
    if (folder_.empty() || key.size() > kMaxKeyBytes)
        return;
    std::error_code error;
    fs::create_directories(folder_, error);
    if (!held_)
        Trim();
    const std::vector<std::uint8_t> code = EncodePixels(picture);
    std::vector<std::uint8_t> bytes(kMagic, kMagic + sizeof kMagic);
    bytes.reserve(code.size() + key.size() + 64);
    Put(bytes, static_cast<std::uint64_t>(picture.width), 4);
    Put(bytes, static_cast<std::uint64_t>(picture.height), 4);
    Put(bytes, key.size(), 4);
    bytes.insert(bytes.end(), key.begin(), key.end());
    Put(bytes, code.size(), 8);
    Put(bytes, Check(code), 8);
    bytes.insert(bytes.end(), code.begin(), code.end());

    const fs::path file = folder_ / FileName(designPath, picture.width, picture.height);
    std::string temporary = file.string() + std::string(kPartial) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    const bool written = WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return;
    }
    ++counts_.written;
    *held_ += bytes.size();
    if (*held_ > budget_)
        Trim();
}

void PictureDiskCache::Trim() {
    struct Kept {
        fs::path file;
        std::uintmax_t bytes;
        fs::file_time_type used;
    };
    std::vector<Kept> kept;
    std::uintmax_t held = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code e;
        if (!it->is_regular_file(e))
            continue;
        if (name.find(kPartial) != std::string::npos) {
            fs::remove(it->path(), e);
            continue;
        }
        if (!name.ends_with(kSuffix))
            continue;
        const std::uintmax_t bytes = it->file_size(e);
        const fs::file_time_type used = it->last_write_time(e);
        held += bytes;
        kept.push_back({it->path(), bytes, used});
    }
    if (held > budget_) {
        std::sort(kept.begin(), kept.end(),
                  [](const Kept& a, const Kept& b) { return a.used < b.used; });
        for (const Kept& k : kept) {
            if (held <= budget_ / 4 * 3)
                break;
            std::error_code e;
            if (fs::remove(k.file, e))
                held -= k.bytes;
        }
    }
    held_ = held;
}

} // namespace quorvel
