// The save folder's lock (flock on a file in the private runtime folder) and the raise request
// over a local socket beside it.
#include "system/InstanceLock.h"

#include "system/UserFiles.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace quorvel {

namespace fs = std::filesystem;

namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
// How long the first copy waits for a connected second copy to send its request [ms].
constexpr int kRequestMs = 1000;
// How often a second copy tries again to reach a first copy that is not listening yet.
constexpr std::chrono::milliseconds kRetry{100};

// FNV-1a: a stable hash of the folder's path, the same in every build of the game.
std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

fs::path SocketPath(const fs::path& saveFolder, const fs::path& runtimeFolder) {
    return runtimeFolder / (InstanceLock::Key(saveFolder) + ".sock");
}

// A socket address for a path; false when the path is too long for one.
bool Address(const fs::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string& name = path.native();
    if (name.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.data(), name.size());
    return true;
}

// Whether the other end of a connected socket runs as this user.
bool SameUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

// What arrives within `ms` [ms] per read, up to a line or `limit` bytes; "" on timeout.
std::string ReadWithin(int fd, int ms, std::size_t limit) {
    std::string got;
    char buffer[32];
    while (got.size() < limit && got.find('\n') == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

void WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

} // namespace

std::string InstanceLock::Key(const fs::path& saveFolder) {
    std::error_code ec;
    fs::path real = fs::weakly_canonical(fs::absolute(saveFolder, ec), ec);
    if (ec)
        real = saveFolder;
    char name[24];
    std::snprintf(name, sizeof name, "%016llx",
                  static_cast<unsigned long long>(Fnv1a(real.string())));
    return name;
}

std::unique_ptr<InstanceLock> InstanceLock::Acquire(const fs::path& saveFolder,
                                                    const fs::path& runtimeFolder,
                                                    Outcome& outcome, std::string& error) {
    outcome = Outcome::Failed;
    if (error = MakePrivateFolder(runtimeFolder); !error.empty())
        return nullptr;
    const fs::path file = runtimeFolder / (Key(saveFolder) + ".lock");
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0600);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = file.string() + ": " + (fd < 0 ? std::strerror(errno) : "not a regular file");
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        const int reason = errno;
        ::close(fd);
        outcome = reason == EWOULDBLOCK ? Outcome::Held : Outcome::Failed;
        error = file.string() + ": " + std::strerror(reason);
        return nullptr;
    }
    outcome = Outcome::Locked;
    error.clear();
    return std::unique_ptr<InstanceLock>(
        new InstanceLock(fd, SocketPath(saveFolder, runtimeFolder)));
}

InstanceLock::InstanceLock(int lockFd, fs::path socket)
    : lockFd_(lockFd), socket_(std::move(socket)) {}

InstanceLock::~InstanceLock() {
    StopListening();
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void InstanceLock::StopListening() {
    if (helper_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &stop, 1);
        helper_.join();
    }
    if (listenFd_ >= 0)
        ::unlink(socket_.c_str());
    for (int* fd : {&listenFd_, &wake_[0], &wake_[1]})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
}

bool InstanceLock::Listen(std::function<bool()> raise) {
    if (helper_.joinable())
        return true;
    sockaddr_un address{};
    if (!Address(socket_, address))
        return false;
    // This copy holds the lock, so a socket left under the name is a dead copy's.
    ::unlink(socket_.c_str());
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 ||
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 4) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        if (listenFd_ >= 0)
            ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    raise_ = std::move(raise);
    helper_ = std::thread([this] { Serve(); });
    return true;
}

void InstanceLock::Serve() {
    for (;;) {
        pollfd waits[2] = {{listenFd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (waits[1].revents)
            return;
        if (!(waits[0].revents & POLLIN))
            continue;
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        // A copy whose window did not come up says nothing: the asker then knows it was not.
        if (SameUser(client) && ReadWithin(client, kRequestMs, 16) == kRequest && raise_ &&
            raise_())
            WriteAll(client, kAnswer);
        ::close(client);
    }
}

bool AskRunningCopyToRaise(const fs::path& saveFolder, const fs::path& runtimeFolder,
                           int timeoutMs) {
    sockaddr_un address{};
    if (!Address(SocketPath(saveFolder, runtimeFolder), address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // The first copy may have locked the folder a moment ago and not yet be listening: it is
    // tried again until the time is up.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool connected = false;
    while (!(connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) ==
                         0) &&
           (errno == ECONNREFUSED || errno == ENOENT || errno == EINTR) &&
           std::chrono::steady_clock::now() + kRetry < deadline)
        std::this_thread::sleep_for(kRetry);
    bool raised = false;
    if (connected && SameUser(fd)) {
        WriteAll(fd, kRequest);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        raised = ReadWithin(fd, std::max<int>(static_cast<int>(left.count()), 1), 8) == kAnswer;
    }
    ::close(fd);
    return raised;
}

} // namespace quorvel
