// An exclusive lock, held for a short while, on a lock file beside a file that several copies of
// the game share (the statistics): each copy reads, merges and writes the file while it holds
// the lock, so no copy writes over what another has just added. The lock file is private to the
// user and only ever locked, never read.
#pragma once

#include <filesystem>

namespace quorvel {

class FileLock {
public:
    // Waits up to `timeoutMs` [ms] for the lock on `lockFile`, made when missing (0600; a link
    // under the name is not followed).
    FileLock(const std::filesystem::path& lockFile, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Why it is not held (errno; EWOULDBLOCK when another copy kept it past the time).
    int Error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace quorvel
