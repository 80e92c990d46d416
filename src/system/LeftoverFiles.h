// Temporary files that a killed write left beside the file it was replacing. A write in
// progress holds a lock on its temporary file (see ReplaceFile), so a temporary file that can be
// locked and is old enough is a left-over: no copy of the game is still writing it.
#pragma once

#include <chrono>
#include <filesystem>

namespace quorvel {

// Removes the temporary files of `file` (its "<name>.tmp-XXXXXX" siblings) that are regular
// files, were last changed at least `minAge` ago and are not being written. Links and other
// kinds of file under those names are left alone. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& file, std::chrono::seconds minAge);

} // namespace quorvel
