// Opening without following links or blocking, then reading whole within a limit.
#include "system/OwnFileReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

OwnFileRead Failed(OwnFileRead::Outcome outcome, std::string why) {
    OwnFileRead read;
    read.outcome = outcome;
    read.why = std::move(why);
    return read;
}

} // namespace

OwnFileRead ReadOwnFile(const std::filesystem::path& file, std::size_t maxBytes) {
    using Outcome = OwnFileRead::Outcome;
    const int fd =
        ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return Failed(Outcome::Missing, {});
        if (error == ENOTDIR)
            return Failed(Outcome::NoFolder, "a part of its folder is not a folder");
        if (error == ELOOP)
            return Failed(Outcome::NotOurs, "a link, not a file");
        return Failed(Outcome::Unreadable, std::strerror(error));
    }
    struct stat info {};
    OwnFileRead read;
    if (::fstat(fd, &info) != 0) {
        read = Failed(Outcome::Unreadable, std::strerror(errno));
    } else if (!S_ISREG(info.st_mode)) {
        read = Failed(Outcome::NotOurs, S_ISDIR(info.st_mode) ? "a folder, not a file"
                                                              : "not a regular file");
    } else if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        read = Failed(Outcome::NotOurs, "too large");
    } else {
        read.outcome = Outcome::Read;
        // One byte more than the limit, to see a file that grew while it was read.
        read.text.resize(maxBytes + 1);
        std::size_t size = 0;
        while (size < read.text.size()) {
            const ssize_t n = ::read(fd, read.text.data() + size, read.text.size() - size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                read = Failed(Outcome::Unreadable, std::strerror(errno));
            if (n <= 0)
                break;
            size += static_cast<std::size_t>(n);
        }
        if (read.outcome == Outcome::Read) {
            read.text.resize(size);
            if (size > maxBytes)
                read = Failed(Outcome::NotOurs, "too large");
        }
    }
    ::close(fd);
    return read;
}

} // namespace quorvel
