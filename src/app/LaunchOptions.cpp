// Reading the command line and choosing the folders.
#include "app/LaunchOptions.h"

namespace quorvel {

LaunchOptions ParseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    for (const std::string& argument : arguments) {
        if (argument == "--desktop")
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
    return "Usage: quorvel [--desktop] [--help] [--version]\n"
           "  --desktop  keep the saved game in $XDG_DATA_HOME/quorvel, and a log and the\n"
           "             rounds played in $XDG_STATE_HOME/quorvel (the desktop launcher\n"
           "             uses it); without it the saved game is mysave.sav in the working\n"
           "             folder\n"
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
