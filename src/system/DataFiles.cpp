// Data folder look-up and case-insensitive resolution of game file names.
#include "system/DataFiles.h"

#include <algorithm>
#include <system_error>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

} // namespace

fs::path FindDataFolderFrom(const fs::path& exeDir) {
    const fs::path beside = exeDir / "data";
    if (IsFolder(beside))
        return beside;
    const fs::path installed = exeDir / ".." / "share" / "quorvel" / "data";
    if (IsFolder(installed))
        return installed.lexically_normal();
    return beside;
}

fs::path FindDataFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return FindDataFolderFrom(ec ? fs::current_path() : exe.parent_path());
}

DataFiles::DataFiles(fs::path folder) : folder_(std::move(folder)) {}

const std::vector<std::string>& DataFiles::Listing(const fs::path& dir) {
    auto [it, added] = listings_.try_emplace(dir.string());
    if (added) {
        std::error_code ec;
        for (fs::directory_iterator entries(dir, ec), end; !ec && entries != end;
             entries.increment(ec))
            it->second.push_back(entries->path().filename().string());
    }
    return it->second;
}

const std::string& DataFiles::Problem() {
    if (problem_)
        return *problem_;
    problem_.emplace();
    if (!IsFolder(folder_)) {
        *problem_ = "找不到遊戲資料夾 " + folder_.string() + " (data folder missing)";
        return *problem_;
    }
    const auto& names = Listing(folder_);
    for (const char* part : {"picture", "sound"}) {
        const bool found = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
            return SameIgnoringCase(n, part) && IsFolder(folder_ / n);
        });
        if (!found) {
            *problem_ = "遊戲資料夾不完整或已損壞 " + folder_.string() +
                        " (data folder damaged: no " + part + " folder)";
            break;
        }
    }
    return *problem_;
}

std::optional<fs::path> DataFiles::Resolve(std::string_view gamePath) {
    std::string path(gamePath);
    std::replace(path.begin(), path.end(), '\\', '/');
    // Absolute paths, drive letters and NUL bytes never name a file of the game.
    if (path.empty() || path.front() == '/' || path.find(':') != std::string::npos ||
        path.find('\0') != std::string::npos)
        return std::nullopt;

    fs::path current = folder_;
    std::size_t start = 0;
    bool any = false;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view part = std::string_view(path).substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..")
            return std::nullopt;
        const auto& names = Listing(current);
        auto exact = std::find(names.begin(), names.end(), part);
        auto match = exact != names.end()
                         ? exact
                         : std::find_if(names.begin(), names.end(), [&](const std::string& n) {
                               return SameIgnoringCase(n, part);
                           });
        if (match == names.end())
            return std::nullopt;
        current /= *match;
        any = true;
    }
    std::error_code ec;
    if (!any || !fs::is_regular_file(current, ec))
        return std::nullopt;
    return current;
}

} // namespace quorvel
