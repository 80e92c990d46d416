// Starting, asking and ending the painter process, and the painter program's own loop. The
// socket carries fixed binary messages, little-endian as both ends are on one machine:
//   hello (painter to game): "QVPAINT1", identity length (u32), identity, ready (u8)
//   request (game to painter): width, height, design path length (u32 each), design path
//   answer (painter to game): painted (u32, 1 or 0), width, height (u32), then the pixels
#include "gui/PainterProcess.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quorvel {

namespace {

constexpr char kHello[8] = {'Q', 'V', 'P', 'A', 'I', 'N', 'T', '1'};
// The longest identity or design path a message may carry [bytes].
constexpr std::uint32_t kMaxText = 1024;
// How long the painter has to leave once its socket is closed [ms].
constexpr int kLeaveMs = 1000;

using Clock = std::chrono::steady_clock;

bool SendAll(int fd, const void* data, std::size_t size) {
    const auto* at = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = ::send(fd, at, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads exactly `size` bytes, waiting no later than `deadline` (none: as long as it takes).
bool ReadAll(int fd, void* data, std::size_t size,
             std::optional<Clock::time_point> deadline = std::nullopt) {
    auto* at = static_cast<std::uint8_t*>(data);
    while (size > 0) {
        if (deadline) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now())
                    .count();
            pollfd ready{fd, POLLIN, 0};
            const int polled = left > 0 ? ::poll(&ready, 1, static_cast<int>(left)) : 0;
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled <= 0)
                return false;
        }
        const ssize_t n = ::read(fd, at, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SendWord(int fd, std::uint32_t value) {
    return SendAll(fd, &value, sizeof value);
}

bool ReadWord(int fd, std::uint32_t& value,
              std::optional<Clock::time_point> deadline = std::nullopt) {
    return ReadAll(fd, &value, sizeof value, deadline);
}

} // namespace

PainterProcess::PainterProcess(std::filesystem::path program, std::string identity, bool ready,
                               int answerMs)
    : program_(std::move(program)), identity_(std::move(identity)), ready_(ready),
      answerMs_(answerMs) {}

PainterProcess::~PainterProcess() {
    Stop(false);
}

std::filesystem::path PainterProcess::FindProgram(const std::filesystem::path& programFolder,
                                                  const std::filesystem::path& installed) {
    for (const auto& candidate :
         {programFolder / "quorvel-painter", programFolder / installed / "quorvel-painter"}) {
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

void PainterProcess::Break(const std::string& why) {
    if (!broken_)
        std::cerr << "quorvel: pictures are scaled from their files from now on: the painter "
                  << why << '\n';
    broken_ = true;
    Stop(true);
}

bool PainterProcess::Start() {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        Break(std::string("cannot be reached: ") + std::strerror(errno));
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    const std::string path = program_.string();
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("--serve"), nullptr};
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    socket_ = ends[0];
    if (spawned != 0) {
        Break(path + " cannot be started: " + std::strerror(spawned));
        return false;
    }
    pid_ = pid;
    // The painter introduces itself: its identity must be the game's.
    const auto deadline = Clock::now() + std::chrono::milliseconds(answerMs_);
    char hello[sizeof kHello];
    std::uint32_t length = 0;
    if (!ReadAll(socket_, hello, sizeof hello, deadline) ||
        std::memcmp(hello, kHello, sizeof hello) != 0 || !ReadWord(socket_, length, deadline) ||
        length > kMaxText) {
        Break("did not answer");
        return false;
    }
    std::string identity(length, '\0');
    std::uint8_t ready = 0;
    if (!ReadAll(socket_, identity.data(), length, deadline) ||
        !ReadAll(socket_, &ready, 1, deadline)) {
        Break("did not answer");
        return false;
    }
    if (identity != identity_ || ready != 1) {
        Break(identity != identity_ ? "is of another build" : "lacks its typefaces");
        return false;
    }
    return true;
}

void PainterProcess::Stop(bool kill) {
    if (socket_ >= 0)
        ::close(socket_);
    socket_ = -1;
    if (pid_ <= 0)
        return;
    if (kill)
        ::kill(pid_, SIGKILL);
    // Closing the socket ends the painter's loop; one that does not leave is ended.
    const auto deadline = Clock::now() + std::chrono::milliseconds(kLeaveMs);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        ::usleep(1000);
    }
    pid_ = -1;
}

void PainterProcess::Rest() {
    Stop(false);
}

std::optional<Picture> PainterProcess::Paint(std::string_view designPath, int width, int height) {
    if (!Ready() || !PictureSizeFits(width, height) || designPath.size() > kMaxText)
        return std::nullopt;
    if (socket_ < 0 && !Start())
        return std::nullopt;
    if (!SendWord(socket_, static_cast<std::uint32_t>(width)) ||
        !SendWord(socket_, static_cast<std::uint32_t>(height)) ||
        !SendWord(socket_, static_cast<std::uint32_t>(designPath.size())) ||
        !SendAll(socket_, designPath.data(), designPath.size())) {
        Break("is gone");
        return std::nullopt;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(answerMs_);
    std::uint32_t painted = 0, w = 0, h = 0;
    if (!ReadWord(socket_, painted, deadline) || !ReadWord(socket_, w, deadline) ||
        !ReadWord(socket_, h, deadline)) {
        Break("stopped answering");
        return std::nullopt;
    }
    if (painted == 0)
        return std::nullopt;
    if (painted != 1 || w != static_cast<std::uint32_t>(width) ||
        h != static_cast<std::uint32_t>(height)) {
        Break("answered another picture");
        return std::nullopt;
    }
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * height);
    if (!ReadAll(socket_, picture.pixels.data(), picture.pixels.size() * 4, deadline)) {
        Break("stopped answering");
        return std::nullopt;
    }
    return picture;
}

int PainterProcess::Serve(int socket, PicturePainter& painter) {
    const std::string_view identity = painter.Identity();
    const std::uint8_t ready = painter.Ready() ? 1 : 0;
    if (!SendAll(socket, kHello, sizeof kHello) ||
        !SendWord(socket, static_cast<std::uint32_t>(identity.size())) ||
        !SendAll(socket, identity.data(), identity.size()) || !SendAll(socket, &ready, 1))
        return 1;
    for (;;) {
        std::uint32_t width = 0, height = 0, length = 0;
        if (!ReadWord(socket, width))
            return 0; // the game closed the socket: done
        if (!ReadWord(socket, height) || !ReadWord(socket, length) || length > kMaxText)
            return 1;
        std::string path(length, '\0');
        if (!ReadAll(socket, path.data(), length))
            return 1;
        const auto picture =
            PictureSizeFits(width, height)
                ? painter.Paint(path, static_cast<int>(width), static_cast<int>(height))
                : std::nullopt;
        const bool sent =
            picture ? SendWord(socket, 1) && SendWord(socket, width) && SendWord(socket, height) &&
                          SendAll(socket, picture->pixels.data(), picture->pixels.size() * 4)
                    : SendWord(socket, 0) && SendWord(socket, 0) && SendWord(socket, 0);
        if (!sent)
            return 1;
    }
}

} // namespace quorvel
