// The save record: encoding from a table's contents, writing it safely, and checked loading.
#include "players/SaveFile.h"

#include "players/Big5Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace quorvel {

namespace {

constexpr std::size_t kTextField = 1 + kSaveTextBytes;

std::size_t NameOffset(int slot) {
    return saveoffset::kName + kTextField * (slot - 1);
}
std::size_t MoneyOffset(int slot) {
    return saveoffset::kMoney + 4 * (slot - 1);
}
std::size_t PictureOffset(int slot) {
    return saveoffset::kPicture + kTextField * (slot - 1);
}

void PutInt(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt(const std::uint8_t* at) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{at[i]} << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// Writes the length byte and the text; the bytes after the text keep what they held.
void PutText(std::uint8_t* at, const std::string& utf8) {
    const std::string big5 = Utf8ToBig5(utf8, kSaveTextBytes);
    at[0] = static_cast<std::uint8_t>(big5.size());
    std::copy(big5.begin(), big5.end(), at + 1);
}

// The text of a field, or the error naming it.
std::optional<std::string> GetText(const std::uint8_t* at, const std::string& field,
                                   std::string& error) {
    if (at[0] > kSaveTextBytes) {
        error = "存檔已損壞：" + field + "長度不正確";
        return std::nullopt;
    }
    auto text = Big5ToUtf8(std::string_view(reinterpret_cast<const char*>(at + 1), at[0]));
    if (!text)
        error = "存檔已損壞：" + field + "的文字編碼不正確";
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Whether `path` is prefix + one of first..last (a single digit) + suffix, ignoring case.
bool MatchesNumbered(const std::string& path, const std::string& prefix, char first, char last,
                     const std::string& suffix) {
    const std::string lower = Lower(path);
    if (lower.size() != prefix.size() + 1 + suffix.size())
        return false;
    const char digit = lower[prefix.size()];
    return lower.compare(0, prefix.size(), prefix) == 0 && digit >= first && digit <= last &&
           lower.compare(prefix.size() + 1, suffix.size(), suffix) == 0;
}

} // namespace

std::optional<ModeSlots> SlotsOfMode(int mode) {
    switch (mode) {
    case 1:
        return ModeSlots{{true, true, false, false}, {true, false, false, false}};
    case 2:
        return ModeSlots{{true, true, false, false}, {false, true, false, false}};
    case 3:
        return ModeSlots{{true, true, true, true}, {true, true, false, true}};
    case 4:
        return ModeSlots{{true, true, true, true}, {false, true, true, true}};
    default:
        return std::nullopt;
    }
}

bool IsGamePortrait(const std::string& path) {
    return MatchesNumbered(path, "picture\\gif\\rt0", '1', '9', ".gif") ||
           MatchesNumbered(path, "picture\\gif\\ch_11", '0', '8', "1.gif");
}

bool IsGameBackground(const std::string& path) {
    return MatchesNumbered(path, "picture\\gif\\ydy0", '1', '5', ".gif") ||
           MatchesNumbered(path, "picture\\gif\\zm00", '1', '5', ".gif") ||
           MatchesNumbered(path, "picture\\gif\\ddy00", '1', '5', ".gif");
}

LoadResult DecodeSaveRecord(const std::uint8_t* data, std::size_t size) {
    LoadResult result;
    if (!data || size < kSaveRecordSize) {
        result.Error = "存檔已損壞：檔案太短";
        return result;
    }
    SaveContents contents;
    contents.Mode = GetInt(data + saveoffset::kMode);
    const auto slots = SlotsOfMode(contents.Mode);
    if (!slots) {
        result.Error = "存檔已損壞：遊戲模式不正確";
        return result;
    }
    std::string& error = result.Error;
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string number = std::to_string(slot);
        if (slots->Names[slot - 1]) {
            auto name = GetText(data + NameOffset(slot), "名字" + number, error);
            if (!name)
                return result;
            contents.Names[slot - 1] = *name;
            contents.Money[slot - 1] = GetInt(data + MoneyOffset(slot));
        }
        if (slots->Pictures[slot - 1]) {
            auto picture = GetText(data + PictureOffset(slot), "圖片" + number, error);
            if (!picture)
                return result;
            if (!IsGamePortrait(*picture)) {
                error = "存檔已損壞：圖片" + number + "不是遊戲的圖片";
                return result;
            }
            contents.Pictures[slot - 1] = *picture;
        }
    }
    auto background = GetText(data + saveoffset::kBackground, "背景圖片", error);
    if (!background)
        return result;
    if (!IsGameBackground(*background)) {
        error = "存檔已損壞：背景圖片不是遊戲的圖片";
        return result;
    }
    contents.Background = *background;
    result.Contents = std::move(contents);
    return result;
}

bool SaveBuffer::Fill(const SaveContents& contents) {
    const auto slots = SlotsOfMode(contents.Mode);
    if (!slots)
        return false;
    PutInt(bytes_.data() + saveoffset::kMode, contents.Mode);
    PutText(bytes_.data() + saveoffset::kBackground, contents.Background);
    for (int slot = 1; slot <= 4; ++slot) {
        if (slots->Names[slot - 1]) {
            PutText(bytes_.data() + NameOffset(slot), contents.Names[slot - 1]);
            PutInt(bytes_.data() + MoneyOffset(slot), contents.Money[slot - 1]);
        }
        if (slots->Pictures[slot - 1])
            PutText(bytes_.data() + PictureOffset(slot), contents.Pictures[slot - 1]);
    }
    return true;
}

std::string SaveBuffer::Save(const SaveContents& contents, const std::filesystem::path& file) {
    if (!Fill(contents))
        return "存檔失敗：遊戲模式不正確";
    // Write beside the old save and rename over it: the old save stays whole until the new
    // one is complete on disk.
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return "存檔失敗：無法寫入存檔";
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes_.size()) {
        const ssize_t n = ::write(fd, bytes_.data() + written, bytes_.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            written += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    std::error_code code;
    if (ok)
        std::filesystem::rename(temporary, file, code);
    if (!ok || code) {
        std::filesystem::remove(temporary, code);
        return "存檔失敗：無法寫入存檔";
    }
    return {};
}

LoadResult SaveBuffer::Load(const std::filesystem::path& file) {
    LoadResult result;
    std::error_code code;
    if (!std::filesystem::exists(file, code)) {
        result.Error = "讀檔失敗：找不到存檔";
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.Error = "讀檔失敗：無法開啟存檔";
        return result;
    }
    std::array<std::uint8_t, kSaveRecordSize> record{};
    in.read(reinterpret_cast<char*>(record.data()), record.size());
    const auto size = static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0));
    result = DecodeSaveRecord(record.data(), size);
    if (result.Ok())
        bytes_ = record;
    return result;
}

} // namespace quorvel
