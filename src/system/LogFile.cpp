// Appending timed lines, and moving a long log aside.
#include "system/LogFile.h"

#include "system/UserFiles.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

LogFile::~LogFile() {
    if (out_)
        std::fclose(out_);
}

std::string LogFile::Open(const std::filesystem::path& file) {
    if (const std::string made = MakeFolder(file.parent_path()); !made.empty())
        return made;
    // Only a regular file of the user's is moved aside; a link is never followed.
    struct stat info {};
    if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uintmax_t>(info.st_size) > kRotateBytes)
        ::rename(file.c_str(), (file.string() + ".1").c_str());
    // Without blocking (a FIFO would wait for a reader for ever) and without following a link
    // planted under the name, which would append to whatever it points at.
    const int fd = ::open(file.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY |
                              O_CLOEXEC,
                          0600);
    // A FIFO without a reader refuses a non-blocking open for writing (ENXIO).
    if (fd < 0)
        return file.string() + ": " +
               (errno == ELOOP   ? std::string("a link, not a file")
                : errno == ENXIO ? std::string("not a regular file")
                                 : std::strerror(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return file.string() + ": not a regular file";
    }
    out_ = ::fdopen(fd, "a");
    if (!out_) {
        const int error = errno;
        ::close(fd);
        return file.string() + ": " + std::strerror(error);
    }
    return {};
}

void LogFile::Write(std::string_view text) {
    if (!out_)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32] = "";
    if (localtime_r(&now, &local))
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::fprintf(out_, "%s %.*s\n", stamp, static_cast<int>(text.size()), text.data());
    std::fflush(out_);
}

} // namespace quorvel
