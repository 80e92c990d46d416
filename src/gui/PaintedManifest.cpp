// The painted-files list: hashing, writing and strict reading.
#include "gui/PaintedManifest.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace quorvel {

namespace {
constexpr std::string_view kFirstLine = "quorvel painted pictures 1";
constexpr std::string_view kPaintersWord = "painters ";
constexpr int kHashDigits = 16;
} // namespace

std::uint64_t ContentHash(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (const std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

std::string FoldedDesignPath(std::string_view designPath) {
    std::string out(designPath);
    for (char& c : out)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void PaintedManifest::Add(std::string_view designPath, std::uint64_t hash) {
    files[FoldedDesignPath(designPath)] = hash;
}

std::optional<std::uint64_t> PaintedManifest::HashOf(std::string_view designPath) const {
    const auto it = files.find(FoldedDesignPath(designPath));
    if (it == files.end())
        return std::nullopt;
    return it->second;
}

std::string PaintedManifest::Format() const {
    std::string text(kFirstLine);
    text += '\n';
    text += kPaintersWord;
    text += painters;
    text += '\n';
    for (const auto& [path, hash] : files) {
        char digits[kHashDigits + 1];
        std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
        text += digits;
        text += ' ';
        text += path;
        text += '\n';
    }
    return text;
}

std::optional<PaintedManifest> PaintedManifest::Parse(std::string_view text) {
    if (text.size() > kMaxBytes || text.empty() || text.back() != '\n')
        return std::nullopt;
    PaintedManifest manifest;
    std::size_t at = 0;
    int number = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (number == 1) {
            if (line != kFirstLine)
                return std::nullopt;
        } else if (number == 2) {
            if (!line.starts_with(kPaintersWord) || line.size() == kPaintersWord.size())
                return std::nullopt;
            manifest.painters = std::string(line.substr(kPaintersWord.size()));
        } else {
            std::uint64_t hash = 0;
            if (line.size() < kHashDigits + 2 || line[kHashDigits] != ' ')
                return std::nullopt;
            const auto [end, error] =
                std::from_chars(line.data(), line.data() + kHashDigits, hash, 16);
            if (error != std::errc() || end != line.data() + kHashDigits)
                return std::nullopt;
            manifest.Add(line.substr(kHashDigits + 1), hash);
        }
    }
    if (number < 2)
        return std::nullopt;
    return manifest;
}

} // namespace quorvel
