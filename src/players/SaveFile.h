// The save file "mysave.sav": one 749-byte record of four names, four money amounts, four
// picture paths, the table mode and the background path (little-endian int32, texts as a
// length byte and 80 bytes of Big5). The game keeps one SaveBuffer for the whole run: a slot
// the saving table's mode does not use keeps what the buffer held (zeros at start).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

inline constexpr std::size_t kSaveRecordSize = 749;
inline constexpr std::size_t kSaveTextBytes = 80;
inline constexpr const char* kSaveFileName = "mysave.sav";

namespace saveoffset {
inline constexpr std::size_t kName = 0;      // + 81 x (slot - 1)
inline constexpr std::size_t kMoney = 324;   // + 4 x (slot - 1)
inline constexpr std::size_t kPicture = 340; // + 81 x (slot - 1)
inline constexpr std::size_t kMode = 664;
inline constexpr std::size_t kBackground = 668;
} // namespace saveoffset

// One table's people and money, texts in UTF-8; slots 1..4 at indices 0..3: the banker side
// first, then the seats. Money of a seat is its money plus its bet.
struct SaveContents {
    int Mode = 0; // [1-4]
    std::array<std::string, 4> Names;
    std::array<std::int32_t, 4> Money{};
    std::array<std::string, 4> Pictures;
    std::string Background;
    friend bool operator==(const SaveContents&, const SaveContents&) = default;
};

// Which slots [1-4] a mode writes and reads.
struct ModeSlots {
    std::array<bool, 4> Names; // names and money
    std::array<bool, 4> Pictures;
};
std::optional<ModeSlots> SlotsOfMode(int mode);

// Loading gives either the record or a short Traditional Chinese text naming what is wrong.
struct LoadResult {
    std::optional<SaveContents> Contents;
    std::string Error;
    bool Ok() const { return Contents.has_value(); }
};

// Reads the first 749 bytes; a longer file is accepted. Checks the lengths, the Big5 of the
// texts used by the mode, the mode and that every path used is one of the game's own pictures.
LoadResult DecodeSaveRecord(const std::uint8_t* data, std::size_t size);

// Whether a path (backslashes, any case) names one of the game's portraits or backgrounds.
bool IsGamePortrait(const std::string& path);
bool IsGameBackground(const std::string& path);

class SaveBuffer {
public:
    // Writes the mode, background and the slots the mode uses. Texts are cut to 80 bytes on a
    // Big5 character boundary. Returns false (and changes nothing) for a mode outside 1..4.
    bool Fill(const SaveContents& contents);
    // Fills, then writes a temporary file beside `file` and renames it over it, so a failed
    // save leaves the earlier one whole. Returns "" or the error text.
    std::string Save(const SaveContents& contents, const std::filesystem::path& file);
    // Reads and checks `file`; on success the buffer holds its record. On failure nothing
    // changes.
    LoadResult Load(const std::filesystem::path& file);

    const std::array<std::uint8_t, kSaveRecordSize>& Bytes() const { return bytes_; }

private:
    std::array<std::uint8_t, kSaveRecordSize> bytes_{};
};

} // namespace quorvel
