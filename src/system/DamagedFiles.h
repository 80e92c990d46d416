// Keeping a damaged file instead of overwriting it: it is renamed "<name>.damaged-N", N one past
// the highest already there, and only the newest few such copies are kept, so a file damaged
// again and again neither fills the folder nor ever stops the game from starting afresh.
#pragma once

#include "system/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// How many set-aside copies of one file are kept; older ones are deleted.
inline constexpr int kDamagedCopiesKept = 10;

// Renames `file` (whatever kind of file it is, a link itself rather than its target) to
// "<file>.damaged-N" and deletes the older copies beyond kDamagedCopiesKept. Returns the new
// name, or nothing with `why` when it could not be renamed (the file is then untouched).
// `hook` sees FileStep::SetAside before the rename (tests).
std::optional<std::filesystem::path> SetAsideDamaged(const std::filesystem::path& file,
                                                     std::string& why,
                                                     const FileFaultHook& hook = {});

} // namespace quorvel
