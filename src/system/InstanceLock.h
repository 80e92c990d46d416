// One copy of the game per save folder. The first copy locks a file named after the save
// folder in the user's private runtime folder for as long as it runs, and listens on a socket
// beside it; a second copy asks it there to raise its window instead of sharing the save file.
// No other user can open that folder, so no one else can take the lock or the socket's name;
// the lock is the system's file lock, so nothing is held when a copy crashes.
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
        Locked, // this copy holds the save folder
        Held,   // another copy of this user holds it
        Failed, // no lock can be had (no private runtime folder, a file system without locks)
    };

    // Tries to lock `saveFolder` with a lock file in `runtimeFolder`, which is made private to
    // the user first (MakePrivateFolder). On Locked the returned lock holds it; otherwise it is
    // nullptr and `error` says why for Failed.
    static std::unique_ptr<InstanceLock> Acquire(const std::filesystem::path& saveFolder,
                                                 const std::filesystem::path& runtimeFolder,
                                                 Outcome& outcome, std::string& error);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Starts answering second copies: `raise` runs on a helper thread for each request and says
    // whether the window was really raised; only then is the second copy told so. False when
    // no one could be answered; the lock holds all the same.
    bool Listen(std::function<bool()> raise);
    // Stops answering; the save folder stays locked until the lock is destroyed.
    void StopListening();

    // The name of a save folder's lock and socket: the same for every spelling of its path.
    static std::string Key(const std::filesystem::path& saveFolder);

private:
    InstanceLock(int lockFd, std::filesystem::path socket);
    void Serve();

    int lockFd_ = -1;
    std::filesystem::path socket_;
    int listenFd_ = -1;
    int wake_[2] = {-1, -1}; // written to stop the helper
    std::function<bool()> raise_;
    std::thread helper_;
};

// Asks the copy that holds `saveFolder` to raise its window; true when it said it did within
// `timeoutMs` [ms].
bool AskRunningCopyToRaise(const std::filesystem::path& saveFolder,
                           const std::filesystem::path& runtimeFolder, int timeoutMs);

} // namespace quorvel
