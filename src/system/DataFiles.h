// Finds the game's data folder beside the program and resolves the game's file names
// ("picture\gif\Df1-20.gif") inside it: backslashes become slashes and every component is
// matched without regard to letter case, since the game spells the same file differently.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The data folder for a program in `exeDir`: "<exeDir>/data" in the build tree, else
// "<exeDir>/../share/quorvel/data" in an installed tree; the first when neither exists.
std::filesystem::path FindDataFolderFrom(const std::filesystem::path& exeDir);
// The data folder of the running program (found through /proc/self/exe).
std::filesystem::path FindDataFolder();

class DataFiles {
public:
    explicit DataFiles(std::filesystem::path folder);

    const std::filesystem::path& Folder() const { return folder_; }

    // The existing file a game path names, or nothing when it is missing or the path would
    // leave the data folder (absolute paths, "..").
    std::optional<std::filesystem::path> Resolve(std::string_view gamePath);

    // What is wrong with the data folder as a whole: missing, unreadable, or without its
    // picture or sound folder; empty when it looks whole. Checked once. A file missing from
    // such a folder is reported by this text, so one problem gives one report.
    const std::string& Problem();

private:
    // Entry names of a folder, read once; empty when it cannot be read.
    const std::vector<std::string>& Listing(const std::filesystem::path& dir);

    std::filesystem::path folder_;
    std::map<std::string, std::vector<std::string>> listings_;
    std::optional<std::string> problem_;
};

} // namespace quorvel
