// One copy of the game per save folder. The first copy locks the folder for as long as it runs
// and listens for a second copy, which then asks it to raise its window instead of sharing the
// save file. The lock is the system's lock on the folder itself, so nothing is left behind
// when a copy crashes; the request goes over a local socket named after the folder, answered
// only to the same user.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace quorvel {

class InstanceLock {
public:
    enum class Outcome {
        Locked, // this copy holds the folder
        Held,   // another copy holds it
        Failed, // the folder cannot be locked (missing, or a file system without locks)
    };

    // Tries to lock `folder`. On Locked the returned lock holds it; otherwise it is nullptr
    // and `error` says why for Failed.
    static std::unique_ptr<InstanceLock> Acquire(const std::filesystem::path& folder,
                                                 Outcome& outcome, std::string& error);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Starts answering second copies: `raise` runs on a helper thread for each request. False
    // when no one could be answered (the name is taken); the lock holds all the same.
    bool Listen(std::function<void()> raise);
    // Stops answering; the folder stays locked until the lock is destroyed.
    void StopListening();

    // The local socket's name for a folder: the same for every spelling of the folder's path.
    static std::string ChannelName(const std::filesystem::path& folder);

private:
    InstanceLock(int folderFd, std::string channel);
    void Serve();

    int folderFd_ = -1;
    std::string channel_;
    int listenFd_ = -1;
    int wake_[2] = {-1, -1}; // written to stop the helper
    std::function<void()> raise_;
    std::thread helper_;
};

// Asks the copy that holds `folder` to raise its window; true when it said it did within
// `timeoutMs` [ms].
bool AskRunningCopyToRaise(const std::filesystem::path& folder, int timeoutMs);

} // namespace quorvel
