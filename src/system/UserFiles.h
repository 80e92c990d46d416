// Where the game keeps a user's own files on a desktop (the XDG base directories): settings
// under $XDG_CONFIG_HOME/quorvel, the save under $XDG_DATA_HOME/quorvel and the log under
// $XDG_STATE_HOME/quorvel, each falling back to its usual place in the home folder; the lock
// of a save folder under $XDG_RUNTIME_DIR/quorvel.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The environment as a lookup, so tests can give their own; nothing for an unset variable.
using Environment = std::function<std::optional<std::string>(const char* name)>;
// The process's own environment, as such a lookup.
std::optional<std::string> ProcessVariable(const char* name);

struct UserFolders {
    std::filesystem::path config; // settings.ini
    std::filesystem::path data;   // mysave.sav, when started by the launcher
    std::filesystem::path state;  // quorvel.log, when started by the launcher
};

// The game's folders by the XDG rules: a variable counts only when it is an absolute path,
// otherwise $HOME/.config, $HOME/.local/share and $HOME/.local/state; $HOME itself from the
// password database when it is unset. Empty paths when no home folder can be found.
UserFolders FindUserFolders(const Environment& env);

// Makes `folder` and its missing parents; new folders are private to the user (0700).
// Returns "" or the reason it could not.
std::string MakeFolder(const std::filesystem::path& folder);

// Where the game keeps what lives only while it runs (the save folder's lock and the socket a
// second copy calls): $XDG_RUNTIME_DIR/quorvel, or /tmp/quorvel-<uid> without that variable.
std::filesystem::path FindRuntimeFolder(const Environment& env);
// Makes `folder` (its parent must exist) or checks the one there: it must be a folder, not a
// link, owned by this user and closed to everyone else (0700), in a parent owned by this user
// or by the system, so that no one else can take or replace what is put in it. Returns "" or
// why it cannot be used.
std::string MakePrivateFolder(const std::filesystem::path& folder);

} // namespace quorvel
