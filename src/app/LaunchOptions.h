// The command line of the game and the folders it leads to. Started plainly (from a terminal,
// by the tests, by the scenario runner) the game keeps mysave.sav in the working folder, as it
// always has; the launcher adds --desktop, which keeps the save in $XDG_DATA_HOME/quorvel and a
// log and the rounds played, each a script that plays it again, in $XDG_STATE_HOME/quorvel. The
// settings are in $XDG_CONFIG_HOME/quorvel and the statistics in $XDG_DATA_HOME/quorvel either
// way.
#pragma once

#include "system/UserFiles.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct LaunchOptions {
    bool desktop = false; // started by the desktop launcher
    bool help = false;
    bool version = false;
    // --seed N: the one seed of every draw, so that the same clicks deal the same cards (for
    // tests that must reach a given deal); without it the seed comes from the system.
    std::optional<std::uint64_t> seed;
    std::string error; // an option the game does not know, for the usage message
};

// The arguments after the program's name.
LaunchOptions ParseLaunchOptions(const std::vector<std::string>& arguments);
// The usage text of --help, in English and Chinese.
std::string UsageText();

struct GameFolders {
    std::filesystem::path saveFolder;     // where mysave.sav is
    std::filesystem::path logFile;        // empty: error reports go to the terminal only
    std::filesystem::path settingsFile;   // empty: settings are not kept (no home folder)
    std::filesystem::path statisticsFile; // empty: statistics are not kept (no home folder)
    std::filesystem::path pictureCache;   // empty: painted pictures are not kept (no home)
    std::filesystem::path roundsFolder;   // empty: the rounds played are not kept
};

// The folders for the options. With --desktop and no home folder to put the save in, the
// save folder is empty: the caller says so and stops.
GameFolders ResolveGameFolders(const LaunchOptions& options, const UserFolders& user,
                               const std::filesystem::path& workingFolder);

} // namespace quorvel
