// Reading the command line and choosing the folders.
#include "app/LaunchOptions.h"

#include <charconv>

namespace quorvel {

namespace {

// A seed in decimal digits alone [0-2^64-1]; anything else (a sign, a space, a number too large
// to hold) is none.
std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--seed") {
            const std::optional<std::uint64_t> seed =
                i + 1 < arguments.size() ? ParseSeed(arguments[i + 1]) : std::nullopt;
            if (seed) {
                options.seed = seed;
                ++i;
            } else if (options.error.empty()) {
                options.error = "--seed needs a number from 0 to 18446744073709551615";
            }
        } else if (argument == "--desktop")
            options.desktop = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else if (argument == "--version")
            options.version = true;
        else if (options.error.empty())
            options.error = "unknown option: " + argument;
    }
    return options;
}

std::string UsageText() {
    return "Usage: quorvel [--desktop] [--seed N] [--help] [--version]\n"
           "  --desktop  keep the saved game in $XDG_DATA_HOME/quorvel, and a log and the\n"
           "             rounds played in $XDG_STATE_HOME/quorvel (the desktop launcher\n"
           "             uses it); without it the saved game is mysave.sav in the working\n"
           "             folder\n"
           "  --seed N   deal from seed N (a number), so that the same clicks give the same\n"
           "             cards and characters' choices again; for tests\n"
           "  --help     this text\n"
           "  --version  the game's version\n"
           "Settings are kept in $XDG_CONFIG_HOME/quorvel/settings.ini.\n"
           "用法：quorvel [--desktop]　--desktop 存檔放在 $XDG_DATA_HOME/quorvel\n";
}

GameFolders ResolveGameFolders(const LaunchOptions& options, const UserFolders& user,
                               const std::filesystem::path& workingFolder) {
    GameFolders folders;
    if (!user.config.empty())
        folders.settingsFile = user.config / "settings.ini";
    if (!user.data.empty())
        folders.statisticsFile = user.data / "stats";
    if (!user.cache.empty())
        folders.pictureCache = user.cache / "pictures";
    if (!options.desktop) {
        folders.saveFolder = workingFolder;
        return folders;
    }
    folders.saveFolder = user.data;
    if (!user.state.empty()) {
        folders.logFile = user.state / "quorvel.log";
        folders.roundsFolder = user.state / "rounds";
    }
    return folders;
}

} // namespace quorvel
