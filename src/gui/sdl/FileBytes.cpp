// Whole-file reading with the checks the game's own files need.
#include "gui/sdl/FileBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

bool ReadFileBytes(const std::filesystem::path& file, std::size_t limit,
                   std::vector<std::uint8_t>& out) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::uintmax_t>(info.st_size) <= limit;
    if (ok) {
        out.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (ok && got < out.size()) {
            const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            if (ok)
                got += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return ok;
}

} // namespace quorvel
