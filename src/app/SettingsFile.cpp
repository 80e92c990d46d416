// settings.ini: its fields as one table, read strictly and written in full.
#include "app/SettingsFile.h"

#include "system/AtomicFile.h"

#include "system/UserFiles.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

// The longest settings file read [bytes]; anything longer is not ours.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

enum class FieldKind { OnOff, Volume, Speed };

struct Field {
    const char* section;
    const char* key;
    FieldKind kind;
    int& (*number)(Settings&); // Volume and Speed
    bool& (*flag)(Settings&);  // OnOff
};

constexpr std::array<Field, 7> kFields{{
    {"sound", "effects", FieldKind::OnOff, nullptr,
     [](Settings& s) -> bool& { return s.sound.effectsOn; }},
    {"sound", "effects_volume", FieldKind::Volume,
     [](Settings& s) -> int& { return s.sound.effectsVolume; }, nullptr},
    {"sound", "music", FieldKind::OnOff, nullptr,
     [](Settings& s) -> bool& { return s.sound.musicOn; }},
    {"sound", "music_volume", FieldKind::Volume,
     [](Settings& s) -> int& { return s.sound.musicVolume; }, nullptr},
    {"game", "card_speed", FieldKind::Speed, [](Settings& s) -> int& { return s.cardSpeed; },
     nullptr},
    {"game", "key_hints", FieldKind::OnOff, nullptr,
     [](Settings& s) -> bool& { return s.keyHints; }},
    {"game", "odds_advisor", FieldKind::OnOff, nullptr,
     [](Settings& s) -> bool& { return s.oddsAdvisor; }},
}};

constexpr const char* kSpeedNames[] = {"fast", "middle", "slow"};

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Sets the field from its text; false when the text is not a value of the field.
bool SetField(const Field& field, std::string_view value, Settings& settings) {
    switch (field.kind) {
    case FieldKind::OnOff:
        if (value != "on" && value != "off")
            return false;
        field.flag(settings) = value == "on";
        return true;
    case FieldKind::Volume: {
        int volume = -1;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), volume);
        if (error != std::errc() || end != value.data() + value.size() || volume < 0 ||
            volume > 100)
            return false;
        field.number(settings) = volume;
        return true;
    }
    case FieldKind::Speed:
        for (int i = Settings::kFastest; i <= Settings::kSlowest; ++i)
            if (value == kSpeedNames[i - 1]) {
                field.number(settings) = i;
                return true;
            }
        return false;
    }
    return false;
}

std::string FieldText(const Field& field, Settings& settings) {
    switch (field.kind) {
    case FieldKind::OnOff:
        return field.flag(settings) ? "on" : "off";
    case FieldKind::Volume:
        return std::to_string(field.number(settings));
    case FieldKind::Speed: {
        const int speed = field.number(settings);
        return kSpeedNames[speed >= Settings::kFastest && speed <= Settings::kSlowest
                               ? speed - 1
                               : Settings::kSlowest - 1];
    }
    }
    return {};
}

SettingsRead Damaged(int line, std::string_view why) {
    SettingsRead read;
    read.problem = "設定檔已損壞，改用預設設定 (settings file damaged at line " +
                   std::to_string(line) + ": " + std::string(why) + "; defaults used)";
    return read;
}

} // namespace

SettingsRead ParseSettings(std::string_view text) {
    SettingsRead read;
    if (text.find('\0') != std::string_view::npos)
        return Damaged(1, "not a text file");
    std::string_view section;
    int lineNo = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNo;
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3)
                return Damaged(lineNo, "a section needs [name]");
            section = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            return Damaged(lineNo, "expected key = value");
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (key.empty())
            return Damaged(lineNo, "a key has no name");
        for (const Field& field : kFields)
            if (section == field.section && key == field.key &&
                !SetField(field, value, read.settings))
                return Damaged(lineNo, "bad value for " + std::string(key));
    }
    return read;
}

std::string FormatSettings(const Settings& settings) {
    Settings copy = settings;
    std::string text = "# Quorvel settings, written by the game when they change in it.\n"
                       "# on/off; volumes 0-100; card_speed fast, middle or slow.\n";
    std::string_view section;
    for (const Field& field : kFields) {
        if (section != field.section) {
            section = field.section;
            text += "\n[" + std::string(section) + "]\n";
        }
        text += std::string(field.key) + " = " + FieldText(field, copy) + "\n";
    }
    return text;
}

SettingsRead LoadSettings(const std::filesystem::path& file) {
    SettingsRead read;
    // Opened without blocking and read only as a regular file: a FIFO must not hang start-up.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            read.problem = "無法讀取設定檔，改用預設設定 (cannot read " + file.string() + ": " +
                           std::strerror(errno) + ")";
        return read;
    }
    struct stat info {};
    std::string text;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::size_t>(info.st_size) <= kMaxFileBytes;
    if (ok) {
        text.resize(kMaxFileBytes + 1);
        std::size_t size = 0;
        while (size < text.size()) {
            const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            size += static_cast<std::size_t>(n);
        }
        text.resize(size);
        ok = ok && size <= kMaxFileBytes;
    }
    ::close(fd);
    if (!ok) {
        read.problem = "設定檔已損壞，改用預設設定 (" + file.string() +
                       " is not a settings file; defaults used)";
        return read;
    }
    read = ParseSettings(text);
    return read;
}

std::string SaveSettings(const Settings& settings, const std::filesystem::path& file) {
    if (const std::string made = MakeFolder(file.parent_path()); !made.empty())
        return made;
    if (const auto failure = ReplaceFile(file, FormatSettings(settings), {}, false))
        return std::strerror(failure->Error);
    return {};
}

} // namespace quorvel
