// The XDG folders and the atomic write of a small file.
#include "system/UserFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

// A variable's value when it is an absolute path; the XDG rules ignore relative ones.
fs::path AbsoluteVariable(const Environment& env, const char* name) {
    const std::optional<std::string> value = env(name);
    if (!value || value->empty() || value->front() != '/')
        return {};
    return fs::path(*value);
}

fs::path HomeFolder(const Environment& env) {
    if (fs::path home = AbsoluteVariable(env, "HOME"); !home.empty())
        return home;
    if (const passwd* entry = ::getpwuid(::getuid());
        entry && entry->pw_dir && entry->pw_dir[0] == '/')
        return fs::path(entry->pw_dir);
    return {};
}

fs::path GameFolder(const Environment& env, const char* variable, const char* fallback,
                    const fs::path& home) {
    fs::path base = AbsoluteVariable(env, variable);
    if (base.empty()) {
        if (home.empty())
            return {};
        base = home / fallback;
    }
    return base / "quorvel";
}

} // namespace

std::optional<std::string> ProcessVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

UserFolders FindUserFolders(const Environment& env) {
    const fs::path home = HomeFolder(env);
    return {GameFolder(env, "XDG_CONFIG_HOME", ".config", home),
            GameFolder(env, "XDG_DATA_HOME", ".local/share", home),
            GameFolder(env, "XDG_STATE_HOME", ".local/state", home),
            GameFolder(env, "XDG_CACHE_HOME", ".cache", home)};
}

std::string MakeFolder(const fs::path& folder) {
    if (folder.empty())
        return "no folder";
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return made.string() + ": " + std::strerror(errno);
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return folder.string() + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return folder.string() + ": " + std::strerror(ENOTDIR);
    return {};
}

} // namespace quorvel
