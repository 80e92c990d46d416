// The list of every picture and sound file the game names, by design path
// ("picture\gif\an100.gif"), with each picture's intended size and, for two-picture buttons, which
// file is its partner. The artwork generator draws from this list and the tests check the data
// folder against it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class AssetKind { Picture, Sound };

// Which face of a two-picture control a file is: the resting look, or the highlighted one
// (hovered, pressed, lit or enabled, as the screen uses it). Single pictures are Plain.
enum class AssetLook { Plain, Resting, Highlighted };

struct AssetEntry {
    std::string path; // design path with backslashes, in the letter case the files are written in
    AssetKind kind;   // picture or sound
    int width = 0;    // [px] intended picture width, 0 for sounds
    int height = 0;   // [px]
    AssetLook look = AssetLook::Plain;
    std::string partner; // design path of the other picture of a button pair, or empty
    std::string role;    // one line: what the file shows and where
};

class AssetCatalog {
public:
    // Every file, in a fixed order: card faces and back, table pictures, front-end pictures,
    // help pages, designed pictures under picture\design\, then the sounds.
    static const std::vector<AssetEntry>& Entries();

    // The entry for a design path, compared without regard to letter case or slash direction;
    // nullptr when the game names no such file.
    static const AssetEntry* Find(std::string_view designPath);

    // "picture\gif\Df1-20.gif" -> "picture/gif/Df1-20.gif": the path under the data folder.
    static std::string DataPath(std::string_view designPath);

    // The unseen-card panel picture ("picture\design\unseen.gif") has its title and column header
    // above and its suit signs left of the count grid: the table writes count (row i, column j)
    // at (kCountsOriginX + 13 * j + 3, kCountsOriginY + 15 * i + 5) on that picture.
    static constexpr int kCountsOriginX = 18; // [px]
    static constexpr int kCountsOriginY = 38; // [px]

    // The table banner picture ("picture\design\banner.gif"): the message label goes inside this
    // box, centred and word-wrapped.
    static constexpr int kBannerTextLeft = 10;   // [px]
    static constexpr int kBannerTextTop = 2;     // [px]
    static constexpr int kBannerTextWidth = 270; // [px]
    static constexpr int kBannerTextHeight = 52; // [px]

    // The table backgrounds have a wooden rail along their bottom edge, from this row down; the
    // tables keep their labels above it.
    static constexpr int kRailTop = 592; // [px]
};

} // namespace quorvel
