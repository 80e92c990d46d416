// settings.ini, where the user's settings are kept between runs. A file that cannot be read as
// settings gives the defaults and says why, and is kept aside so nothing the user wrote is
// lost; a bad value costs only its own key. The game starts whatever the file holds.
#pragma once

#include "ui/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

struct SettingsRead {
    Settings settings;
    std::string problem; // "" when the file was fine or absent; a notice for the user
    std::string damage;  // "" unless the whole file is damaged: where and how (never quoting it)
};

// Reads settings text. Blank lines and lines starting with # or ; are skipped; unknown sections
// and keys are left alone for a later version of the game. A known key with a value out of
// range keeps its default and is named in `problem`. A line that is not a section or a key, or
// a NUL byte, makes the whole file damaged: the defaults, with `damage` set.
SettingsRead ParseSettings(std::string_view text);
// The settings as a fresh file.
std::string FormatSettings(const Settings& settings);
// The settings written into the lines of an existing file: the known keys take their values
// where they stand (missing ones are added to their section), every other line is kept.
std::string MergeSettings(const Settings& settings, std::string_view existing);

// The file's settings; a missing file is the defaults without a problem. A file that is
// damaged, unreadable or not a file at all (a link is not followed) is renamed
// "settings.ini.damaged-N" and the defaults come with the problem to tell the user.
SettingsRead LoadSettings(const std::filesystem::path& file);
// Writes the settings atomically into the file's own lines, making the folder when needed.
// A file there that is not a readable settings file is not written over. Returns "" or the
// reason.
std::string SaveSettings(const Settings& settings, const std::filesystem::path& file);

} // namespace quorvel
