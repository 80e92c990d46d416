// The data folder's list of the picture files its painters drew ("painted.txt"): the identity
// of the painters, then one line per file with a hash of its bytes and its design path. The
// game paints a picture at the size it is shown only while the file is still the one the
// painters drew, by these same painters: a picture a player put in its place is shown as it is.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// A 64-bit FNV-1a hash of a file's bytes: cheap, and enough to tell a changed file.
std::uint64_t ContentHash(std::span<const std::uint8_t> bytes);

// Design paths compare without regard to letter case or slash direction.
std::string FoldedDesignPath(std::string_view designPath);

struct PaintedManifest {
    static constexpr const char* kFileName = "painted.txt";
    // A manifest is small; a longer file is not one [bytes].
    static constexpr std::size_t kMaxBytes = 1u << 20;

    std::string painters;                       // the painters' identity
    std::map<std::string, std::uint64_t> files; // hash by folded design path

    void Add(std::string_view designPath, std::uint64_t hash);
    // The hash the painters' file of a design path had, if they drew it.
    std::optional<std::uint64_t> HashOf(std::string_view designPath) const;

    std::string Format() const;
    // Nothing when the text is not a whole manifest: no line of it is trusted then.
    static std::optional<PaintedManifest> Parse(std::string_view text);
};

} // namespace quorvel
