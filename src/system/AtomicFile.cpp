// Whole-or-nothing replacement of a file: temporary file, fsync, rename, fsync of the folder.
#include "system/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

constexpr const char* kTemporaryInfix = ".tmp-";

// Runs the hook for a step; false with errno set as a failing call would leave it.
bool Allowed(const FileFaultHook& hook, FileStep step) {
    if (!hook || hook(step))
        return true;
    errno = EIO;
    return false;
}

} // namespace

const char* FileStepName(FileStep step) {
    switch (step) {
    case FileStep::MakeFolder:
        return "make folder";
    case FileStep::Create:
        return "create";
    case FileStep::Write:
        return "write";
    case FileStep::Sync:
        return "sync";
    case FileStep::Close:
        return "close";
    case FileStep::Rename:
        return "rename";
    case FileStep::SyncFolder:
        return "sync folder";
    case FileStep::SetAside:
        return "set aside";
    case FileStep::Lock:
        return "lock";
    }
    return "?";
}

bool IsTemporaryOf(const std::filesystem::path& file, const std::string& name) {
    const std::string prefix = file.filename().string() + kTemporaryInfix;
    return name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0;
}

std::optional<FileFailure> ReplaceFile(const std::filesystem::path& file, std::string_view bytes,
                                       const FileFaultHook& hook, bool makeFolder) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    auto fail = [](FileStep step) { return FileFailure{step, errno ? errno : EIO}; };

    errno = 0;
    if (!Allowed(hook, FileStep::MakeFolder))
        return fail(FileStep::MakeFolder);
    if (makeFolder) {
        std::error_code code;
        std::filesystem::create_directories(folder, code);
        if (code)
            return FileFailure{FileStep::MakeFolder, code.value()};
    }

    if (!Allowed(hook, FileStep::Create))
        return fail(FileStep::Create);
    // mkostemp opens with O_CREAT | O_EXCL: it never follows a link planted under that name.
    std::string temporary = (folder / (file.filename().string() + kTemporaryInfix)).string();
    temporary += "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(FileStep::Create);
    // mkostemp makes the file private; the file it replaces was an ordinary one. The lock tells
    // RemoveLeftoverTemporaries that this file is being written; it goes with the close.
    ::fchmod(fd, 0644);
    ::flock(fd, LOCK_EX | LOCK_NB);

    auto abandon = [&](FileStep step) {
        const FileFailure failure = fail(step);
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure;
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        if (!Allowed(hook, FileStep::Write))
            return abandon(FileStep::Write);
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return abandon(FileStep::Write);
        written += static_cast<std::size_t>(n);
    }
    if (!Allowed(hook, FileStep::Sync) || ::fsync(fd) != 0)
        return abandon(FileStep::Sync);
    const bool hookClose = Allowed(hook, FileStep::Close);
    if (::close(fd) != 0 || !hookClose) {
        const FileFailure failure = fail(FileStep::Close);
        ::unlink(temporary.c_str());
        return failure;
    }
    if (!Allowed(hook, FileStep::Rename) || ::rename(temporary.c_str(), file.c_str()) != 0) {
        const FileFailure failure = fail(FileStep::Rename);
        ::unlink(temporary.c_str());
        return failure;
    }
    // Makes the rename itself durable. The new contents are in place whatever happens here.
    if (Allowed(hook, FileStep::SyncFolder)) {
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return std::nullopt;
}

} // namespace quorvel
