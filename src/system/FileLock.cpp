// Taking the lock by polling, so a copy that keeps it too long only delays the other.
#include "system/FileLock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quorvel {

namespace {
// How often the lock is tried again while another copy holds it.
constexpr std::chrono::milliseconds kRetry{5};
} // namespace

FileLock::FileLock(const std::filesystem::path& lockFile, int timeoutMs) {
    const int fd = ::open(lockFile.c_str(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error_ = fd < 0 ? errno : EINVAL;
        if (fd >= 0)
            ::close(fd);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error_ = errno;
        if ((error_ != EWOULDBLOCK && error_ != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(kRetry);
    }
    error_ = 0;
    fd_ = fd;
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace quorvel
