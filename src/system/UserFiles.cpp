// The XDG folders, and the private folder of the lock.
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
            GameFolder(env, "XDG_STATE_HOME", ".local/state", home)};
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

fs::path FindRuntimeFolder(const Environment& env) {
    if (fs::path runtime = AbsoluteVariable(env, "XDG_RUNTIME_DIR"); !runtime.empty())
        return runtime / "quorvel";
    return fs::path("/tmp") / ("quorvel-" + std::to_string(::getuid()));
}

std::string MakePrivateFolder(const fs::path& folder) {
    if (folder.empty() || !folder.has_parent_path())
        return "no folder";
    const uid_t user = ::getuid();
    struct stat parent {};
    if (::stat(folder.parent_path().c_str(), &parent) != 0)
        return folder.parent_path().string() + ": " + std::strerror(errno);
    // A folder others may write to must keep them from renaming what is not theirs (/tmp).
    const bool othersWrite = (parent.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    if (!S_ISDIR(parent.st_mode) || (parent.st_uid != user && parent.st_uid != 0) ||
        (othersWrite && !(parent.st_mode & S_ISVTX)))
        return folder.parent_path().string() + ": belongs to another user";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return folder.string() + ": " + std::strerror(errno);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return folder.string() + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return folder.string() + ": not a folder";
    if (info.st_uid != user)
        return folder.string() + ": belongs to another user";
    if ((info.st_mode & 077) != 0)
        return folder.string() + ": open to other users";
    return {};
}

} // namespace quorvel
