// The save record: encoding from a table's contents, writing it safely, and checked loading.
#include "players/SaveFile.h"

#include "system/AtomicFile.h"

#include "players/Big5Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace {

// The user's text for a failed save, by the reason the system gave.
std::string SaveFailure(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "存檔失敗：磁碟空間不足";
    case EROFS:
        return "存檔失敗：存檔的資料夾是唯讀的";
    case EACCES:
    case EPERM:
        return "存檔失敗：沒有寫入存檔資料夾的權限";
    case EISDIR:
        return "存檔失敗：存檔的位置是一個資料夾";
    case ENOENT:
    case ENOTDIR:
        return "存檔失敗：找不到存檔的資料夾";
    default:
        return "存檔失敗：無法寫入存檔";
    }
}

} // namespace

std::string SaveBuffer::Save(const SaveContents& contents, const std::filesystem::path& file) {
    if (!Fill(contents))
        return "存檔失敗：遊戲模式不正確";
    // The old save stays whole until the new one is complete on disk; nothing planted beside
    // it under a known name (a link to another file) is ever followed or overwritten. The save
    // goes only into a folder that is already there.
    const std::string_view bytes(reinterpret_cast<const char*>(bytes_.data()), bytes_.size());
    if (const auto failure = ReplaceFile(file, bytes, {}, false))
        return SaveFailure(failure->Error);
    return {};
}

LoadResult SaveBuffer::Load(const std::filesystem::path& file) {
    LoadResult result;
    // Opened without blocking, and read only when it is a regular file: a FIFO or device
    // under the save's name must not hang the game.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            result.Error = "讀檔失敗：找不到存檔";
        else if (error == EACCES || error == EPERM)
            result.Error = "讀檔失敗：沒有讀取存檔的權限";
        else
            result.Error = "讀檔失敗：無法開啟存檔";
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.Error = S_ISDIR(info.st_mode) ? "讀檔失敗：存檔的位置是一個資料夾"
                                             : "讀檔失敗：存檔不是一般的檔案";
        ::close(fd);
        return result;
    }
    std::array<std::uint8_t, kSaveRecordSize> record{};
    std::size_t size = 0;
    bool readError = false;
    while (size < record.size()) {
        const ssize_t n = ::read(fd, record.data() + size, record.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            readError = true;
        if (n <= 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (readError) {
        result.Error = "讀檔失敗：無法讀取存檔";
        return result;
    }
    result = DecodeSaveRecord(record.data(), size);
    if (result.Ok())
        bytes_ = record;
    return result;
}

} // namespace quorvel
