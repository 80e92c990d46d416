// Finding and removing the left-over temporary files of a file.
#include "system/LeftoverFiles.h"

#include "system/AtomicFile.h"

#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quorvel {

namespace fs = std::filesystem;

int RemoveLeftoverTemporaries(const fs::path& file, std::chrono::seconds minAge) {
    const fs::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code code;
    std::vector<fs::path> candidates;
    for (const auto& entry : fs::directory_iterator(folder, code))
        if (IsTemporaryOf(file, entry.path().filename().string()))
            candidates.push_back(entry.path());
    const std::time_t newest = std::time(nullptr) - static_cast<std::time_t>(minAge.count());
    int removed = 0;
    for (const fs::path& candidate : candidates) {
        // Opened without following a link and without blocking on a FIFO.
        const int fd =
            ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        struct stat named {};
        // The writer's lock says the file is still being written; the name must still be the
        // file that was checked when it is removed.
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime <= newest &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(candidate.c_str(), &named) == 0 &&
            named.st_ino == info.st_ino && named.st_dev == info.st_dev &&
            ::unlink(candidate.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

} // namespace quorvel
