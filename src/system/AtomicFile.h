// Replacing a small file so that a crash or a kill at any moment leaves either its old contents
// or all of the new ones: the new contents go to a fresh temporary file in the same folder,
// are flushed to the disk, and the temporary file is then renamed over the old one.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace quorvel {

// The steps of a replacement, in order, setting a damaged file aside, and taking the lock of a
// file that several copies share.
enum class FileStep { MakeFolder, Create, Write, Sync, Close, Rename, SyncFolder, SetAside, Lock };
const char* FileStepName(FileStep step);

// Called before each step; returning false makes that step fail as a failing system call would
// (errno EIO). Tests use it to fail, or to kill the process at, every step in turn.
using FileFaultHook = std::function<bool(FileStep)>;

struct FileFailure {
    FileStep Step;
    int Error; // errno
};

// Writes `bytes` to `file` through "<file>.tmp-XXXXXX" (created exclusively, never through a
// link, and locked while it is written), fsync, rename, then fsyncs the folder, making the folder first when `makeFolder` says
// so. The new file is readable by all and written by the user (0644), like the file it
// replaces. On a failure the temporary file is removed and `file` is untouched. A failing
// fsync of the folder comes after the rename and is not reported: the new contents are in
// place by then.
std::optional<FileFailure> ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                                       const FileFaultHook& hook = {}, bool makeFolder = true);

// Whether `name` is one of the temporary names ReplaceFile uses for `file`.
bool IsTemporaryOf(const std::filesystem::path& file, const std::string& name);

} // namespace quorvel
