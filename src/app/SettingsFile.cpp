// settings.ini: its fields as one table; read key by key, a bad value costing only its key;
// written back over the file's own lines so that what the game does not know stays.
#include "app/SettingsFile.h"

#include "system/AtomicFile.h"
#include "system/DamagedFiles.h"
#include "system/OwnFileReader.h"
#include "system/UserFiles.h"

#include <array>
#include <charconv>
#include <cstring>
#include <vector>

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

// One line of the file as the reader sees it.
struct Line {
    enum class Kind { Blank, Section, Key, Broken } kind = Kind::Blank;
    std::string_view name;  // the section's or the key's
    std::string_view value; // the key's
    const char* broken = nullptr;
};

Line ReadLine(std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line[0] == '#' || line[0] == ';')
        return {};
    if (line.front() == '[') {
        if (line.back() != ']' || line.size() < 3)
            return {Line::Kind::Broken, {}, {}, "a section needs [name]"};
        return {Line::Kind::Section, Trim(line.substr(1, line.size() - 2)), {}, nullptr};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {Line::Kind::Broken, {}, {}, "expected key = value"};
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty())
        return {Line::Kind::Broken, {}, {}, "a key has no name"};
    return {Line::Kind::Key, key, Trim(line.substr(equals + 1)), nullptr};
}

const Field* FindField(std::string_view section, std::string_view key) {
    for (const Field& field : kFields)
        if (section == field.section && key == field.key)
            return &field;
    return nullptr;
}

// The text split into lines, without their line ends.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

// The file's own words for the user: which line, never what is on it.
std::string DamagedAt(int line, const char* why) {
    return "at line " + std::to_string(line) + ": " + why;
}

SettingsRead SetAside(const std::filesystem::path& file, const std::string& why) {
    SettingsRead read;
    std::string failure;
    if (const auto aside = SetAsideDamaged(file, failure))
        read.problem = "設定檔已損壞或無法讀取，已改名保存為 " + aside->filename().string() +
                       "，改用預設設定 (settings file " + why + "; set aside as " +
                       aside->filename().string() + ")";
    else
        read.problem = "設定檔已損壞或無法讀取，改用預設設定，原檔保留 (settings file " + why +
                       "; it cannot be set aside: " + failure + ")";
    return read;
}

} // namespace

SettingsRead ParseSettings(std::string_view text) {
    SettingsRead read;
    if (text.find('\0') != std::string_view::npos) {
        read.damage = DamagedAt(1, "not a text file");
        read.problem = "設定檔已損壞 (settings file damaged " + read.damage + ")";
        return read;
    }
    std::string_view section;
    std::string badKeys;
    int lineNo = 0;
    for (const std::string_view raw : Lines(text)) {
        ++lineNo;
        const Line line = ReadLine(raw);
        if (line.kind == Line::Kind::Broken) {
            read = SettingsRead{};
            read.damage = DamagedAt(lineNo, line.broken);
            read.problem = "設定檔已損壞 (settings file damaged " + read.damage + ")";
            return read;
        }
        if (line.kind == Line::Kind::Section)
            section = line.name;
        // A bad value costs only its own key, which keeps its default.
        if (const Field* field = line.kind == Line::Kind::Key ? FindField(section, line.name)
                                                               : nullptr;
            field && !SetField(*field, line.value, read.settings))
            badKeys += std::string(badKeys.empty() ? "" : ", ") + field->key + " at line " +
                       std::to_string(lineNo);
    }
    if (!badKeys.empty())
        read.problem = "設定值不正確，該項改用預設值 (bad value for " + badKeys + ")";
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

std::string MergeSettings(const Settings& settings, std::string_view existing) {
    if (Trim(existing).empty())
        return FormatSettings(settings);
    Settings copy = settings;
    std::vector<std::string> out;
    std::array<bool, kFields.size()> written{};
    std::vector<std::string_view> sectionsSeen;
    // The known keys of `section` not yet in the file go after its last line that is not blank.
    auto closeSection = [&](std::string_view section) {
        std::size_t at = out.size();
        while (at > 0 && Trim(out[at - 1]).empty())
            --at;
        for (std::size_t i = 0; i < kFields.size(); ++i)
            if (!written[i] && section == kFields[i].section) {
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(at++),
                           std::string(kFields[i].key) + " = " + FieldText(kFields[i], copy));
                written[i] = true;
            }
    };
    std::string_view section;
    for (const std::string_view raw : Lines(existing)) {
        const Line line = ReadLine(raw);
        if (line.kind == Line::Kind::Section) {
            closeSection(section);
            section = line.name;
            sectionsSeen.push_back(section);
        }
        const Field* field =
            line.kind == Line::Kind::Key ? FindField(section, line.name) : nullptr;
        if (!field) {
            out.emplace_back(raw);
            continue;
        }
        const auto index = static_cast<std::size_t>(field - kFields.data());
        out.push_back(std::string(field->key) + " = " + FieldText(*field, copy));
        written[index] = true;
    }
    closeSection(section);
    std::string text;
    for (const std::string& line : out)
        text += line + "\n";
    // Sections the file does not have yet.
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (!written[i]) {
            text += "\n[" + std::string(kFields[i].section) + "]\n";
            for (std::size_t k = i; k < kFields.size(); ++k)
                if (!written[k] && std::string_view(kFields[k].section) == kFields[i].section) {
                    text += std::string(kFields[k].key) + " = " + FieldText(kFields[k], copy) +
                            "\n";
                    written[k] = true;
                }
        }
    return text;
}

SettingsRead LoadSettings(const std::filesystem::path& file) {
    const OwnFileRead read = ReadOwnFile(file, kMaxFileBytes);
    switch (read.outcome) {
    case OwnFileRead::Outcome::Missing:
        return {};
    case OwnFileRead::Outcome::NoFolder: {
        SettingsRead none;
        none.problem = "無法讀取設定檔，改用預設設定 (settings folder: " + read.why + ")";
        return none;
    }
    case OwnFileRead::Outcome::NotOurs:
        return SetAside(file, "is not a settings file (" + read.why + ")");
    case OwnFileRead::Outcome::Unreadable:
        return SetAside(file, "cannot be read (" + read.why + ")");
    case OwnFileRead::Outcome::Read:
        break;
    }
    SettingsRead parsed = ParseSettings(read.text);
    if (parsed.damage.empty())
        return parsed;
    return SetAside(file, "damaged " + parsed.damage);
}

std::string SaveSettings(const Settings& settings, const std::filesystem::path& file) {
    if (const std::string made = MakeFolder(file.parent_path()); !made.empty())
        return made;
    // The file's own lines are kept; one that is not a settings file is never written over.
    const OwnFileRead existing = ReadOwnFile(file, kMaxFileBytes);
    if (existing.outcome == OwnFileRead::Outcome::Read) {
        if (!ParseSettings(existing.text).damage.empty())
            return "the settings file is damaged; it is left as it is";
    } else if (existing.outcome != OwnFileRead::Outcome::Missing) {
        return "the settings file " + existing.why + "; it is left as it is";
    }
    const std::string text =
        existing.outcome == OwnFileRead::Outcome::Read ? MergeSettings(settings, existing.text)
                                                       : FormatSettings(settings);
    if (const auto failure = ReplaceFile(file, text, {}, false))
        return std::strerror(failure->Error);
    return {};
}

} // namespace quorvel
